-- The big fish carries a tower; once it swims away, the tower falls.
-- room style: reef
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/wobbly_tower/bg.png",
    map = [[
################
################
################
#.......a.......
#.......b.......
#.......BBBB####
#.......BBBB####
########......##
########sss...##
################
################
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

lib.addSounds()
sound_playMusic("music/level_deep.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "big_back", font = "big",
     en = "Something is balancing on my back.",
     cs = "Něco se mi houpe na zádech.",
     sound = {en = "sound/speech/wobbly_tower/big_back__en.ogg", cs = "sound/speech/wobbly_tower/big_back__cs.ogg"}},
    {name = "small_tower", font = "small",
     en = "A tower! If you swim away, it falls right into my hole.",
     cs = "Věž! Když odplaveš, spadne přímo do mé díry.",
     sound = {en = "sound/speech/wobbly_tower/small_tower__en.ogg", cs = "sound/speech/wobbly_tower/small_tower__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("big"), "big_back"},
        {lib.model("small"), "small_tower"},
    }
end
