-- Poster of the level where the big fish joins: the steel is out of the way.
file_include("script/share/demo_lib.lua")

demo.line("poster-steel-big", "big", "sound/speech/demo/poster_steel_big",
    "Steel is no match for me.",
    "Na mě je ocel krátká.")
demo.line("poster-steel-small", "small", "sound/speech/demo/poster_steel_small",
    "And I found the way through!",
    "A já jsem našla cestu skrz!")

demo.start("images/demo/poster_steel_gate.png")
demo.pause(5)
demo.talk("big", "poster-steel-big")
demo.talk("small", "poster-steel-small")
demo.pause(10)
