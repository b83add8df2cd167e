-- The way out is the old outlet pipe; the small fish waits in the pit below.
-- room style: wreck
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/outlet_pipe/bg.png",
    map = [[
################
################
################
##............##
##.......BBBB.##
.O.......BBBB.##
.O...PPP......##
##sss###########
################
################
################
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/outlet_pipe/walls.png"},
        O = {kind = "output_left", name = "outlet", picture = "images/items/fixed/outlet_left.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        P = {kind = "item_heavy", name = "pipe", picture = "images/items/heavy/pipe_3.png"},
    },
}

lib.addSounds()
sound_playMusic("music/level_deep.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "small_pipe", font = "small",
     en = "An old outlet pipe. It leads out to the open sea.",
     cs = "Stará odtoková trubka. Vede ven na otevřené moře.",
     sound = {en = "sound/speech/outlet_pipe/small_pipe__en.ogg", cs = "sound/speech/outlet_pipe/small_pipe__cs.ogg"}},
    {name = "big_pit", font = "big",
     en = "First get out of that pit, or the pipe lands on you.",
     cs = "Nejdřív vylez z té jámy, jinak ta trubka spadne na tebe.",
     sound = {en = "sound/speech/outlet_pipe/big_pit__en.ogg", cs = "sound/speech/outlet_pipe/big_pit__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("small"), "small_pipe"},
        {lib.model("big"), "big_pit"},
    }
end
