-- Poster of the first level: the small fish is out on its own.
file_include("script/share/demo_lib.lua")

demo.line("poster-first-steps", "small", "sound/speech/demo/poster_first_steps",
    "That was easy. I found the way out on my own!",
    "To bylo snadné. Cestu ven jsem našla sama!")

demo.start("images/demo/poster_first_steps.png")
demo.pause(5)
demo.talk("small", "poster-first-steps")
demo.pause(10)
