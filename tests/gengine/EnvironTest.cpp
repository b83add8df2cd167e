#include "gengine/Environ.h"
#include "gengine/MessagerAgent.h"
#include "gengine/OptionParams.h"
#include "gengine/StringMsg.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::captureLog;
using testsupport::contains;

namespace {

class Watcher : public BaseListener {
    private:
        std::string m_name;
    public:
        std::vector<std::string> got;
        explicit Watcher(const std::string &name) : m_name(name) {}
        virtual const char *getName() const { return m_name.c_str(); }
        virtual void receiveString(const StringMsg *msg) { got.push_back(msg->getValue()); }
};

class EnvironTest : public testing::Test {
    protected:
        AgentPack pack;
        Environ env;
        Watcher first{"first"};
        Watcher second{"second"};
        void SetUp() override
        {
            MessagerAgent::instance()->addListener(&first);
            MessagerAgent::instance()->addListener(&second);
        }
        void watch(Watcher &watcher, const std::string &param)
        {
            env.addWatcher(param, new StringMsg(watcher.getName(), "param_changed", param));
        }
};

TEST_F(EnvironTest, EmptyValueExistsButTypedGettersFallBackSilently)
{
    watch(first, "lang");
    std::string log = captureLog([&]() { env.setParam("lang", ""); });
    EXPECT_EQ("", log);
    EXPECT_TRUE(first.got.empty());
    EXPECT_EQ("", env.getParam("lang", "d"));
    EXPECT_EQ("d", env.getParam("absent", "d"));
    log = captureLog([&]() {
        EXPECT_EQ(5, env.getInt("lang", 5));
        EXPECT_TRUE(env.getBool("lang", true));
    });
    EXPECT_EQ("", log);
}

TEST_F(EnvironTest, ChangeIsLoggedAndSignalledOnlyWhenTheValueDiffers)
{
    watch(first, "sound");
    watch(second, "sound");
    std::string log = captureLog([&]() {
        env.setParam("sound", "0");
        env.setParam("sound", "0");
        env.setParam("sound", 0LL);
    });
    EXPECT_EQ((std::vector<std::string>{"sound"}), first.got);
    EXPECT_EQ((std::vector<std::string>{"sound"}), second.got);
    EXPECT_NE(std::string::npos, log.find("src/gengine/Environ:"));
    EXPECT_TRUE(contains(log, "DEBUG setParam; param='sound'; value='0'\n")) << log;
    EXPECT_EQ(log.find("setParam;"), log.rfind("setParam;")) << log;
}

TEST_F(EnvironTest, GetIntReadsStrtolNotationOrWarnsAndDefaults)
{
    struct Case { const char *text; int expected; bool warns; };
    const Case cases[] = {
        {"0x10", 16, false}, {"010", 8, false}, {" 12", 12, false}, {"-3", -3, false},
        {"12abc", 99, true}, {"12 ", 99, true}, {"4294967296", 99, true}, {"", 99, false},
    };
    for (const Case &c : cases) {
        env.setParam("n", c.text);
        int value = 0;
        std::string log = captureLog([&]() { value = env.getInt("n", 99); });
        EXPECT_EQ(c.expected, value) << c.text;
        if (c.warns) {
            EXPECT_TRUE(contains(log, std::string("WARNING cannot recognize numeric value; "
                                                  "property='n'; value='") + c.text +
                                          "'; default=99\n"))
                << log;
        } else {
            EXPECT_EQ("", log) << c.text;
        }
    }
}

TEST_F(EnvironTest, GetBoolKnowsFourWordPairsExactly)
{
    struct Case { const char *text; bool expected; bool warns; };
    const Case cases[] = {
        {"1", true, false},    {"true", true, false},  {"on", true, false},
        {"yes", true, false},  {"0", false, false},    {"false", false, false},
        {"off", false, false}, {"no", false, false},   {"", false, false},
        {"YES", false, true},  {"True", false, true},  {" 1", false, true},
    };
    for (const Case &c : cases) {
        env.setParam("b", c.text);
        bool value = true;
        std::string log = captureLog([&]() { value = env.getBool("b", false); });
        EXPECT_EQ(c.expected, value) << c.text;
        EXPECT_EQ(c.warns, contains(log, std::string("WARNING cannot recognize boolean value; "
                                                     "property='b'; value='") + c.text +
                                             "'; default=0; hint='use 1/0, true/false, "
                                             "on/off, yes/no'\n"))
            << c.text << ": " << log;
    }
}

TEST_F(EnvironTest, WatcherOfAVanishedListenerIsDroppedWithOneWarning)
{
    watch(first, "loglevel");
    watch(second, "loglevel");
    MessagerAgent::instance()->removeListener("first");
    std::string log = captureLog([&]() {
        env.setParam("loglevel", "7");
        env.setParam("loglevel", "6");
    }, LOG_LEVEL_WARNING);
    EXPECT_EQ((std::vector<std::string>{"loglevel", "loglevel"}), second.got);
    EXPECT_EQ("src/gengine/Environ", log.substr(0, log.find(':')));
    EXPECT_TRUE(contains(log, "WARNING cannot find listener; name='first'\n")) << log;
    EXPECT_EQ(log.find("WARNING"), log.rfind("WARNING")) << log;
}

TEST_F(EnvironTest, RemoveWatchersDropsOnlyTheNamedListener)
{
    watch(first, "a");
    watch(first, "b");
    watch(second, "a");
    env.removeWatchers("first");
    env.setParam("a", "1");
    env.setParam("b", "1");
    EXPECT_TRUE(first.got.empty());
    EXPECT_EQ((std::vector<std::string>{"a"}), second.got);
}

TEST_F(EnvironTest, WatcherMayRemoveWatchersWhileBeingNotified)
{
    class Leaver : public Watcher {
        public:
            Environ *env = nullptr;
            Leaver() : Watcher("leaver") {}
            virtual void receiveString(const StringMsg *msg)
            {
                Watcher::receiveString(msg);
                env->removeWatchers("leaver");
                env->removeWatchers("second");
            }
    } leaver;
    leaver.env = &env;
    MessagerAgent::instance()->addListener(&leaver);
    watch(first, "x");
    watch(leaver, "x");
    watch(second, "x");
    env.setParam("x", "1");
    env.setParam("x", "2");
    EXPECT_EQ((std::vector<std::string>{"x", "x"}), first.got);
    EXPECT_EQ((std::vector<std::string>{"x"}), leaver.got);
    EXPECT_TRUE(second.got.empty());
    MessagerAgent::instance()->removeListener("leaver");
}

TEST(OptionParams, HelpTextsStartInOneColumn)
{
    OptionParams params;
    params.addParam("sound_frequency", OptionParams::TYPE_NUMBER, "Rate");
    params.addParam("lang", OptionParams::TYPE_STRING, "Language");
    params.addParam("fullscreen", OptionParams::TYPE_BOOLEAN, "Full");
    params.addParam("lang", OptionParams::TYPE_PATH, "ignored: first entry stays");
    EXPECT_EQ(21u, params.getMaxSize());
    EXPECT_EQ("  fullscreen=<boolean>        Full\n"
              "  lang=<string>               Language\n"
              "  sound_frequency=<number>    Rate\n",
              params.getHelp());
    EXPECT_THROW(params.checkValidity("timeinterval"), LogicException);
    EXPECT_NO_THROW(params.checkValidity("lang"));
    std::string log = captureLog([&]() { EXPECT_STREQ("unknown", OptionParams::typeName(9)); });
    EXPECT_TRUE(contains(log, "WARNING unknown param type; type=9\n")) << log;

    Environ env;
    env.setParam("lang", "cs");
    EXPECT_EQ("fullscreen=''\nlang='cs'\nsound_frequency=''\n", params.getConfig(env));
}

}
