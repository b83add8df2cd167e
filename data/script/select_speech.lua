-- Flags of the languages the fish speak; a click sets the parameter
-- "speech" to the flag's value.  A line that is not recorded in the chosen
-- language is spoken in English.
select_addFlag("en", "images/menu/flags/en.png")
select_addFlag("cs", "images/menu/flags/cs.png")
