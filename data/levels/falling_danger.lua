-- Who goes first: steel dropped into the shaft closes it for good.
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/falling_danger/bg.png",
    map = [[
##############
#BBBBS........
#BBBBS........
#######...####
#.....#...####
#.sss.....####
##############
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/falling_danger/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        S = {kind = "item_heavy", name = "steel", picture = "images/items/heavy/steel_tall.png"},
    },
}
