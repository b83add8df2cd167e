-- Everything learnt so far, and the outlet at the end.
-- room style: reef
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/last_reef/bg.png",
    map = [[
#################
#...............#
#.BBBB......a...#
O.BBBB..H...a...#
O.......H..sss..#
####.####.......#
####.####.......#
#################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/last_reef/walls.png"},
        O = {kind = "output_left", name = "outlet"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        H = {kind = "item_heavy", name = "steel", picture = "images/items/heavy/steel_tall.png"},
        a = {kind = "item_light", name = "amphora", picture = "images/items/light/amphora.png"},
    },
}
