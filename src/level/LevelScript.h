#ifndef HEADER_LEVELSCRIPT_H
#define HEADER_LEVELSCRIPT_H

// The Lua side of a level inside the engine: the Lua state in which the
// level's data file runs, the planner of its actions and dialogs, and the
// holder of its room. It registers the level_, game_, model_ and sound_
// functions with which scripts build and steer the room, and it is the
// room's host (planned actions, talking models). The level owns it; it
// owns the room.

#include "level/RoomAccess.h"
#include "level/RoomHost.h"

#include "plan/Planner.h"

#include <string>

class Cube;
class Level;
class Path;
class ScriptCmd;
class Unit;
class V2;

class LevelScript : public Planner, public RoomAccess, public RoomHost {
    private:
        Level *m_level;
    public:
        explicit LevelScript(Level *level);
        virtual ~LevelScript();

        Level *level() const { return m_level; }

        /** Adds the model (and the fish's unit, null for items), both taken over; returns its index. */
        int addModel(Cube *model, Unit *unit);
        /** Throws LogicException "bad model index" or "room is not ready". */
        Cube *getModel(int index) const;
        /** The model in the cell, the border outside the room, or null. */
        Cube *askField(const V2 &loc) const;
        void playSound(const std::string &name, int volume);
        void addSound(const std::string &name, const Path &file);
        /** A command (owned by the caller) calling the referenced function in this state. */
        ScriptCmd *createCommand(int funcRef);

        /** Empties the plan, lets the controls check the active fish, clears every busy flag. */
        virtual void killPlan();
        virtual bool isTalking(int actor) const;
        virtual void killSound(int actor);
        virtual void removeDialogs();
        /** Whether a spoken line that ends by itself is still planned or playing. */
        bool hasRunningDialogs() const;
};

#endif
