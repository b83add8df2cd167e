-- The ending: the way home is open, the fish swim up to the surface.
-- room style: reef
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/homecoming/bg.png",
    map = [[
#####....#####
#............#
#............#
#BBBB....sss.#
#BBBB........#
#..a.....b..c#
##############
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/homecoming/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        a = {kind = "item_light", name = "shell", picture = "images/items/light/shell.png"},
        b = {kind = "item_light", name = "starfish", picture = "images/items/light/starfish.png"},
        c = {kind = "item_light", name = "snail", picture = "images/items/light/snail.png"},
    },
}
