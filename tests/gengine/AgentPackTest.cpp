#include "gengine/AgentPack.h"
#include "gengine/BaseAgent.h"
#include "gengine/MessagerAgent.h"
#include "gengine/TimerAgent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

class RecordingAgent : public BaseAgent {
    private:
        std::string m_name;
    protected:
        virtual void ownInit() { g_events.push_back("init " + m_name); }
        virtual void ownUpdate() { g_events.push_back("update " + m_name); }
        virtual void ownShutdown() { g_events.push_back("shutdown " + m_name); }
    public:
        explicit RecordingAgent(const std::string &name) : m_name(name) {}
        virtual ~RecordingAgent() { g_events.push_back("delete " + m_name); }
        virtual const char *getName() const { return m_name.c_str(); }
};

class AgentPackTest : public testing::Test {
    protected:
        AgentPack *pack;
        void SetUp() override
        {
            g_events.clear();
            pack = new AgentPack();
            // Added out of order: the pack orders by name.
            for (const char *name : {"80game", "30video", "15script", "60input", "50timer",
                                     "20option"}) {
                pack->addAgent(new RecordingAgent(name));
            }
        }
        void TearDown() override { delete pack; }
};

TEST_F(AgentPackTest, InitStopsBeforeTheNamedAgentAndLaterInitsTheRest)
{
    pack->init("50timer");
    EXPECT_EQ((std::vector<std::string>{"init 15script", "init 20option", "init 30video"}),
              g_events);
    g_events.clear();
    pack->init("");
    EXPECT_EQ((std::vector<std::string>{"init 50timer", "init 60input", "init 80game"}), g_events);
}

TEST_F(AgentPackTest, InitStopsBeforeAnAbsentStageName)
{
    pack->init("40sound");
    EXPECT_EQ((std::vector<std::string>{"init 15script", "init 20option", "init 30video"}),
              g_events);
}

TEST_F(AgentPackTest, UpdateRunsInNameOrderAndShutdownInReverseSkippingIdleAgents)
{
    pack->init("50timer");
    g_events.clear();
    EXPECT_THROW(pack->update(), LogicException);
    pack->init();
    g_events.clear();
    pack->update();
    EXPECT_EQ((std::vector<std::string>{"update 15script", "update 20option", "update 30video",
                                        "update 50timer", "update 60input", "update 80game"}),
              g_events);

    pack->addAgent(new RecordingAgent("40sound"));
    g_events.clear();
    pack->shutdown();
    EXPECT_EQ((std::vector<std::string>{"shutdown 80game", "shutdown 60input", "shutdown 50timer",
                                        "shutdown 30video", "shutdown 20option",
                                        "shutdown 15script"}),
              g_events);
    g_events.clear();
    delete pack;
    pack = nullptr;
    EXPECT_EQ((std::vector<std::string>{"delete 15script", "delete 20option", "delete 30video",
                                        "delete 40sound", "delete 50timer", "delete 60input",
                                        "delete 80game"}),
              g_events);
}

TEST_F(AgentPackTest, LookupFailuresNameTheAgent)
{
    struct Case { const char *name; const char *what; };
    const Case cases[] = {
        {"30video", "agent is not initialized; name='30video'"},
        {"99none", "cannot find agent; name='99none'"},
    };
    for (const Case &c : cases) {
        try {
            AgentPack::getAgent(c.name);
            ADD_FAILURE() << c.name;
        } catch (const BaseException &e) {
            EXPECT_STREQ(c.what, e.what());
        }
    }
    pack->init();
    try {
        AgentPack::getAgentAs<TimerAgent>("50timer");
        ADD_FAILURE() << "a recording agent is not a timer";
    } catch (const NameException &e) {
        EXPECT_STREQ("cannot cast agent; name='50timer'", e.what());
    }
}

TEST_F(AgentPackTest, RefusesASecondPackAndATakenName)
{
    EXPECT_THROW(AgentPack second, LogicException);
    RecordingAgent duplicate("30video");
    try {
        pack->addAgent(&duplicate);
        ADD_FAILURE() << "duplicate accepted";
    } catch (const NameException &e) {
        EXPECT_STREQ("agent already exists; name='30video'", e.what());
    }
    // The pack survived the refused second pack.
    EXPECT_NO_THROW(AgentPack::getAgent("10messager"));
}

TEST(AgentPackLifetime, NoPackMeansNotReady)
{
    try {
        AgentPack::getAgent("10messager");
        ADD_FAILURE() << "no pack exists";
    } catch (const LogicException &e) {
        EXPECT_STREQ("AgentPack is not ready", e.what());
    }
}

TEST(AgentPackLifetime, AgentFailingInItsInitIsStillShutDown)
{
    class FailingAgent : public BaseAgent {
        protected:
            virtual void ownInit() { throw LogicException(InfoText("broken")); }
            virtual void ownShutdown() { g_events.push_back("shutdown failing"); }
        public:
            virtual const char *getName() const { return "30failing"; }
    };
    g_events.clear();
    AgentPack pack;
    pack.addAgent(new FailingAgent());
    EXPECT_THROW(pack.init(), LogicException);
    pack.shutdown();
    EXPECT_EQ(std::vector<std::string>{"shutdown failing"}, g_events);
}

}
