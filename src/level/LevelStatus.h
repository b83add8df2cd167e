#ifndef HEADER_LEVELSTATUS_H
#define HEADER_LEVELSTATUS_H

// The world map's record of the level being played: code name, poster demo,
// best known solution, whether this run started and solved it, and the
// player's stored solution "solved/" + codename + ".lua" in the user
// directory. A stored solution is only ever replaced by a shorter one. Its
// own Lua state only reads solution files.

#include "gengine/Scripter.h"

#include <string>

class GameState;
class Path;

class LevelStatus : public Scripter {
    public:
        /** Makes the demo state of a demo script; the menus, which own that state, set it. */
        typedef GameState *(*DemoMaker)(const Path &script);
    private:
        bool m_complete;
        bool m_wasRunning;
        std::string m_codename;
        std::string m_poster;
        std::string m_savedMoves;
        int m_bestMoves;
        std::string m_bestAuthor;

        static DemoMaker s_demoMaker;
    public:
        LevelStatus();

        void prepareRun(const std::string &codename, const std::string &poster,
                        int bestMoves, const std::string &bestAuthor);
        void setRunning() { m_wasRunning = true; }
        /** The world map has taken note of the run. */
        void clearRunning() { m_wasRunning = false; }
        void setComplete() { m_complete = true; }
        bool isComplete() const { return m_complete; }
        bool wasRunning() const { return m_wasRunning; }
        const std::string &getCodename() const { return m_codename; }
        const std::string &getPoster() const { return m_poster; }
        int getBestMoves() const { return m_bestMoves; }
        const std::string &getBestAuthor() const { return m_bestAuthor; }

        /** The stored solution, or "" when there is none or it cannot be read (logged). */
        std::string readSolvedMoves();
        /** Stores moves when there is no solution yet or they are shorter; failures are logged. */
        void writeSolvedMoves(const std::string &moves);
        /** +1 better than the best known (or none known), 0 as good, -1 worse. */
        int compareToBest();
        /** A new poster demo state, owned by the caller; null without a poster. */
        GameState *createPoster() const;

        void readMoves(const std::string &moves) { m_savedMoves = moves; }

        static void setDemoMaker(DemoMaker maker) { s_demoMaker = maker; }
        /** A new demo state for the script, or null when no maker was set. */
        static GameState *makeDemo(const Path &script);
        /** The exact content of a solution file for moves. */
        static std::string solutionText(const std::string &moves);
};

#endif
