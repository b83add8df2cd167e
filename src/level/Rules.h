#ifndef HEADER_RULES_H
#define HEADER_RULES_H

// The movement logic of one model: what a fish can push, how a push runs
// along a chain, how a model leaves the room, what holds a model up and when
// a fish dies. Moves have two phases: during a round only directions are set;
// the room applies them to the locations at the start of the next round.
// Every query unmasks the model before it looks around and masks it again
// before it returns, so a model never meets itself and recursion through
// neighbours cannot come back to a model already being examined.

#include "gengine/NoCopy.h"
#include "level/Cube.h"
#include "level/Dir.h"
#include "level/MarkMask.h"

#include <memory>
#include <string>

class Field;
class OnCondition;

class Rules : public NoCopy {
    public:
        /** What happened in the room's previous round. */
        enum eAction {
            ACTION_NO = 0,
            ACTION_FALL = 1,
            ACTION_MOVE = 2
        };
        /** Locations further out than this are refused. */
        static constexpr int MAX_COORD = 1 << 24;
    private:
        Dir::eDir m_dir;
        bool m_readyToDie;
        bool m_readyToTurn;
        bool m_readyToActive;
        bool m_pushing;
        bool m_lastFall;
        int m_outDepth;
        Dir::eDir m_touchDir;
        Cube *m_model;
        std::unique_ptr<MarkMask> m_mask;

        // The models found by the death checks, kept so a round allocates nothing.
        CubeList m_found;
        friend class RoomState;

        bool isDeadFall();
        bool isDeadStress();
        bool isDeadWeight();
        /** Appends the dead items falling onto this model, also through resting ones. */
        void collectFalling(CubeList &result);
        /** Appends the items above heavier than power, also through lighter ones. */
        void collectHeavier(Cube::eWeight power, CubeList &result);
        bool shouldGoOut() const { return m_model->getGoal().shouldGoOut(); }
    public:
        explicit Rules(Cube *model);
        virtual ~Rules();

        /**
         * Binds the model to a field and masks it there. Throws LayoutException
         * "position is occupied" when another model or the border is in the
         * way, and "bad location" for a location far outside any room.
         */
        void takeField(Field *field);
        /** Moves the model at once; both coordinates negative takes it out of the room. */
        void change_setLocation(const V2 &loc);
        void change_restoreDir() { m_dir = Dir::DIR_NO; }

        void occupyNewPos();
        /** Decides whether the fish dies after the last action; then changeState kills it. */
        bool checkDead(eAction lastAction);
        void changeState();
        /** One step of leaving the room; returns the out depth (-1 once fully out). */
        int actionOut();
        void freeOldPos();
        void setFall() { m_lastFall = true; m_dir = Dir::DIR_DOWN; }
        bool takeLastFall() { bool last = m_lastFall; m_lastFall = false; return last; }

        /** The fish moves, pushes or enters an output; false when it only touched something. */
        bool moveDir(Dir::eDir dir);
        bool canMoveOthers(Dir::eDir dir, Cube::eWeight power);
        bool canMoveBy(Dir::eDir dir, Cube::eWeight power);
        void moveDirBrute(Dir::eDir dir);
        bool goesIntoOutput(Dir::eDir dir);
        void touch(Dir::eDir dir);

        CubeList getResist(Dir::eDir dir) const { return m_mask->getResist(dir); }
        template <class Test> bool anyResist(Dir::eDir dir, Test test) const { return m_mask->anyResist(dir, test); }
        /** No other model and no border in the cells the model would cover at loc. */
        bool isFreePlace(const V2 &loc) const { return m_mask->isFreeAt(loc); }
        bool isAtBorder() const { return m_mask->getBorderDir() != Dir::DIR_NO; }
        bool isFalling() const { return !m_model->isAlive() && m_dir == Dir::DIR_DOWN; }
        bool isHeavier(Cube::eWeight power) const;
        bool isOnCond(const OnCondition &cond);
        bool isOnWall();
        bool isOnStack();
        bool isOnStrongPad(Cube::eWeight weight);

        Dir::eDir getDir() const { return m_dir; }
        Dir::eDir getTouchDir() const { return m_touchDir; }
        bool isPushing() const { return m_pushing; }
        int getOutDepth() const { return m_outDepth; }
        void setReadyToTurn() { m_readyToTurn = true; }
        void setReadyToActive() { m_readyToActive = true; }
        /** "turn", "activate", "busy", "rest" or "move_" and the direction. */
        std::string getAction() const;
        /** "goout", "dead", "talking", "pushing" or "normal". */
        std::string getState() const;
};

#endif
