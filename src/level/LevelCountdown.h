#ifndef HEADER_LEVELCOUNTDOWN_H
#define HEADER_LEVELCOUNTDOWN_H

// The timer that ends a level: once the room is solved, or no fish can move
// any more, it counts the cycles the advisor gives and then reports the end
// once per cycle until the level acts on it. count -1 means not running.

#include "gengine/NoCopy.h"

class CountAdvisor;
class GameState;
class LevelStatus;
class RoomAccess;

class LevelCountdown : public NoCopy {
    private:
        int m_count;
        const RoomAccess *m_access;
        LevelStatus *m_status;
    public:
        explicit LevelCountdown(const RoomAccess *access);

        void fillStatus(LevelStatus *status) { m_status = status; }
        LevelStatus *getStatus() const { return m_status; }
        /** Marks the status as run and stops counting; throws LogicException without a status. */
        void reset();
        /** One cycle; true when the count had already reached 0. */
        bool countDown(const CountAdvisor *advisor);
        bool isFinished() const;
        bool isWrong() const;
        /** Marks the status complete and offers it the room's moves. */
        void saveSolution();
        /** The status's poster state (owned by the caller), or null. */
        GameState *createPoster() const;
        int getCount() const { return m_count; }
};

#endif
