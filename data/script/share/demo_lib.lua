-- Helpers of the demo scripts (the intro and the posters of solved levels).
-- A demo only plans: each helper appends one step to the plan, and the demo
-- ends when the plan is empty.  The fish are actors 0 (small) and 1 (big);
-- their subtitle colours are the ones the levels use.

demo = {}

local actors = { small = 0, big = 1 }

dialog_addFont("small", 255, 197, 102)
dialog_addFont("big", 162, 244, 255)

--- Shows the first picture at once, before anything is drawn, so that the
--- screen takes the picture's size from the first frame on.
function demo.start(picture)
    demo_display(picture, 0, 0)
end

--- Plans a change of picture.
function demo.show(picture)
    game_planAction(function(count)
        demo_display(picture, 0, 0)
        return true
    end)
end

--- Defines one spoken line of a fish ("small" or "big") in English and
--- Czech; sound is the common start of the speech files, which end in
--- "__en.ogg" and "__cs.ogg".
function demo.line(name, who, sound, en, cs)
    dialog_addDialog(name, "en", sound .. "__en.ogg", who, en)
    dialog_addDialog(name, "cs", sound .. "__cs.ogg", who, cs)
end

--- Plans a spoken line; the plan goes on when the fish has finished it.
function demo.talk(who, name)
    local actor = actors[who]
    game_planAction(function(count)
        if count == 0 then
            model_talk(actor, name, 75, 0, true)
            return false
        end
        return not model_isTalking(actor)
    end)
end

--- Plans a pause of the given number of cycles.
function demo.pause(cycles)
    game_planAction(function(count)
        return count >= cycles
    end)
end
