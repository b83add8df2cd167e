-- The ending: the way home is open, the fish swim up to the surface.
-- room style: reef
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/homecoming/bg.png",
    map = [[
######....######
######....######
######....######
##............##
##............##
##BBBB....sss.##
##BBBB........##
##..a.....b..c##
################
################
################
################
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

lib.addSounds()
sound_playMusic("music/level_reef.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "small_light", font = "small",
     en = "I can see the light up there. We are home!",
     cs = "Nahoře vidím světlo. Jsme doma!",
     sound = {en = "sound/speech/homecoming/small_light__en.ogg", cs = "sound/speech/homecoming/small_light__cs.ogg"}},
    {name = "big_thanks", font = "big",
     en = "Thank you for playing with us.",
     cs = "Děkujeme, že sis s námi zahrál.",
     sound = {en = "sound/speech/homecoming/big_thanks__en.ogg", cs = "sound/speech/homecoming/big_thanks__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("small"), "small_light"},
        {lib.model("big"), "big_thanks"},
    }
end
