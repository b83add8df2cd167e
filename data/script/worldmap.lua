-- The world map: the tree of levels, their names and descriptions, and the
-- best known solutions. Node locations are centres on the 640x480 map
-- picture (images/menu/map.png), kept clear of the four corner buttons,
-- the title and the line near the bottom where the selected name is drawn.
-- Parents come before their children.
--
--   branch_addNode(parent, codename, datafile, x, y, hidden[, poster])
--   branch_setEnding(codename, datafile[, poster])
--   worldmap_addDesc(codename, lang, level name, description)
--   node_bestSolution(codename, moves, author): moves is the length of the
--   reference solution in data/solutions/CODENAME.txt

worldmap_addDesc("menu", "en", "Tidepool", "Tidepool")
worldmap_addDesc("menu", "cs", "Tidepool", "Tidepool")

-- The trunk: the small fish alone, then the big fish.
branch_addNode("", "first_steps", "levels/first_steps.lua", 320, 108, false,
    "script/share/poster_first_steps.lua")
branch_addNode("first_steps", "steel_gate", "levels/steel_gate.lua", 320, 168, false,
    "script/share/poster_steel_gate.lua")

-- The left branch: falling things.
branch_addNode("steel_gate", "falling_danger", "levels/falling_danger.lua", 226, 218, false)
branch_addNode("falling_danger", "wobbly_tower", "levels/wobbly_tower.lua", 166, 276, false)
branch_addNode("wobbly_tower", "anchor_chain", "levels/anchor_chain.lua", 206, 340, false)

-- The right branch: the outlet and a slow friend.
branch_addNode("steel_gate", "outlet_pipe", "levels/outlet_pipe.lua", 414, 218, false)
branch_addNode("outlet_pipe", "snail_friend", "levels/snail_friend.lua", 474, 276, false)
branch_addNode("snail_friend", "last_reef", "levels/last_reef.lua", 434, 340, false)

-- Starts by itself once every level is solved.
branch_setEnding("homecoming", "levels/homecoming.lua")

worldmap_addDesc("first_steps", "en", "First Steps",
    "The small fish alone: push the shell into the pit.")
worldmap_addDesc("first_steps", "cs", "První kroky",
    "Malá ryba sama: strč mušli do jámy.")
worldmap_addDesc("steel_gate", "en", "The Steel Gate",
    "Only the big fish can move steel.")
worldmap_addDesc("steel_gate", "cs", "Ocelová brána",
    "Ocelí pohne jen velká ryba.")
worldmap_addDesc("falling_danger", "en", "Who Goes First",
    "Steel dropped into the shaft closes it for good.")
worldmap_addDesc("falling_danger", "cs", "Kdo půjde první",
    "Ocel shozená do šachty ji zavře navždy.")
worldmap_addDesc("wobbly_tower", "en", "The Wobbly Tower",
    "A tower on the big fish's back must not fall on the small one.")
worldmap_addDesc("wobbly_tower", "cs", "Vratká věž",
    "Věž na zádech velké ryby nesmí spadnout na tu malou.")
worldmap_addDesc("outlet_pipe", "en", "The Outlet",
    "An old pipe swallows both fish, one after the other.")
worldmap_addDesc("outlet_pipe", "cs", "Odtok",
    "Stará trubka spolkne obě ryby, jednu po druhé.")
worldmap_addDesc("snail_friend", "en", "A Slow Friend",
    "The snail holds up the crate. Switch to it with the space bar.")
worldmap_addDesc("snail_friend", "cs", "Pomalý kamarád",
    "Šnek drží bednu. Přepni na něj mezerníkem.")
worldmap_addDesc("anchor_chain", "en", "The Anchor",
    "Lower the anchor on its chain into the pit.")
worldmap_addDesc("anchor_chain", "cs", "Kotva",
    "Spusť kotvu na řetězu do jámy.")
worldmap_addDesc("last_reef", "en", "The Last Reef",
    "Everything learnt so far, and the outlet at the end.")
worldmap_addDesc("last_reef", "cs", "Poslední útes",
    "Všechno, co už umíte, a na konci odtok.")
worldmap_addDesc("homecoming", "en", "Home",
    "The way home is open.")
worldmap_addDesc("homecoming", "cs", "Domů",
    "Cesta domů je volná.")

node_bestSolution("first_steps", 12, "Tidepool")
node_bestSolution("steel_gate", 26, "Tidepool")
node_bestSolution("falling_danger", 25, "Tidepool")
node_bestSolution("wobbly_tower", 25, "Tidepool")
node_bestSolution("outlet_pipe", 11, "Tidepool")
node_bestSolution("snail_friend", 14, "Tidepool")
node_bestSolution("anchor_chain", 26, "Tidepool")
node_bestSolution("last_reef", 17, "Tidepool")
