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
    "Space: switch fish, click: choose one\n" ..
    "I J K L: small fish, W A S D: big fish\n" ..
    "Minus: undo, plus: redo\n" ..
    "Backspace: restart the level\n" ..
    "F2: save, F3: load, F5: moves\n" ..
    "F6: subtitles, F10: options\n" ..
    "F11: full screen, Shift: faster\n" ..
    "Esc: leave the level\n" ..
    "Press any key",
    "Šipky: pohyb vybrané ryby\n" ..
    "Mezerník: přepnutí, klik: výběr ryby\n" ..
    "I J K L: malá ryba, W A S D: velká\n" ..
    "Minus: zpět, plus: znovu\n" ..
    "Backspace: hrát od začátku\n" ..
    "F2: uložit, F3: nahrát, F5: tahy\n" ..
    "F6: titulky, F10: volby\n" ..
    "F11: celá obrazovka, Shift: rychleji\n" ..
    "Esc: opustit úroveň\n" ..
    "Stiskni libovolnou klávesu")
