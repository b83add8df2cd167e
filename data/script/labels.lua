-- Texts of the menus, the help screen and the pedometer, in English and
-- Czech.  label_text(name, lang, text) stores one translation; a language
-- without its own text falls back to English.
--
-- The pedometer formats its comparison texts with the best known solution:
-- "%1" becomes its number of moves, "%2" its author.  "solver_better" is
-- also shown when no best solution is known, so it names neither.

local function label(name, en, cs)
    label_text(name, "en", en)
    label_text(name, "cs", cs)
end

-- Tips of the options menu rows, shown in its status line.  A flag adds
-- " - " and its language code to the tip of its row.
label("menu_sound", "Sound volume", "Hlasitost zvuků")
label("menu_music", "Music volume", "Hlasitost hudby")
label("menu_lang", "Language", "Jazyk")
label("menu_speech", "Speech", "Řeč")
label("menu_subtitles", "Subtitles", "Titulky")
label("menu_back", "Back", "Zpět")

-- The pedometer, under the name of an already solved level.
label("solver_better",
    "No shorter solution is known.\nWell done!",
    "Kratší řešení neznáme.\nVýborně!")
label("solver_equals",
    "Your solution is as short as the best known one:\n%1 moves by %2.",
    "Tvé řešení je stejně krátké jako nejlepší známé:\n%1 tahů, autor %2.")
label("solver_worse",
    "The best known solution takes only %1 moves (%2).\nCan you do better?",
    "Nejlepší známé řešení má jen %1 tahů (%2).\nZvládneš to lépe?")

-- The help screen (F1 in a level), one centred line per row; short lines
-- keep it inside the smallest rooms.
label("help",
    "Arrows: move the active fish\n" ..
    "Space: switch between the fish\n" ..
    "I J K L: small fish, W A S D: big fish\n" ..
    "Click a fish to choose it\n" ..
    "Minus: undo, plus: redo\n" ..
    "Backspace: restart the level\n" ..
    "F2: save, F3: load\n" ..
    "F5: number of moves\n" ..
    "F6: subtitles on and off\n" ..
    "F10: options, F11: full screen\n" ..
    "Esc: leave, Shift: faster\n" ..
    "\n" ..
    "Press any key",
    "Šipky: pohyb vybrané ryby\n" ..
    "Mezerník: přepnutí ryb\n" ..
    "I J K L: malá ryba, W A S D: velká\n" ..
    "Kliknutím vybereš rybu\n" ..
    "Minus: zpět, plus: znovu\n" ..
    "Backspace: hrát od začátku\n" ..
    "F2: uložit, F3: nahrát\n" ..
    "F5: počet tahů\n" ..
    "F6: zapnout a vypnout titulky\n" ..
    "F10: volby, F11: celá obrazovka\n" ..
    "Esc: odejít, Shift: rychleji\n" ..
    "\n" ..
    "Stiskni libovolnou klávesu")
