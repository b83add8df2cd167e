-- The small fish alone: push the shell into the pit and swim out.
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/first_steps/bg.png",
    map = [[
##############
#....#########
#....#########
#sss...a......
#....####.####
#....####.####
##############
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/first_steps/walls.png"},
        s = {kind = "fish_small", name = "small"},
        a = {kind = "item_light", name = "shell", picture = "images/items/light/shell.png"},
    },
}
