-- The small fish alone: push the shell into the pit and swim out.
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/first_steps/bg.png",
    map = [[
################
################
################
##....##########
##....##########
##sss...a.......
##....####.#####
##....####.#####
################
################
################
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", picture = "images/rooms/first_steps/walls.png"},
        s = {kind = "fish_small", name = "small"},
        a = {kind = "item_light", name = "shell", picture = "images/items/light/shell.png"},
    },
}

lib.addSounds()
sound_playMusic("music/level_calm.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "small_where", font = "small",
     en = "Where am I? It is so quiet here.",
     cs = "Kde to jsem? Je tu takové ticho.",
     sound = {en = "sound/speech/first_steps/small_where__en.ogg", cs = "sound/speech/first_steps/small_where__cs.ogg"}},
    {name = "small_shell", font = "small",
     en = "That shell is in my way. Maybe I can push it into the hole.",
     cs = "Ta mušle mi překáží. Možná ji můžu strčit do té díry.",
     sound = {en = "sound/speech/first_steps/small_shell__en.ogg", cs = "sound/speech/first_steps/small_shell__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("small"), "small_where"},
        {lib.model("small"), "small_shell"},
    }
end
