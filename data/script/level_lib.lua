-- The Lua side that every level shares. A level file includes it first:
--
--     file_include("script/level_lib.lua")
--
-- It defines the functions the engine calls (script_update, script_save,
-- script_load, script_loadState, script_saveUndo, script_loadUndo,
-- script_loadFinalUndo) and the helpers of the table `lib` that keep a level
-- file short. docs/level-api.md describes both for level authors.
--
-- Undo points, saved games and the restore after a silent restart all use
-- one snapshot: per model its location, look side, extra params (out
-- direction, out capacity, weight, animation state), plus the level's own
-- state from lib.saveState. A snapshot is always taken at the end of a round
-- in which the room was at rest, keyed by the moves string that led to it,
-- so restoring one (which stops every move in progress) and setting that
-- moves string gives a room that agrees with its moves.

lib = lib or {}

-- Hooks a level may set; cleared at every start so a restart sees its own.
lib.update = nil        -- function(), once per cycle after the standard animations
lib.saveState = nil     -- function() returning plain values: the level's variables
lib.loadState = nil     -- function(state): restores what saveState returned

lib.models = {}         -- model objects by position: lib.models[index + 1]
lib.named = {}          -- model objects by legend name

lib.FISH_ANIMS = {"rest", "swam", "turn", "talk", "activate", "dead"}

------------------------------------------------------------------------------
-- Undo history. It lives across the silent restart that ends an undo (the
-- restart counter does not change then); any other start begins anew.

if not (lib_undo and lib_undo.undoing
        and lib_undo.counter == level_getRestartCounter()) then
    lib_undo = {points = {}, pos = 0, undoing = false, counter = 0}
end

------------------------------------------------------------------------------
-- Serialising plain values (nil, booleans, numbers, strings, tables of them).

local function serialize(value, out)
    local kind = type(value)
    if kind == "string" then
        out[#out + 1] = string.format("%q", value)
    elseif kind == "number" then
        if value == math.floor(value) and math.abs(value) < 2^53 then
            out[#out + 1] = string.format("%d", value)
        else
            out[#out + 1] = string.format("%.17g", value)
        end
    elseif kind == "boolean" or kind == "nil" then
        out[#out + 1] = tostring(value)
    elseif kind == "table" then
        out[#out + 1] = "{"
        for key, item in pairs(value) do
            out[#out + 1] = "["
            serialize(key, out)
            out[#out + 1] = "]="
            serialize(item, out)
            out[#out + 1] = ","
        end
        out[#out + 1] = "}"
    else
        error("cannot save a value of type " .. kind)
    end
end

--- The Lua text of a plain value, readable back with lib.deserialize.
function lib.serialize(value)
    local out = {}
    serialize(value, out)
    return table.concat(out)
end

function lib.deserialize(text)
    local chunk = assert(loadstring("return " .. text))
    setfenv(chunk, {})
    return chunk()
end

------------------------------------------------------------------------------
-- Models.

--- The number of models in the room, including any added without lib.addModel.
function lib.modelCount()
    local count = #lib.models
    while pcall(model_getW, count) do
        count = count + 1
    end
    return count
end

local function isFish(kind)
    return kind == "fish_small" or kind == "fish_big"
        or string.sub(kind, 1, 10) == "fish_extra"
        or string.sub(kind, 1, 10) == "fish_EXTRA"
end

-- The picture files of an animation: the shipped fish keep the swimming
-- frames under "swim" and have no frames of their own for "activate".
local FRAME_FILES = {swam = {"swam", "swim"}, activate = {"activate", "rest"}}

local function frameName(set, dir, file, phase)
    return string.format("images/fish/%s/%s%s_%02d.png", set, dir, file, phase)
end

-- The left-facing folder of a set: "SET/left/" when it exists, else "SET/".
local function findFrames(set, anim)
    for _, file in ipairs(FRAME_FILES[anim] or {anim}) do
        for _, dir in ipairs({"left/", ""}) do
            if file_exists(frameName(set, dir, file, 0)) then
                return dir, file
            end
        end
    end
    return nil
end

--- Adds the standard fish animations of `set` ("small", "big", ...) to a
--- model. Frames are read from images/fish/SET/left/ANIM_NN.png (or
--- images/fish/SET/ANIM_NN.png; facing left) and images/fish/SET/right/ANIM_NN.png
--- (facing right; the left frame is used when missing); "swam" also takes
--- the files named "swim", "activate" those named "rest". An animation
--- without frames gets the model's shape, or `picture` when one is given.
function lib.addFishAnims(index, set, picture)
    for _, anim in ipairs(lib.FISH_ANIMS) do
        local phase = 0
        local dir, file = nil, nil
        if set then
            dir, file = findFrames(set, anim)
        end
        while dir and file_exists(frameName(set, dir, file, phase)) do
            local left = frameName(set, dir, file, phase)
            local right = frameName(set, "right/", file, phase)
            if not file_exists(right) then
                right = left
            end
            model_addAnim(index, anim, left, 0)
            model_addAnim(index, anim, right, 1)
            phase = phase + 1
        end
        if phase == 0 then
            model_addAnim(index, anim, picture or "", 0)
            model_addAnim(index, anim, picture or "", 1)
        end
    end
    model_runAnim(index, "rest")
end

local function addItemAnims(index, desc)
    if desc.invisible then
        model_setEffect(index, "invisible")
        return
    end
    local pictures = desc.picture
    if type(pictures) ~= "table" then
        pictures = {pictures or ""}
    end
    for _, picture in ipairs(pictures) do
        model_addAnim(index, "rest", picture, 0)
        model_addAnim(index, "rest", picture, 1)
    end
    model_setAnim(index, "rest", 0)
end

local function defaultSet(kind)
    if kind == "fish_small" then
        return "small"
    elseif kind == "fish_big" then
        return "big"
    end
    return nil
end

--- Adds one model. desc: kind, x, y, shape (text of X and .), and the
--- optional name, goal, picture (file or list of files), invisible, anims
--- (fish animation set) and update (function(model) run every cycle).
--- Fish get the goal "goal_escape" unless another is given.
function lib.addModel(desc)
    local index = game_addModel(desc.kind, desc.x, desc.y, desc.shape)
    local model = {index = index, kind = desc.kind, name = desc.name, update = desc.update}
    lib.models[index + 1] = model
    if desc.name then
        lib.named[desc.name] = model
    end
    local goal = desc.goal
    if goal == nil and isFish(desc.kind) then
        goal = "goal_escape"
    end
    if goal then
        model_setGoal(index, goal)
    end
    if isFish(desc.kind) then
        model.fish = true
        lib.addFishAnims(index, desc.anims or defaultSet(desc.kind), desc.picture)
    else
        addItemAnims(index, desc)
    end
    return model
end

--- The model object of a legend name; raises an error for an unknown name.
function lib.model(name)
    local model = lib.named[name]
    if not model then
        error("no model named " .. tostring(name), 2)
    end
    return model
end

------------------------------------------------------------------------------
-- Building a room from a text picture.

-- The cells of one legend character, split into groups that each become a
-- model: all of them together, or each 4-connected group when `each` is set.
local function cellGroups(cells, each)
    if not each then
        return {cells}
    end
    local key = function(x, y) return x .. "," .. y end
    local free = {}
    for _, cell in ipairs(cells) do
        free[key(cell[1], cell[2])] = true
    end
    local groups = {}
    for _, start in ipairs(cells) do
        if free[key(start[1], start[2])] then
            local group, todo = {}, {start}
            free[key(start[1], start[2])] = nil
            while #todo > 0 do
                local cell = table.remove(todo)
                group[#group + 1] = cell
                for _, d in ipairs({{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) do
                    local x, y = cell[1] + d[1], cell[2] + d[2]
                    if free[key(x, y)] then
                        free[key(x, y)] = nil
                        todo[#todo + 1] = {x, y}
                    end
                end
            end
            table.sort(group, function(a, b)
                return a[2] < b[2] or (a[2] == b[2] and a[1] < b[1])
            end)
            groups[#groups + 1] = group
        end
    end
    return groups
end

-- Location (top-left corner) and shape text of a group of cells.
local function groupShape(group)
    local minX, minY, maxX, maxY = math.huge, math.huge, -math.huge, -math.huge
    local filled = {}
    for _, cell in ipairs(group) do
        minX, minY = math.min(minX, cell[1]), math.min(minY, cell[2])
        maxX, maxY = math.max(maxX, cell[1]), math.max(maxY, cell[2])
        filled[cell[1] .. "," .. cell[2]] = true
    end
    local rows = {}
    for y = minY, maxY do
        local row = {}
        for x = minX, maxX do
            row[#row + 1] = filled[x .. "," .. y] and "X" or "."
        end
        rows[#rows + 1] = table.concat(row)
    end
    return minX, minY, table.concat(rows, "\n") .. "\n"
end

--- Builds the room from a text picture. desc: map (a list of rows, or one
--- text of lines), legend (character -> model desc without x, y, shape; the
--- extra field `each` makes every connected group of cells its own model),
--- picture (background file, "" for none) and the optional waves
--- ({amplitude, period, speed}). Characters not in the legend are water.
--- Models are added in reading order of their first cell. Returns lib.named.
function lib.createRoom(desc)
    local rows = desc.map
    if type(rows) == "string" then
        local lines = {}
        for line in string.gmatch(rows .. "\n", "([^\n]*)\n") do
            lines[#lines + 1] = line
        end
        if lines[1] == "" then
            table.remove(lines, 1)
        end
        while #lines > 0 and lines[#lines] == "" do
            table.remove(lines)
        end
        rows = lines
    end
    local width = 0
    for _, row in ipairs(rows) do
        width = math.max(width, string.len(row))
    end
    level_createRoom(width, #rows, desc.picture or "")
    if desc.waves then
        game_setRoomWaves(desc.waves[1], desc.waves[2], desc.waves[3])
    end

    local order, cellsOf = {}, {}
    for y, row in ipairs(rows) do
        for x = 1, string.len(row) do
            local char = string.sub(row, x, x)
            if desc.legend[char] then
                if not cellsOf[char] then
                    cellsOf[char] = {}
                    order[#order + 1] = char
                end
                table.insert(cellsOf[char], {x - 1, y - 1})
            end
        end
    end

    -- Every group becomes a model, in reading order of its first cell.
    local pending = {}
    for _, char in ipairs(order) do
        for _, group in ipairs(cellGroups(cellsOf[char], desc.legend[char].each)) do
            pending[#pending + 1] = {char = char, group = group}
        end
    end
    table.sort(pending, function(a, b)
        local p, q = a.group[1], b.group[1]
        return p[2] < q[2] or (p[2] == q[2] and p[1] < q[1])
    end)
    for _, item in ipairs(pending) do
        local x, y, shape = groupShape(item.group)
        local model = {}
        for key, value in pairs(desc.legend[item.char]) do
            model[key] = value
        end
        model.x, model.y, model.shape = x, y, shape
        lib.addModel(model)
    end
    return lib.named
end

------------------------------------------------------------------------------
-- Sounds.

--- Adds the sounds the room plays by itself: items landing and fish dying.
function lib.addSounds()
    sound_addSound("impact_light", "sound/impact_light.ogg")
    sound_addSound("impact_heavy", "sound/impact_heavy.ogg")
    sound_addSound("dead_small", "sound/dead_small.ogg")
    sound_addSound("dead_big", "sound/dead_big.ogg")
end

------------------------------------------------------------------------------
-- Dialogs.

--- The subtitle colours of the two fish, under the font names "small" and "big".
function lib.addFonts()
    dialog_addFont("small", 255, 197, 102)
    dialog_addFont("big", 162, 244, 255)
end

--- Defines dialogs. Each entry: name, font, and per language code a
--- subtitle text (en = "...", cs = "..."), with sound files in the optional
--- table sound = {en = "sound/...", ...}.
function lib.addDialogs(entries)
    for _, entry in ipairs(entries) do
        local sounds = entry.sound or {}
        for lang, text in pairs(entry) do
            if lang ~= "name" and lang ~= "font" and lang ~= "sound" then
                dialog_addDialog(entry.name, lang, sounds[lang] or "", entry.font or "", text)
            end
        end
    end
end

local function indexOf(model)
    if type(model) == "table" then
        return model.index
    end
    return model
end

--- Plans one spoken line: it starts when the plan reaches it and the plan
--- goes on when the line has ended.
function lib.planTalk(model, name, volume)
    local actor = indexOf(model)
    game_planAction(function(count)
        if count == 0 then
            model_talk(actor, name, volume or 75, 0, true)
            return false
        end
        return not model_isTalking(actor)
    end)
end

--- Plans a conversation: a list of {model, dialog name} pairs.
function lib.planDialog(lines)
    for _, line in ipairs(lines) do
        lib.planTalk(line[1], line[2])
    end
end

--- Plans a pause of `cycles` cycles.
function lib.planWait(cycles)
    game_planAction(function(count)
        return count >= cycles
    end)
end

------------------------------------------------------------------------------
-- The standard fish animations, chosen every cycle from what the fish does.

local function animateFish(index)
    if not model_isAlive(index) then
        model_setAnim(index, "dead", 0)
        return
    end
    local action = model_getAction(index)
    if action == "busy" then
        return
    elseif action == "turn" or action == "activate" then
        model_runAnim(index, action)
    elseif string.sub(action, 1, 5) == "move_" then
        model_runAnim(index, "swam")
    elseif model_isTalking(index) then
        model_runAnim(index, "talk")
    else
        model_runAnim(index, "rest")
    end
end

------------------------------------------------------------------------------
-- Snapshots.

local function capture(moves)
    local models = {}
    for index = 0, lib.modelCount() - 1 do
        local x, y = model_getLoc(index)
        local params = model_getExtraParams(index)
        models[index + 1] = {x, y, model_isLeft(index), params.outDir,
            params.outCapacity, params.weight, params.anim}
    end
    local state = nil
    if lib.saveState then
        state = lib.serialize(lib.saveState())
    end
    return {moves = moves, models = models, state = state}
end

-- Puts every model where the snapshot has it. Setting the extra params
-- first stops a move in progress and clears the lost flag; a location with
-- negative coordinates then marks the model out again.
local function restore(point)
    local count = lib.modelCount()
    for index = 0, math.min(count, #point.models) - 1 do
        local m = point.models[index + 1]
        model_change_setExtraParams(index,
            {outDir = m[4], outCapacity = m[5], weight = m[6], anim = m[7]})
        model_change_setLocation(index, m[1], m[2])
        if model_isLeft(index) ~= m[3] then
            model_change_turnSide(index)
        end
    end
    if lib.loadState and point.state then
        lib.loadState(lib.deserialize(point.state))
    end
end

local function pushPoint(point)
    local u = lib_undo
    for i = #u.points, u.pos + 1, -1 do
        u.points[i] = nil
    end
    u.pos = u.pos + 1
    u.points[u.pos] = point
end

------------------------------------------------------------------------------
-- The functions the engine calls.

function script_update()
    for index = 0, #lib.models - 1 do
        local model = lib.models[index + 1]
        if model and model.fish then
            animateFish(index)
        end
    end
    for _, model in ipairs(lib.models) do
        if model.update then
            model.update(model)
        end
    end
    if lib.update then
        lib.update()
    end
end

-- A point per moves string: the same moves replace their point (the room
-- settled further), the moves of the next redo point follow it, anything
-- else ends the redo history.
function script_saveUndo(moves, flag)
    local u = lib_undo
    local point = capture(moves)
    point.separate = flag
    if u.points[u.pos] and u.points[u.pos].moves == moves then
        u.points[u.pos] = point
    elseif u.points[u.pos + 1] and u.points[u.pos + 1].moves == moves then
        u.pos = u.pos + 1
        u.points[u.pos] = point
    else
        pushPoint(point)
    end
end

-- steps: 1 one step back, -1 one step forth.
function script_loadUndo(moves, steps)
    local u = lib_undo
    if not u.undoing then
        u.undoing = true
        u.counter = level_getRestartCounter()
        if not (u.points[u.pos] and u.points[u.pos].moves == moves) then
            -- A move is still under way: the live room is one step past the
            -- current point and has no point of its own.
            for i = #u.points, u.pos + 1, -1 do
                u.points[i] = nil
            end
            u.pos = #u.points + 1
        end
    end
    local target = u.pos - steps
    if target > #u.points then
        return
    end
    if target < 1 then
        target = 1
    end
    local point = u.points[target]
    if point and target ~= u.pos then
        u.pos = target
        restore(point)
        level_load(point.moves)
    end
end

function script_loadFinalUndo()
    local u = lib_undo
    if u.pos > #u.points then
        u.pos = #u.points
    end
    local point = u.points[u.pos]
    if point then
        restore(point)
        level_load(point.moves)
    end
    u.undoing = false
end

function script_save()
    local u = lib_undo
    local point = u.points[u.pos] or capture("")
    level_save(lib.serialize({moves = point.moves, models = point.models, state = point.state}))
end

-- A saved game replays the moves of its snapshot and then restores the
-- snapshot (script_loadState). A file written without one falls back to the
-- moves the engine stored.
function script_load()
    lib_undo = {points = {}, pos = 0, undoing = false, counter = 0}
    local saved = saved_models
    if type(saved) ~= "table" or type(saved.moves) ~= "string"
            or type(saved.models) ~= "table" then
        lib.pendingLoad = nil
        level_load(saved_moves)
        return
    end
    lib.pendingLoad = saved
    if saved.moves == "" then
        -- Nothing to replay, so the engine will not call script_loadState.
        script_loadState()
    else
        level_load(saved.moves)
    end
end

function script_loadState()
    local point = lib.pendingLoad
    lib.pendingLoad = nil
    if point then
        restore(point)
        pushPoint(point)
    end
end
