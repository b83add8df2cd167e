-- Flags of the languages the texts of the game are written in; a click
-- sets the parameter "lang" to the flag's value.
select_addFlag("en", "images/menu/flags/en.png")
select_addFlag("cs", "images/menu/flags/cs.png")
