-- The way out is the old outlet pipe; the small fish waits in the pit below.
-- room style: wreck
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/outlet_pipe/bg.png",
    map = [[
##############
#............#
#.......BBBB.#
O.......BBBB.#
O...PPP......#
#sss##########
##############
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/outlet_pipe/walls.png"},
        O = {kind = "output_left", name = "outlet"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        P = {kind = "item_heavy", name = "pipe", picture = "images/items/heavy/pipe_3.png"},
    },
}
