#include "LevelEnv.h"

#include "level/Controls.h"
#include "level/Cube.h"
#include "level/Level.h"
#include "level/LevelScript.h"
#include "level/Room.h"
#include "level/Rules.h"

#include "gengine/KeyStroke.h"
#include "plan/StateInput.h"

#include <utility>
#include <vector>

namespace {

const char *const OPEN_ROOM = R"(
file_include("script/level_lib.lua")
lib.createRoom{
    map = {
        "########",
        "#......#",
        "#....s.#",
        "#......#",
        "########",
    },
    legend = {
        ["#"] = {kind = "item_fixed"},
        s = {kind = "fish_small"},
    },
}
)";

class LevelPlay : public LevelEnv {
    protected:
        /** The small fish of OPEN_ROOM: the walls come first in reading order. */
        V2 fishLoc() const { return room()->getModel(1)->getLoc(); }
        void press(SDLKey key)
        {
            room()->controlEvent(key);
            cycles(8);
        }
        std::string moves() const { return room()->getMoves(); }
};

TEST_F(LevelPlay, FirstRoundComesInTheSecondCycleAndASolvedLevelLeavesAfterElevenMore)
{
    startLevel("calm", R"(
file_include("script/level_lib.lua")
lib.createRoom{map = {"###"}, legend = {["#"] = {kind = "item_fixed"}}}
rounds = rounds or {}
lib.update = function() rounds[#rounds + 1] = level_isNewRound() end
)");
    cycles(2);
    m_level->getLevelScript()->doString("assert(rounds[1] == false and rounds[2] == true)");
    // The room without goals is solved at rest from the first cycle on:
    // the countdown is set then, runs 10 cycles and ends the level in the 12th.
    cycles(9);
    EXPECT_FALSE(levelLeft());
    cycle();
    EXPECT_TRUE(levelLeft());
    EXPECT_TRUE(m_status->isComplete());
}

TEST_F(LevelPlay, ALostLevelRestartsItself76CyclesAfterTheFishDied)
{
    startLevel("crushed", R"(
file_include("script/level_lib.lua")
lib.createRoom{
    map = {"#####", "#.b.#", "#.s.#", "#####"},
    legend = {["#"] = {kind = "item_fixed"}, b = {kind = "item_heavy"}, s = {kind = "fish_small"}},
}
)");
    // The first round (cycle 2) kills the small fish under the heavy item.
    cycles(2);
    EXPECT_FALSE(room()->getModel(2)->isAlive());
    cycles(75);
    EXPECT_EQ(1, m_level->getRestartCounter());
    cycle();
    EXPECT_EQ(2, m_level->getRestartCounter());
    EXPECT_TRUE(room()->getModel(2)->isAlive());
}

TEST_F(LevelPlay, RestartKeyCountsAndLoadingDoesNot)
{
    startLevel("open", OPEN_ROOM);
    cycles(3);
    m_level->getInput()->keyEvent(KeyStroke(SDLK_BACKSPACE, KMOD_NONE));
    EXPECT_EQ(2, m_level->getRestartCounter());
    cycles(3);
    m_level->action_save();
    m_level->action_load();
    EXPECT_EQ(2, m_level->getRestartCounter());
}

TEST_F(LevelPlay, UndoStepsBackWhileHeldRedoStepsForthAndPlayGoesOn)
{
    startLevel("open", OPEN_ROOM);
    cycles(3);
    std::vector<int> xs = {fishLoc().getX()};
    for (int i = 0; i < 3; ++i) {
        press(SDLK_LEFT);
        xs.push_back(fishLoc().getX());
    }
    ASSERT_EQ((std::vector<int>{5, 4, 3, 2}), xs);
    ASSERT_EQ("lll", moves());

    m_level->action_undo(1);
    cycle();
    m_level->finishUndo();
    EXPECT_EQ(4, fishLoc().getX());
    EXPECT_EQ("l", moves());
    EXPECT_FALSE(m_level->isUndoing());

    m_level->action_undo(-1);
    m_level->finishUndo();
    EXPECT_EQ(3, fishLoc().getX());
    EXPECT_EQ("ll", moves());

    press(SDLK_UP);
    EXPECT_EQ("llu", moves());
    EXPECT_EQ(V2(3, 1).toString(), fishLoc().toString());
    EXPECT_EQ(1, m_level->getRestartCounter());

    // The new move ended the redo history: redo finds nothing to go to.
    m_level->action_undo(-1);
    m_level->finishUndo();
    EXPECT_EQ("llu", moves());
}

const char *const EXTRA_ROOM = R"(
file_include("script/level_lib.lua")
lib.createRoom{
    map = {
        "#########",
        "#.......#",
        "#....a..#",
        "#....e..#",
        "#########",
    },
    legend = {
        ["#"] = {kind = "item_fixed"},
        a = {kind = "item_light"},
        e = {kind = "fish_extra-'\\\"]"},
    },
}
)";

class LevelSave : public LevelPlay {
    protected:
        /** Moves the extra fish by a symbol the way a scripted show does. */
        void show(const std::string &luaSymbol)
        {
            m_level->getLevelScript()->doString(
                    "level_planShow(function() return level_action_move(" + luaSymbol + ") end)");
            cycles(6);
        }
        std::vector<std::pair<std::string, bool>> snapshot() const
        {
            std::vector<std::pair<std::string, bool>> models;
            for (int i = 0; i < room()->getModelCount(); ++i) {
                models.push_back({room()->getModel(i)->getLoc().toString(), room()->getModel(i)->isLeft()});
            }
            return models;
        }
};

TEST_F(LevelSave, SaveThenLoadRestoresEveryModelWhateverTheSymbols)
{
    startLevel("extra", EXTRA_ROOM);
    cycles(3);
    // Symbols up ', down \, left ", right ]: a turn, a push up, a step right.
    show("']'");
    show("\"'\"");
    show("']'");
    ASSERT_EQ("]']", moves());
    std::vector<std::pair<std::string, bool>> saved = snapshot();
    m_level->action_save();
    std::string file = LevelEnv::readFile(userDir() + "/saves/extra.lua");
    EXPECT_EQ(0u, file.find("\nsaved_moves = ']\\']'\n\nsaved_models = "));
    EXPECT_NE('\n', file.back());

    show("'\\\\'");
    show("'\"'");
    EXPECT_NE(saved, snapshot());

    m_level->action_load();
    cycles(8);
    EXPECT_FALSE(m_level->isLoading());
    EXPECT_EQ("]']", moves());
    EXPECT_EQ(saved, snapshot());
}

TEST_F(LevelSave, ASavedGameWithAnEmptyMovesStringHasTwoApostrophes)
{
    startLevel("open", OPEN_ROOM);
    cycles(1);
    m_level->action_save();
    std::string file = LevelEnv::readFile(userDir() + "/saves/open.lua");
    EXPECT_EQ(0u, file.find("\nsaved_moves = ''\n\nsaved_models = {"));
}

TEST_F(LevelSave, ABadMoveInASavedGameStopsTheLoadingAndTheGameGoesOn)
{
    startLevel("open", OPEN_ROOM);
    cycles(3);
    writeData("../user/saves/open.lua", "saved_moves = 'x'\nsaved_models = 'old'\n");
    m_level->action_load();
    cycles(3);
    EXPECT_FALSE(m_level->isLoading());
    EXPECT_EQ("", moves());
}

TEST_F(LevelPlay, ReplayModeShowsOneMovePerRoundAndNeverEndsTheLoading)
{
    startLevel("open", OPEN_ROOM);
    m_level->getLevelScript()->doString("updates = 0; lib.update = function() updates = updates + 1 end");
    cycles(1);
    m_level->loadReplay("ll");
    cycles(1);
    EXPECT_EQ("l", moves());
    cycles(10);
    EXPECT_EQ("ll", moves());
    EXPECT_EQ(3, fishLoc().getX());
    EXPECT_TRUE(m_level->isLoading());
    m_level->getLevelScript()->doString("assert(updates == 1, updates)");
}

}
