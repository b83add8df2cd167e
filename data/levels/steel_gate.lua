-- The big fish joins: only it can move steel.
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/steel_gate/bg.png",
    map = [[
###############
#.....#########
#.....#########
#BBBB.....H....
#BBBB.....H....
#sss..######.##
############.##
###############
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/steel_gate/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        H = {kind = "item_heavy", name = "steel", picture = "images/items/heavy/steel_tall.png"},
    },
}
