#ifndef HEADER_AGENTFIXTURE_H
#define HEADER_AGENTFIXTURE_H

// The agents a game state, a planner or the subtitles talk to, started on
// SDL's dummy drivers over a temporary data directory (a tiny icon, the
// subtitle font) and a temporary user directory. The timer runs on a clock
// the test drives: every tick() is one cycle.

#include "gengine/BaseListener.h"
#include "gengine/TestSupport.h"
#include "gengine/TimerAgent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using testsupport::AppRecorder;

class AgentFixture : public testing::Test {
    protected:
        std::string m_dir;
        std::unique_ptr<testsupport::MediaAgents> m_agents;
        AppRecorder m_app;

        virtual void SetUp();
        virtual void TearDown();
        /** One timer cycle. */
        void tick();
        int cycles() const;
        /** Text of the user's configuration file, empty when there is none. */
        std::string userConfig() const;
};

#endif
