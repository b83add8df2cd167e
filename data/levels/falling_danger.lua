-- Who goes first: steel dropped into the shaft closes it for good.
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/falling_danger/bg.png",
    map = [[
################
################
################
##BBBBS.........
##BBBBS.........
########...#####
##.....#...#####
##.sss.....#####
################
################
################
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/falling_danger/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        S = {kind = "item_heavy", name = "steel", picture = "images/items/heavy/steel_tall.png"},
    },
}

lib.addSounds()
sound_playMusic("music/level_calm.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "small_shaft", font = "small",
     en = "If that steel falls down the shaft, it closes the way for good.",
     cs = "Když ta ocel spadne do šachty, zavře cestu navždy.",
     sound = {en = "sound/speech/falling_danger/small_shaft__en.ogg", cs = "sound/speech/falling_danger/small_shaft__cs.ogg"}},
    {name = "big_first", font = "big",
     en = "Then you had better go first. I do not want it on your head.",
     cs = "Tak radši jdi první. Nechci ti ji shodit na hlavu.",
     sound = {en = "sound/speech/falling_danger/big_first__en.ogg", cs = "sound/speech/falling_danger/big_first__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("small"), "small_shaft"},
        {lib.model("big"), "big_first"},
    }
end
