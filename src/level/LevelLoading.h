#ifndef HEADER_LEVELLOADING_H
#define HEADER_LEVELLOADING_H

// Replays a moves string into the room, some moves per round: quickly when
// a saved game is loaded, one move per round when a solution is shown
// (replay mode, which never ends by itself and lets the room settle once
// the moves are used up).

#include "gengine/NoCopy.h"

#include <string>

class RoomAccess;

class LevelLoading : public NoCopy {
    private:
        bool m_paused;
        bool m_replayMode;
        int m_speed;
        std::string m_moves;
        const RoomAccess *m_access;
    public:
        explicit LevelLoading(const RoomAccess *access);

        void reset();
        bool isLoading() const { return !m_moves.empty() || m_replayMode; }
        /** Loads moves at len / 150 moves per round, at least 5 and at most 50. */
        void loadMoves(const std::string &moves);
        /** Shows moves one per round and stays in replay mode until reset. */
        void loadReplay(const std::string &moves);
        void setPaused(bool paused) { m_paused = paused; }
        bool isPaused() const { return m_paused; }
        int getSpeed() const { return m_speed; }
        bool isReplayMode() const { return m_replayMode; }
        const std::string &getMoves() const { return m_moves; }
        /**
         * One round of loading. Throws LoadException "load error - bad move"
         * with "move" and "remain" (the moves after the bad one).
         */
        void nextLoadAction();
};

#endif
