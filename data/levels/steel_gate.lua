-- The big fish joins: only it can move steel.
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/steel_gate/bg.png",
    map = [[
################
################
################
#.....##########
#.....##########
#BBBB.....H.....
#BBBB.....H.....
#sss..######.###
############.###
################
################
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/steel_gate/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        H = {kind = "item_heavy", name = "steel", picture = "images/items/heavy/steel_tall.png"},
    },
}

lib.addSounds()
sound_playMusic("music/level_calm.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "big_steel", font = "big",
     en = "Steel. You will never move that, little one.",
     cs = "Ocel. Tou ty nepohneš, maličká.",
     sound = {en = "sound/speech/steel_gate/big_steel__en.ogg", cs = "sound/speech/steel_gate/big_steel__cs.ogg"}},
    {name = "small_behind", font = "small",
     en = "Then it is your turn. I will swim behind you.",
     cs = "Tak je to na tobě. Poplavu za tebou.",
     sound = {en = "sound/speech/steel_gate/small_behind__en.ogg", cs = "sound/speech/steel_gate/small_behind__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("big"), "big_steel"},
        {lib.model("small"), "small_behind"},
    }
end
