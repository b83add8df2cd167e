-- An anchor on a chain: the big fish lowers it into the pit.
-- room style: wreck
file_include("script/level_lib.lua")

lib.createRoom{
    picture = "images/rooms/anchor_chain/bg.png",
    map = [[
################
################
################
#....#..########
#....#..########
#BBBB.AA........
#BBBB.AA........
#sss..###..#####
#########..#####
################
################
################
]],
    legend = {
        ["#"] = {kind = "item_fixed", name = "walls", picture = "images/rooms/anchor_chain/walls.png"},
        s = {kind = "fish_small", name = "small"},
        B = {kind = "fish_big", name = "big"},
        A = {kind = "item_heavy", name = "anchor", picture = "images/items/heavy/anchor.png"},
    },
}
-- the chain hangs from the ceiling of the shaft above the anchor's ledge
-- (the walls start at cell 0, 0) down to the ring of the anchor
game_addDecor("rope", lib.model("walls").index, lib.model("anchor").index, 105, 45, 15, 3)

lib.addSounds()
sound_playMusic("music/level_reef.ogg")

lib.addFonts()
lib.addDialogs{
    {name = "big_anchor", font = "big",
     en = "An anchor on a chain. It still hangs from the old ship.",
     cs = "Kotva na řetězu. Pořád visí ze staré lodi.",
     sound = {en = "sound/speech/anchor_chain/big_anchor__en.ogg", cs = "sound/speech/anchor_chain/big_anchor__cs.ogg"}},
    {name = "small_lower", font = "small",
     en = "Lower it into the pit, then we can swim over it.",
     cs = "Spusť ji do jámy, pak přes ni přeplaveme.",
     sound = {en = "sound/speech/anchor_chain/small_lower__en.ogg", cs = "sound/speech/anchor_chain/small_lower__cs.ogg"}},
}

-- the fish talk when the level is first entered, not after every restart
if level_getRestartCounter() == 1 then
    lib.planDialog{
        {lib.model("big"), "big_anchor"},
        {lib.model("small"), "small_lower"},
    }
end
