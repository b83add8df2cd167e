-- The intro: how the two fish got shut in the pools, what each of them can
-- do, and why they must leave every room.
file_include("script/share/demo_lib.lua")

local speech = "sound/speech/demo/"

demo.line("intro-tide", "small", speech .. "intro_tide",
    "The tide has gone out and shut us in the old pools.",
    "Odliv odešel a zavřel nás ve starých tůních.")
demo.line("intro-sea", "big", speech .. "intro_sea",
    "Then we must find our way back to the open sea.",
    "Pak musíme najít cestu zpátky do otevřeného moře.")
demo.line("intro-small", "small", speech .. "intro_small",
    "I am small and quick. I can push shells and crates.",
    "Jsem malá a hbitá. Posunu mušle a bedýnky.")
demo.line("intro-big", "big", speech .. "intro_big",
    "I am big and strong. Only I can move steel.",
    "Já jsem velká a silná. Jen já pohnu ocelí.")
demo.line("intro-head", "small", speech .. "intro_head",
    "But nothing heavy may fall on my head!",
    "Ale nic těžkého mi nesmí spadnout na hlavu!")
demo.line("intro-under", "big", speech .. "intro_under",
    "Steel is too heavy for you. Keep out from under it.",
    "Ocel je na tebe moc těžká. Nelez pod ni.")
demo.line("intro-out", "small", speech .. "intro_out",
    "Every room has a way out. Let's find it!",
    "Z každé místnosti vede cesta ven. Najdeme ji!")
demo.line("intro-together", "big", speech .. "intro_together",
    "Together.",
    "Spolu.")

demo.start("images/demo/intro_1.png")
demo.pause(10)
demo.talk("small", "intro-tide")
demo.talk("big", "intro-sea")
demo.pause(5)
demo.show("images/demo/intro_2.png")
demo.pause(5)
demo.talk("small", "intro-small")
demo.talk("big", "intro-big")
demo.pause(5)
demo.show("images/demo/intro_3.png")
demo.pause(5)
demo.talk("small", "intro-head")
demo.talk("big", "intro-under")
demo.pause(5)
demo.show("images/demo/intro_4.png")
demo.pause(5)
demo.talk("small", "intro-out")
demo.talk("big", "intro-together")
demo.pause(15)
