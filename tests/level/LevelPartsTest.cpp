#include "LevelEnv.h"

#include "level/Anim.h"
#include "level/CountAdvisor.h"
#include "level/Cube.h"
#include "level/Level.h"
#include "level/LevelCountdown.h"
#include "level/LevelLoading.h"
#include "level/LevelScript.h"
#include "level/LevelStatus.h"
#include "level/Room.h"
#include "level/Rules.h"
#include "level/View.h"

#include "gengine/OptionAgent.h"

#include <filesystem>

namespace {

TEST(LevelLoading, SpeedFollowsTheLengthWithinFiveAndFifty)
{
    struct Case { size_t length; int speed; };
    const Case cases[] = {{3, 5}, {100, 5}, {900, 6}, {3000, 20}, {7500, 50}, {9000, 50}};
    LevelLoading loading(nullptr);
    for (const Case &c : cases) {
        loading.loadMoves(std::string(c.length, 'r'));
        EXPECT_EQ(c.speed, loading.getSpeed()) << c.length;
        EXPECT_TRUE(loading.isLoading());
    }
    loading.loadReplay("");
    EXPECT_EQ(1, loading.getSpeed());
    EXPECT_TRUE(loading.isLoading());
    loading.reset();
    EXPECT_FALSE(loading.isLoading());
}

class FixedAdvisor : public CountAdvisor {
    public:
        int solved;
        explicit FixedAdvisor(int forSolved) : solved(forSolved) {}
        virtual int getCountForSolved() const { return solved; }
        virtual int getCountForWrong() const { return 75; }
};

class LevelParts : public LevelEnv {
    protected:
        void writeUser(const std::string &file, const std::string &content)
        {
            writeData("../user/" + file, content);
        }
};

TEST_F(LevelParts, CountdownEndsTheCycleAfterItsCountRanOut)
{
    startLevel("calm", R"(level_createRoom(2, 1, ""))");
    LevelCountdown countdown(m_level->getLevelScript());
    countdown.fillStatus(m_status.get());
    for (int count : {10, 30}) {
        FixedAdvisor advisor(count);
        countdown.reset();
        int calls = 1;
        ASSERT_FALSE(countdown.countDown(&advisor));
        while (!countdown.countDown(&advisor)) {
            ++calls;
        }
        EXPECT_EQ(count + 1, calls);
        EXPECT_TRUE(countdown.isFinished());
        EXPECT_FALSE(countdown.isWrong());
    }
    LevelCountdown unset(m_level->getLevelScript());
    EXPECT_THROW(unset.reset(), LogicException);
}

TEST_F(LevelParts, SolutionFileHoldsExactBytesAndOnlyShorterOnesReplaceIt)
{
    LevelStatus status;
    status.prepareRun("cellar", "", 4, "");
    std::string path = userDir() + "/solved/cellar.lua";
    status.writeSolvedMoves("rrrd");
    EXPECT_EQ("\nsaved_moves = 'rrrd'\n", readFile(path));
    EXPECT_EQ(0, status.compareToBest());
    status.writeSolvedMoves("llll");
    EXPECT_EQ("rrrd", status.readSolvedMoves());
    status.writeSolvedMoves("rrrrrd");
    EXPECT_EQ("rrrd", status.readSolvedMoves());
    status.writeSolvedMoves("d'\\");
    EXPECT_EQ("\nsaved_moves = 'd\\'\\\\'\n", readFile(path));
    EXPECT_EQ("d'\\", status.readSolvedMoves());
    EXPECT_EQ(1, status.compareToBest());
    status.prepareRun("cellar", "", 2, "");
    EXPECT_EQ(-1, status.compareToBest());
    status.prepareRun("cellar", "", -1, "");
    EXPECT_EQ(1, status.compareToBest());
}

TEST_F(LevelParts, UnreadableSolutionsCountAsNoneAndNamesOutsideTheFolderAreRefused)
{
    writeUser("solved/broken.lua", "saved_moves = {}\n");
    LevelStatus status;
    status.prepareRun("broken", "", -1, "");
    EXPECT_EQ("", status.readSolvedMoves());
    status.writeSolvedMoves("rd");
    EXPECT_EQ("rd", status.readSolvedMoves());

    status.prepareRun("../escape", "", -1, "");
    status.writeSolvedMoves("rd");
    EXPECT_FALSE(std::filesystem::exists(userDir() + "/escape.lua"));
    EXPECT_FALSE(std::filesystem::exists(m_dir + "/escape.lua"));
}

TEST_F(LevelParts, AnimStateTextRoundTripsAndEscapesNames)
{
    Anim fresh;
    EXPECT_EQ("none,0,0,,0,0,,0", fresh.getState());

    Anim anim;
    anim.addPhase("a,b&c", 0);
    anim.addPhase("a,b&c", 0);
    anim.runAnim("a,b&c", 1);
    anim.setViewShift(V2(-2, 3));
    anim.setEffect("mirror");
    std::string state = anim.getState();
    EXPECT_EQ("mirror,-2,3,a&comma;b&amp;c,1,1,,0", state);
    Anim copy;
    copy.setState(state);
    EXPECT_EQ(state, copy.getState());
    EXPECT_EQ("a,b&c", copy.getAnimName());

    struct Case { const char *text; const char *after; };
    const Case cases[] = {
        {"zx,0x10,010,walk,7,0,,0", "zx,16,8,walk,7,0,,0"},
        {"none,12abc,0,x,0,0,,0", "none,12,0,x,0,0,,0"},
        {"none,0,0,x,0,0,,0,", "none,0,0,x,0,0,,0"},
        {"none,0,0", "none,0,0,,0,0,,0"},
        {"fancy,1,1,y,0,1,,0", "none,1,1,y,0,1,,0"},
    };
    for (const Case &c : cases) {
        Anim target;
        target.setState(c.text);
        EXPECT_EQ(c.after, target.getState()) << c.text;
    }
}

TEST_F(LevelParts, AnimPhasesWrapWithAWarningAndRunningKeepsThePhase)
{
    Anim anim;
    for (int i = 0; i < 3; ++i) {
        anim.addPhase("swim", 0);
    }
    anim.setAnim("swim", 5);
    EXPECT_EQ(2, anim.getAnimPhase());
    anim.setAnim("none", 4);
    EXPECT_EQ(0, anim.getAnimPhase());
    anim.setAnim("swim", 1);
    anim.runAnim("swim", 0);
    EXPECT_EQ(1, anim.getAnimPhase());
    EXPECT_TRUE(anim.isRunning());
    anim.useSpecialAnim("ghost", 2);
    EXPECT_EQ("", anim.getSpecialAnimName());
}

TEST_F(LevelParts, MovingModelSlidesByTheLockPhasesAndFieldPosTruncates)
{
    startLevel("slide", R"(
file_include("script/level_lib.lua")
lib.createRoom{map = {"......", "..s...", "......"}, legend = {s = {kind = "fish_small", goal = "goal_alive"}}}
)");
    cycles(5);
    room()->controlEvent(SDLK_LEFT);
    Cube *fish = room()->getModel(0);
    for (int i = 0; i < 10 && fish->getRules()->getDir() == Dir::DIR_NO; ++i) {
        cycle();
    }
    ASSERT_EQ(Dir::DIR_LEFT, fish->getRules()->getDir());
    View *view = m_level->getLevelScript()->view();
    SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 90, 45, 32, 0, 0, 0, 0);
    int start = fish->getLoc().getX() * View::CELL;
    view->noteNewRound(3);
    for (int shift : {5, 10, 15, 15}) {
        view->drawOn(screen);
        EXPECT_EQ(start - shift, view->getScreenPos(fish).getX());
    }
    view->noteNewRound(0);
    view->drawOn(screen);
    EXPECT_EQ(start - 15, view->getScreenPos(fish).getX());
    SDL_FreeSurface(screen);

    struct Case { V2 point; V2 cell; };
    const Case cases[] = {
        {V2(-5, -14), V2(0, 0)}, {V2(-15, 0), V2(-1, 0)}, {V2(29, 44), V2(1, 2)},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.cell.toString(), view->getFieldPos(c.point).toString()) << c.point.toString();
    }
    view->setScreenShift(V2(10, 0));
    EXPECT_EQ(V2(0, 0).toString(), view->getFieldPos(V2(0, 0)).toString());
    EXPECT_EQ(V2(1, 0).toString(), view->getFieldPos(V2(25, 0)).toString());
}

TEST_F(LevelParts, ScriptFunctionsReportTheirErrors)
{
    startLevel("errors", R"(level_createRoom(3, 2, ""))");
    LevelScript *script = m_level->getLevelScript();
    struct Case { const char *code; const char *message; };
    const Case cases[] = {
        {"level_action_move('')", "bad symbol length; length=0"},
        {"level_action_move('ab')", "bad symbol length; length=2"},
        {"model_getLoc(7)", "bad model index"},
        {"game_addModel('fish_tiny', 0, 0, 'X')", "unknown model kind"},
        {"model_setGoal(game_addModel('item_light', 0, 0, 'X'), 'goal_win')", "unknown goal"},
        {"model_setViewShift(0, 0/0, 1)", "out of range"},
        {"model_change_setExtraParams(0, {outDir = 9, outCapacity = 0, weight = 1, anim = ''})", "bad out dir"},
    };
    for (const Case &c : cases) {
        try {
            script->doString(c.code);
            ADD_FAILURE() << c.code;
        } catch (const ScriptException &e) {
            EXPECT_NE(std::string::npos, std::string(e.what()).find(c.message)) << e.what();
        }
    }
    script->doString(R"(
        local a = game_addModel("item_light", 2, 1, "X")
        assert(a == 1)
        local x, y = model_getLoc(a)
        assert(x == 2 and y == 1)
        local p = model_getExtraParams(a)
        assert(p.weight == 1 and p.outDir == 0 and p.anim == "none,0,0,,0,0,,0")
        assert(model_equals(a, 2, 1) and model_equals(-1, 1, 1) and not model_equals(-1, 2, 1))
        game_addDecor("sparkles")
    )");
}

TEST_F(LevelParts, FunctionsNeedingTheRoomFailBeforeItExists)
{
    startLevel("late", R"(ok, err = pcall(game_addModel, "item_light", 0, 0, "X")
assert(not ok and string.find(err, "room is not ready"))
level_createRoom(1, 1, ""))");
    EXPECT_TRUE(m_level->hasRoom());
}

}
