#include "plan/AgentFixture.h"

#include "plan/Planner.h"
#include "plan/SubTitleAgent.h"
#include "plan/Title.h"
#include "gengine/BaseException.h"
#include "gengine/OptionAgent.h"

#include <string>

namespace {

class PlannerTest : public AgentFixture {
    protected:
        Planner *m_planner = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            OptionAgent::instance()->setParam("screen_width", 800);
            OptionAgent::instance()->setParam("screen_height", 480);
            OptionAgent::instance()->setParam("lang", "en");
            m_planner = new Planner();
        }
        virtual void TearDown()
        {
            delete m_planner;
            AgentFixture::TearDown();
        }
        void run(const std::string &code) { m_planner->doString(code); }
        /** Fails with the script's own message when the Lua condition is false. */
        void check(const std::string &condition, const std::string &shown)
        {
            EXPECT_NO_THROW(run("assert(" + condition + ", " + shown + ")")) << condition;
        }
        SubTitleAgent *subtitles() { return SubTitleAgent::instance(); }
};

TEST_F(PlannerTest, PlannedFunctionRunsWithItsCountUntilItReturnsTrue)
{
    run("log = {}\n"
        "game_planAction(function(count) table.insert(log, count); return count == 3 end)\n"
        "game_planAction(function(count) table.insert(log, 'b' .. count); return true end)\n");
    check("game_isPlanning()", "'planning'");
    for (int cycle = 0; cycle < 4; ++cycle) {
        EXPECT_FALSE(m_planner->satisfyPlan()) << cycle;
    }
    EXPECT_TRUE(m_planner->satisfyPlan());
    EXPECT_TRUE(m_planner->satisfyPlan());
    check("table.concat(log, ',') == '0,1,2,3,b0'", "table.concat(log, ',')");
    check("not game_isPlanning()", "'still planning'");
}

TEST_F(PlannerTest, PlannedFunctionMustReturnABoolean)
{
    run("game_planAction(function(count) return 1 end)");
    try {
        m_planner->satisfyPlan();
        FAIL() << "a number was accepted";
    } catch (const ScriptException &e) {
        EXPECT_EQ("script command failure - boolean expected; got='number'",
                  std::string(e.what()));
    }
}

TEST_F(PlannerTest, PlanKilledFromInsideAPlannedFunction)
{
    run("ran = 0\n"
        "game_planAction(function(count) ran = ran + 1; game_killPlan(); return false end)\n"
        "game_planAction(function(count) ran = ran + 10; return true end)\n");
    EXPECT_TRUE(m_planner->satisfyPlan());
    EXPECT_FALSE(m_planner->isPlanning());
    m_planner->satisfyPlan();
    check("ran == 1", "ran");
}

TEST_F(PlannerTest, TalkShowsTheSubtitleWithItsValues)
{
    run("dialog_addFont('blue', 0, 0, 255)\n"
        "dialog_addDialog('greet', 'en', '', 'blue', 'Hello %1')\n"
        "dialog_addDialog('mute', 'en', '')\n"
        "model_talk(2, 'greet@world')\n"
        "model_talk(2, 'mute')\n");
    ASSERT_EQ(1, subtitles()->countTitles());
    EXPECT_EQ("Hello world", subtitles()->getTitle(0)->getContent());
    check("model_isTalking(2)", "'silent'");
    check("not model_isTalking(1)", "'wrong actor'");
    check("not dialog_isDialog()", "'no dialog flag'");

    m_planner->interruptPlan();
    EXPECT_EQ(0, subtitles()->countTitles());
    check("not model_isTalking(2)", "'still talking'");
}

TEST_F(PlannerTest, SilentLineLastsItsMinimumTimeAndIsDroppedByThePlan)
{
    run("dialog_addDialog('hi', 'en', '', '', '12345')\n"
        "model_talk(0, 'hi', 75, 1, true)\n");
    for (int cycle = 0; cycle < 9; ++cycle) {
        tick();
    }
    check("dialog_isDialog() and model_isTalking(0)", "'ended early'");
    tick();
    check("not dialog_isDialog()", "'ended late'");
    m_planner->satisfyPlan();
    check("not model_isTalking(0)", "'still talking'");
}

TEST_F(PlannerTest, EndlessTalkLastsUntilItsSoundIsKilled)
{
    run("dialog_addDialog('song', 'en', '', '', 'la la')\n"
        "model_talk(1, 'song', 50, -1)\n");
    for (int cycle = 0; cycle < 500; ++cycle) {
        tick();
        m_planner->satisfyPlan();
    }
    check("model_isTalking(1)", "'endless line ended'");
    run("model_killSound(1)");
    check("not model_isTalking(1)", "'still talking'");
}

TEST_F(PlannerTest, ParametersAndArguments)
{
    OptionAgent::instance()->setParam("empty", "");
    OptionAgent::instance()->setParam("speech", "cs");
    check("options_getParam('speech') == 'cs'", "tostring(options_getParam('speech'))");
    check("options_getParam('empty') == nil", "'empty is not nil'");
    check("options_getParam('absent') == nil", "'absent is not nil'");
    EXPECT_THROW(run("model_talk('one')"), ScriptException);
    EXPECT_THROW(run("game_planAction(3)"), ScriptException);
    EXPECT_THROW(run("dialog_addFont('x', 1, 2)"), ScriptException);
    try {
        run("dialog_addDialog('x', 'en', '', 'nocolour', 'text')\nmodel_talk(0, 'x')");
        FAIL() << "an unknown colour was accepted";
    } catch (const ScriptException &e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("no such resource at index"));
    }
}

}
