-- Everything learnt so far, and the outlet at the end.
-- room style: reef
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/last_reef/bg.png",
    map = [[
####################
####################
####################
####################
##...............###
##.BBBB......a...###
.O.BBBB..H...a...###
.O.......H..sss..###
#####.####.......###
#####.####.......###
####################
####################
####################
####################
####################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/last_reef/walls.png"},
        O = {kind = "output_left", name = "outlet", picture = "images/items/fixed/outlet_left.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        H = {kind = "item_heavy", name = "steel", picture = "images/items/heavy/steel_tall.png"},
        a = {kind = "item_light", name = "amphora", picture = "images/items/light/amphora.png"},
    },
}

lib.addSounds()
sound_playMusic("music/level_reef.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "small_last", font = "small",
     en = "The outlet again. This must be the last reef.",
     cs = "Zase ta trubka. Tohle musí být poslední útes.",
     sound = {en = "sound/speech/last_reef/small_last__en.ogg", cs = "sound/speech/last_reef/small_last__cs.ogg"}},
    {name = "big_amphora", font = "big",
     en = "Careful with the amphora. Step aside before it falls.",
     cs = "Pozor na amforu. Uhni, než spadne.",
     sound = {en = "sound/speech/last_reef/big_amphora__en.ogg", cs = "sound/speech/last_reef/big_amphora__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("small"), "small_last"},
        {lib.model("big"), "big_amphora"},
    }
end
