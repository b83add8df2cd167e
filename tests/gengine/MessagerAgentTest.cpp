#include "gengine/AgentPack.h"
#include "gengine/IntMsg.h"
#include "gengine/Log.h"
#include "gengine/MessagerAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class Recorder : public BaseListener {
    private:
        std::string m_name;
    public:
        std::vector<std::string> got;
        explicit Recorder(const std::string &name) : m_name(name) {}
        virtual const char *getName() const { return m_name.c_str(); }
        virtual void receiveSimple(const SimpleMsg *msg) { got.push_back(msg->describe()); }
};

/** A message that reports its own deletion. */
class TracedMsg : public SimpleMsg {
    private:
        int *m_deleted;
    public:
        TracedMsg(const std::string &listener, int *deleted)
            : SimpleMsg(listener, "traced"), m_deleted(deleted) {}
        virtual ~TracedMsg() { ++*m_deleted; }
        virtual TracedMsg *clone() const { return new TracedMsg(*this); }
};

class MessagerTest : public testing::Test {
    protected:
        AgentPack pack;
        MessagerAgent *bus() { return MessagerAgent::instance(); }
};

TEST(Messages, DescribeNamesReceiverMessageAndValue)
{
    EXPECT_EQ("App->quit", SimpleMsg("App", "quit").describe());
    EXPECT_EQ("App->param_changed(\"loglevel\")",
              StringMsg("App", "param_changed", "loglevel").describe());
    EXPECT_EQ("40sound->volume(-3)", IntMsg("40sound", "volume", -3).describe());
}

TEST_F(MessagerTest, SendDeliversACopyEachTime)
{
    Recorder app("App");
    bus()->addListener(&app);
    SimpleMsg quit("App", "quit");
    quit.send();
    quit.send();
    EXPECT_EQ((std::vector<std::string>{"App->quit", "App->quit"}), app.got);
    EXPECT_EQ("quit", quit.getName());
    bus()->removeListener("App");
}

TEST_F(MessagerTest, LaterListenerOfTheSameNameReplacesTheFirst)
{
    Recorder first("App");
    Recorder second("App");
    bus()->addListener(&first);
    bus()->addListener(&second);
    SimpleMsg("App", "quit").send();
    EXPECT_TRUE(first.got.empty());
    EXPECT_EQ(1u, second.got.size());
    bus()->removeListener("App");
}

TEST_F(MessagerTest, UnknownListenerThrowsAndStillFreesTheMessage)
{
    int deleted = 0;
    try {
        bus()->deliver(new TracedMsg("nobody", &deleted));
        ADD_FAILURE() << "delivered to nobody";
    } catch (const NameException &e) {
        EXPECT_STREQ("cannot find listener; name='nobody'", e.what());
    }
    EXPECT_EQ(1, deleted);
}

TEST_F(MessagerTest, RejectedMessagesNameThemselves)
{
    Recorder app("App");
    bus()->addListener(&app);
    struct Case { std::shared_ptr<BaseMsg> msg; const char *what; };
    const Case cases[] = {
        {std::make_shared<StringMsg>("App", "param_changed", "loglevel"),
         "unknown message; msg='App->param_changed(\"loglevel\")'"},
        {std::make_shared<IntMsg>("App", "volume", 7), "unknown message; msg='App->volume(7)'"},
        {std::make_shared<StringMsg>("10messager", "x", ""),
         "unknown message; msg='10messager->x(\"\")'"},
    };
    for (const Case &c : cases) {
        try {
            c.msg->send();
            ADD_FAILURE() << c.what;
        } catch (const UnknownMsgException &e) {
            EXPECT_STREQ(c.what, e.what());
        }
    }
    bus()->removeListener("App");
}

TEST_F(MessagerTest, DeliveryIsLoggedAtDebugLevel)
{
    Recorder app("App");
    bus()->addListener(&app);
    int saved = getLogLevel();
    setLogLevel(7);
    testing::internal::CaptureStderr();
    SimpleMsg("App", "quit").send();
    std::string log = testing::internal::GetCapturedStderr();
    setLogLevel(saved);
    EXPECT_NE(std::string::npos,
              log.find("src/gengine/MessagerAgent:"))
        << log;
    EXPECT_NE(std::string::npos, log.find(": DEBUG received new message; msg='App->quit'\n"))
        << log;
    bus()->removeListener("App");
}

}
