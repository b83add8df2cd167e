-- The big fish carries a tower; once it swims away, the tower falls.
-- room style: reef
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/wobbly_tower/bg.png",
    map = [[
################
#.......a.......
#.......b.......
#.......BBBB####
#.......BBBB####
########......##
########sss...##
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/wobbly_tower/walls.png"},
        a = {kind = "item_light", name = "starfish", picture = "images/items/light/starfish.png"},
        b = {kind = "item_light", name = "crate", picture = "images/items/light/crate.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
    },
}
