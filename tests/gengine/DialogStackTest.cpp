#include "gengine/DialogStack.h"

#include "gengine/AgentPack.h"
#include "gengine/Dialog.h"
#include "gengine/DummySoundAgent.h"
#include "gengine/OptionAgent.h"
#include "gengine/ResDialogPack.h"
#include "gengine/ScriptAgent.h"
#include "gengine/TimerAgent.h"

#include "gengine/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::StillClock;

/** Parameters, a silent sound agent and a timer that ticks when told. */
class DialogTest : public testing::Test {
    protected:
        std::string m_dir;
        AgentPack *m_pack = nullptr;

        virtual void SetUp()
        {
            char pattern[] = "/tmp/tidepool_dialog_XXXXXX";
            ASSERT_NE(nullptr, mkdtemp(pattern));
            m_dir = pattern;
            m_pack = new AgentPack();
            m_pack->addAgent(new ScriptAgent());
            m_pack->addAgent(new OptionAgent());
            m_pack->addAgent(new DummySoundAgent());
            m_pack->addAgent(new TimerAgent(new StillClock()));
            m_pack->init("30video");
            options()->setParam("systemdir", m_dir);
            options()->setParam("userdir", m_dir + "/user");
            options()->setParam("sound", "0");
            m_pack->init();
        }
        virtual void TearDown()
        {
            m_pack->shutdown();
            delete m_pack;
            std::error_code ignored;
            std::filesystem::remove_all(m_dir, ignored);
        }
        OptionAgent *options() { return OptionAgent::instance(); }
        void tick(int cycles = 1)
        {
            for (int i = 0; i < cycles; ++i) {
                TimerAgent::instance()->update();
            }
        }
};

std::string langOf(const Dialog *dialog)
{
    return dialog ? dialog->getLang() : "(none)";
}

TEST_F(DialogTest, LanguageOfTheLineShownAndOfTheLineSpoken)
{
    struct Case { const char *lang; const char *speech; const char *shown; const char *spoken; };
    const Case cases[] = {
        {"de", "", "en", "en"},
        {"cs_CZ", "", "cs", "cs"},
        {"cs", "", "cs", "cs"},
        {"en_GB", "", "en", "en"},
        {"c", "", "en", "en"},
        {"de", "cs", "en", "cs"},
        {"cs", "fr", "cs", "en"},
        {"cs_CZ", "sk", "cs", "en"},
    };
    ResDialogPack pack;
    pack.addRes("hi", new Dialog("en", "hi_en.ogg", "Hello"));
    pack.addRes("hi", new Dialog("cs", "hi_cs.ogg", "Ahoj"));
    pack.addRes("hi", new Dialog("fr", "", "Salut"));
    for (const Case &c : cases) {
        options()->setParam("lang", c.lang);
        if (c.speech[0]) {
            // Until "speech" is set the spoken line follows "lang".
            options()->setParam("speech", c.speech);
        }
        EXPECT_EQ(c.shown, langOf(pack.findDialogHard("hi"))) << c.lang << "/" << c.speech;
        EXPECT_EQ(c.spoken, langOf(pack.findSpeech("hi"))) << c.lang << "/" << c.speech;
    }
    EXPECT_EQ(nullptr, pack.findDialogHard("bye"));
    EXPECT_EQ(nullptr, pack.findSpeech("bye"));
    pack.removeAll();
}

TEST_F(DialogTest, LanguageMatchPrefersTheLongestPrefixAndTheFirstOfEqualOnes)
{
    ResDialogPack pack;
    pack.addRes("hi", new Dialog("pt", "", "first"));
    pack.addRes("hi", new Dialog("pt_PT", "", "portugal"));
    pack.addRes("hi", new Dialog("pt_BR", "", "brazil"));
    pack.addRes("hi", new Dialog("pt", "", "second"));
    struct Case { const char *lang; const char *text; };
    const Case cases[] = {
        {"pt_BR", "brazil"}, {"pt_PT", "portugal"}, {"pt", "first"}, {"pt_AO", "portugal"},
    };
    for (const Case &c : cases) {
        options()->setParam("lang", c.lang);
        EXPECT_EQ(c.text, pack.findDialogHard("hi")->getRawSubtitle()) << c.lang;
    }
    pack.removeAll();
}

TEST_F(DialogTest, SubtitleMarkersAndMinimumTime)
{
    Dialog greet("en", "", "Hello %1, %2 and %1");
    EXPECT_EQ("Hello world, sea and world", greet.getSubtitle({"greet", "world", "sea"}));
    EXPECT_EQ("Hello %1, %2 and %1", greet.getSubtitle({"greet"}));
    // %1 goes first, so it also takes the front of %10.
    Dialog many("en", "", "%10");
    EXPECT_EQ("a0", many.getSubtitle({"n", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}));

    EXPECT_EQ(0, Dialog("en", "", "").getMinTime());
    EXPECT_EQ(5, Dialog("cs", "", "\xc5\xbel\xc5\xa5\xc3\xa1k").getMinTime());
    EXPECT_EQ(180, Dialog("en", "", std::string(500, 'x')).getMinTime());
}

TEST_F(DialogTest, SilentLinesTalkForTheirMinimumTimeTimesTheirPlays)
{
    DialogStack stack;
    stack.addDialog("hi", new Dialog("en", "", "0123456789"));
    stack.addDialog("hi", new Dialog("cs", "", "abc"));
    options()->setParam("lang", "de");
    options()->setParam("speech", "cs");
    // The speech comes from cs, its length from the en subtitle.
    stack.actorTalk(3, "hi", 75, 1, true);
    EXPECT_TRUE(stack.isTalking(3));
    EXPECT_FALSE(stack.isTalking(4));
    EXPECT_TRUE(stack.isDialog());
    tick(19);
    EXPECT_TRUE(stack.isTalking(3));
    stack.removeFirstNotTalking();
    EXPECT_TRUE(stack.isDialog());
    tick();
    EXPECT_FALSE(stack.isTalking(3));
    EXPECT_FALSE(stack.isDialog());
    stack.removeFirstNotTalking();
    EXPECT_FALSE(stack.isDialog());
}

TEST_F(DialogTest, EndlessTalksStayUntilKilled)
{
    DialogStack stack;
    stack.addDialog("song", new Dialog("en", "", "la"));
    stack.addDialog("hi", new Dialog("en", "", "hello"));
    stack.actorTalk(1, "song", 75, -1, false);
    stack.actorTalk(2, "hi", 75, 0, false);
    stack.actorTalk(2, "song", 75, -1, false);
    tick(1000);
    EXPECT_TRUE(stack.isTalking(1));
    for (int i = 0; i < 5; ++i) {
        stack.removeFirstNotTalking();
    }
    EXPECT_TRUE(stack.isTalking(1));
    EXPECT_TRUE(stack.isTalking(2));

    stack.killSound(2);
    EXPECT_FALSE(stack.isTalking(2));
    EXPECT_TRUE(stack.isTalking(1));
    stack.killTalks();
    EXPECT_FALSE(stack.isTalking(1));
}

TEST_F(DialogTest, KillingTheActiveLineEndsTheDialog)
{
    DialogStack stack;
    stack.addDialog("a", new Dialog("en", "", "a"));
    stack.addDialog("long", new Dialog("en", "", "a long line"));
    stack.actorTalk(1, "a", 75, 0, false);
    stack.actorTalk(2, "long", 75, 0, true);
    tick(2);
    stack.removeFirstNotTalking();
    EXPECT_TRUE(stack.isDialog());
    stack.killSound(2);
    EXPECT_FALSE(stack.isDialog());
    stack.actorTalk(1, "long", 75, 0, true);
    EXPECT_TRUE(stack.isDialog());
    stack.removeAll();
    EXPECT_FALSE(stack.isDialog());
    stack.actorTalk(1, "long", 75, 0, true);
    EXPECT_FALSE(stack.isTalking(1)) << "the definitions are gone";
}

TEST_F(DialogTest, UnknownDialogSpeaksNothing)
{
    DialogStack stack;
    stack.addDialog("hi", new Dialog("cs", "", "ahoj"));
    options()->setParam("lang", "de");
    stack.actorTalk(1, "hi", 75, 0, true);
    stack.actorTalk(1, "", 75, 0, true);
    stack.actorTalk(1, "@@", 75, 0, true);
    EXPECT_FALSE(stack.isTalking(1));
    EXPECT_FALSE(stack.isDialog());
}

}
