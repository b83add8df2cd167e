-- An anchor on a chain: the big fish lowers it into the pit.
-- room style: wreck
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/anchor_chain/bg.png",
    map = [[
###############
#.....#########
#.....#########
#BBBB.AA.......
#BBBB.AA.......
#sss..###..####
#########..####
###############
]],
    legend = {
        ["#"] = {kind = "item_fixed", name = "walls", picture = "images/rooms/anchor_chain/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        A = {kind = "item_heavy", name = "anchor", picture = "images/items/heavy/steel_big.png"},
    },
}
-- the chain hangs from a ring in the ceiling above the anchor's ledge
game_addDecor("rope", lib.model("walls").index, lib.model("anchor").index, 105, 45, 15, 2)
