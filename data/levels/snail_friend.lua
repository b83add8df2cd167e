-- A snail holds the crate up: it has to step aside before the crate drops.
-- room style: cave
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/snail_friend/bg.png",
    map = [[
###############
#...###########
#sss....a......
#...###.n######
########.######
########.######
###############
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/snail_friend/walls.png"},
        s = {kind = "fish_small", name = "small"},
        a = {kind = "item_light", name = "crate", picture = "images/items/light/crate.png"},
        n = {kind = "fish_extra-nswe", name = "snail", goal = "goal_alive",
             picture = "images/items/light/snail.png"},
    },
}
