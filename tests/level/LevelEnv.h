#ifndef HEADER_LEVELENV_H
#define HEADER_LEVELENV_H

// The engine around a level in tests: the game's agents on SDL's dummy
// drivers over a temporary data directory (with the shipped level-side
// library, a tiny icon and the subtitle font) and a temporary user
// directory; a timer clock that only the test moves; and a level pushed
// above a plain bottom state, driven one cycle at a time.

#include "level/DescFinder.h"
#include "level/LevelStatus.h"

#include "gengine/TestSupport.h"
#include "plan/GameState.h"
#include "plan/StateManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class Level;
class Room;

/** The state under the level: it only notes when it becomes active again. */
class BottomState : public GameState {
    public:
        int resumed = 0;
        virtual const char *getName() const { return "state_bottom"; }
    protected:
        virtual void ownInitState() {}
        virtual void ownUpdateState() {}
        virtual void ownPauseState() {}
        virtual void ownResumeState() { ++resumed; }
        virtual void ownCleanState() {}
};

class FixedDesc : public DescFinder {
    public:
        virtual std::string findLevelName(const std::string &) const { return "Test room"; }
        virtual std::string findDesc(const std::string &) const { return "tests"; }
};

class LevelEnv : public testing::Test {
    protected:
        std::string m_dir;
        std::unique_ptr<testsupport::MediaAgents> m_agents;
        std::unique_ptr<StateManager> m_manager;
        BottomState *m_bottom = nullptr;
        Level *m_level = nullptr;
        FixedDesc m_desc;
        std::unique_ptr<LevelStatus> m_status;

        virtual void SetUp();
        virtual void TearDown();

        std::string systemDir() const { return m_dir + "/sys"; }
        std::string userDir() const { return m_dir + "/user"; }
        /** Writes a file under the data directory. */
        void writeData(const std::string &file, const std::string &content) const;
        /** Starts a level of the code name whose data file holds the text. */
        Level *startLevel(const std::string &codename, const std::string &script);
        /** One cycle of the game: the timer and every active state. */
        void cycle();
        void cycles(int count);
        Room *room() const;
        /** The level left the stack (the bottom state is active again). */
        bool levelLeft() const { return m_bottom->resumed > 0; }
        static std::string readFile(const std::string &path);
};

#endif
