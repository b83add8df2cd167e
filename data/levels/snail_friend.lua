-- A snail holds the crate up: it has to step aside before the crate drops.
-- room style: cave
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/snail_friend/bg.png",
    map = [[
################
################
################
#...############
#sss....a.......
#...###.n#######
########.#######
########.#######
################
################
################
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/snail_friend/walls.png"},
        s = {kind = "fish_small", name = "small"},
        a = {kind = "item_light", name = "crate", picture = "images/items/light/crate.png"},
        n = {kind = "fish_extra-nswe", name = "snail", goal = "goal_alive",
             picture = "images/items/light/snail.png"},
    },
}

lib.addSounds()
sound_playMusic("music/level_deep.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "small_hello", font = "small",
     en = "Hello, snail! You are holding up that crate.",
     cs = "Ahoj, šneku! Ty držíš tu bednu.",
     sound = {en = "sound/speech/snail_friend/small_hello__en.ogg", cs = "sound/speech/snail_friend/small_hello__cs.ogg"}},
    {name = "small_aside", font = "small",
     en = "Please step aside, but not down, or it falls on you.",
     cs = "Uhni prosím stranou, ne dolů, jinak spadne na tebe.",
     sound = {en = "sound/speech/snail_friend/small_aside__en.ogg", cs = "sound/speech/snail_friend/small_aside__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("small"), "small_hello"},
        {lib.model("small"), "small_aside"},
    }
end
