#ifndef HEADER_CONTROLS_H
#define HEADER_CONTROLS_H

// The fish of a room as the player drives them: which fish is active, how
// held keys, queued key strokes and recorded symbols become moves, and the
// moves string, one symbol per fish action, that replays the game exactly.
// It paces the rounds by raising the level's round lock while the active
// fish's animation runs. The arrow keys always drive the active fish.

#include "gengine/NoCopy.h"
#include "level/KeyControl.h"
#include "level/StepCounter.h"

#include <memory>
#include <string>
#include <vector>

class Cube;
class InputProvider;
class RoundLock;
class Unit;

class Controls : public StepCounter, public NoCopy {
    private:
        std::vector<std::unique_ptr<Unit>> m_units;
        int m_active;
        int m_speedup;
        KeyControl m_arrows;
        bool m_switched;
        std::string m_moves;
        RoundLock *m_lock;
        char m_stroke;
        friend class RoomState;

        Unit *activeUnit() const;
        bool useSwitch();
        bool makeStroke();
        bool driveUnit(const InputProvider *input);
        void setActive(int active);
        void ensurePhases(int phases);
    public:
        /** The lock is the level's and may be null where nothing is animated. */
        explicit Controls(RoundLock *lock);
        virtual ~Controls();

        /** Takes ownership; the first unit that wants to start active becomes active. */
        void addUnit(Unit *unit);
        /** One round of driving at rest; true when a fish acted. */
        bool driving(const InputProvider *input);
        /** Performs a recorded symbol with the first fish that can; false when none can. */
        bool makeMove(char symbol);
        /** Queues the move of a key press for the next round, unless one is queued already. */
        void setStroke(SDLKey key);
        void switchActive();
        void checkActive();
        /** False when the model belongs to no fish. */
        bool activateSelected(const Cube *model);
        void setMoves(const std::string &moves);
        bool cannotMove() const;
        Unit *getActive() const { return activeUnit(); }
        int getUnitCount() const { return static_cast<int>(m_units.size()); }
        const Unit *getUnit(int index) const { return m_units[index].get(); }
        void lockPhases();
        int getNeededPhases() const;

        virtual int getStepCount() const;
        virtual std::string getMoves() const { return m_moves; }
        virtual bool isPowerful() const;
        virtual bool isPushing() const;

        const std::string &moves() const { return m_moves; }
};

#endif
