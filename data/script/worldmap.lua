-- The world map: the tree of levels, their names and descriptions, and the
-- best known solutions. Node locations are centres on the 640x480 map
-- picture (images/menu/map.png), kept clear of the four corner buttons,
-- the title and the line near the bottom where the selected name is drawn.
--
-- branch_addNode(parent, codename, datafile, x, y, hidden[, poster])
-- node_bestSolution(codename, moves, author): moves is the length of the
-- reference solution in data/solutions/CODENAME.txt.

local function level(parent, codename, x, y)
    branch_addNode(parent, codename, "levels/" .. codename .. ".lua", x, y, false)
end

local function desc(codename, en_name, en_desc, cs_name, cs_desc)
    worldmap_addDesc(codename, "en", en_name, en_desc)
    worldmap_addDesc(codename, "cs", cs_name, cs_desc)
end

desc("menu", "Tidepool", "Tidepool", "Tidepool", "Tidepool")

-- The trunk: the small fish alone, then the big fish.
level("", "first_steps", 320, 108)
level("first_steps", "steel_gate", 320, 168)

-- The left branch: falling things.
level("steel_gate", "falling_danger", 226, 218)
level("falling_danger", "wobbly_tower", 166, 276)
level("wobbly_tower", "anchor_chain", 206, 340)

-- The right branch: the outlet and a slow friend.
level("steel_gate", "outlet_pipe", 414, 218)
level("outlet_pipe", "snail_friend", 474, 276)
level("snail_friend", "last_reef", 434, 340)

-- Starts by itself once every level is solved.
branch_setEnding("homecoming", "levels/homecoming.lua")

desc("first_steps",
    "First Steps", "The small fish alone: push the shell into the pit.",
    "První kroky", "Malá ryba sama: strč mušli do jámy.")
desc("steel_gate",
    "The Steel Gate", "Only the big fish can move steel.",
    "Ocelová brána", "Ocelí pohne jen velká ryba.")
desc("falling_danger",
    "Who Goes First", "Steel dropped into the shaft closes it for good.",
    "Kdo půjde první", "Ocel shozená do šachty ji zavře navždy.")
desc("wobbly_tower",
    "The Wobbly Tower", "A tower on the big fish's back must not fall on the small one.",
    "Vratká věž", "Věž na zádech velké ryby nesmí spadnout na tu malou.")
desc("outlet_pipe",
    "The Outlet", "An old pipe swallows both fish, one after the other.",
    "Odtok", "Stará trubka spolkne obě ryby, jednu po druhé.")
desc("snail_friend",
    "A Slow Friend", "The snail holds up the crate. Switch to it with the space bar.",
    "Pomalý kamarád", "Šnek drží bednu. Přepni na něj mezerníkem.")
desc("anchor_chain",
    "The Anchor", "Lower the anchor on its chain into the pit.",
    "Kotva", "Spusť kotvu na řetězu do jámy.")
desc("last_reef",
    "The Last Reef", "Everything learnt so far, and the outlet at the end.",
    "Poslední útes", "Všechno, co už umíte, a na konci odtok.")
desc("homecoming",
    "Home", "The way home is open.",
    "Domů", "Cesta domů je volná.")

node_bestSolution("first_steps", 11, "Tidepool")
node_bestSolution("steel_gate", 24, "Tidepool")
node_bestSolution("falling_danger", 23, "Tidepool")
node_bestSolution("wobbly_tower", 25, "Tidepool")
node_bestSolution("outlet_pipe", 11, "Tidepool")
node_bestSolution("snail_friend", 13, "Tidepool")
node_bestSolution("anchor_chain", 24, "Tidepool")
node_bestSolution("last_reef", 34, "Tidepool")
