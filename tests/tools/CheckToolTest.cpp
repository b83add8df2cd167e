// tidepool-level check on a tiny data set: a world map of two levels and
// an ending, their reference solutions, and every way one of them can fail.

#include "ToolRun.h"

namespace {

using toolrun::EXIT_LEVEL;
using toolrun::has;

// Out to the left at once: "l".
const char *const LEFT_LEVEL = R"(
level_createRoom(4, 3, "")
game_addModel("item_fixed", 0, 0, "XXXX\n...X\nXXXX\n")
local fish = game_addModel("fish_small", 1, 1, "X")
model_setGoal(fish, "goal_escape")
)";

class CheckTool : public toolrun::ToolTest {
    protected:
        /** The data set; the map's best counts and the solutions come from the test. */
        void writeData(int exitBest, const std::string &exitMoves, const std::string &extraMap = "")
        {
            writeFile("levels/exit.lua", EXIT_LEVEL);
            writeFile("levels/left.lua", LEFT_LEVEL);
            writeFile("script/worldmap.lua",
                    "worldmap_addDesc('exit', 'en', 'Exit', 'Out.')\n"
                    "branch_addNode('', 'exit', 'levels/exit.lua', 10, 10, false)\n"
                    "branch_addNode('exit', 'left', 'levels/left.lua', 20, 20, true, 'script/poster.lua')\n"
                    "branch_setEnding('finale', 'levels/left.lua')\n"
                    "node_bestSolution('exit', " + std::to_string(exitBest) + ", 'us')\n"
                    "node_bestSolution('left', 1, 'us')\n" + extraMap);
            writeFile("solutions/exit.txt", exitMoves + "\n");
            writeFile("solutions/left.txt", "l");
            writeFile("solutions/finale.txt", "l\n");
        }
        toolrun::Result check(const std::string &args = "")
        {
            return run("check --systemdir " + m_dir + " " + args);
        }
};

TEST_F(CheckTool, ASoundDataSetPassesWithATableOfItsLevels)
{
    writeData(4, "rrrd");
    toolrun::Result result = check();
    EXPECT_EQ(0, result.status) << result.out;
    EXPECT_TRUE(has(result.out, "exit                    4      4      -        ok\n")) << result.out;
    EXPECT_TRUE(has(result.out, "finale                  1      end    -        ok\n")) << result.out;
    EXPECT_TRUE(has(result.out, "3 passed, 0 failed\n")) << result.out;
    toolrun::Result optimal = check("--optimal");
    EXPECT_EQ(0, optimal.status) << optimal.out;
    EXPECT_TRUE(has(optimal.out, "exit                    4      4      4        ok\n")) << optimal.out;
}

TEST_F(CheckTool, EveryLevelFaultFailsItsRowAndTheStatus)
{
    struct Case { int best; const char *moves; const char *args; const char *part; };
    const Case cases[] = {
        {5, "rrrd", "", "FAIL best solution count differs"},
        {2, "rr", "", "FAIL reference solution does not solve"},
        {5, "rrrrd", "", "FAIL load error - bad move"},
        {-1, "rrrd", "", "FAIL no best solution count"},
    };
    for (const Case &c : cases) {
        writeData(c.best, c.moves);
        toolrun::Result result = check(c.args);
        EXPECT_EQ(1, result.status) << c.moves << "\n" << result.out;
        EXPECT_TRUE(has(result.out, c.part)) << c.moves << "\n" << result.out;
        EXPECT_TRUE(has(result.out, "2 passed, 1 failed\n")) << result.out;
    }
}

TEST_F(CheckTool, OptimalFailsALongerReferenceSolution)
{
    writeData(6, "rlrrrd");
    EXPECT_EQ(0, check().status);
    toolrun::Result result = check("--optimal");
    EXPECT_EQ(1, result.status) << result.out;
    EXPECT_TRUE(has(result.out, "exit                    6      6      4        FAIL shorter solution rrrd\n"))
        << result.out;
}

TEST_F(CheckTool, MissingFilesAndBadCodeNamesFailTheirLevel)
{
    writeData(4, "rrrd", "branch_addNode('left', '../up', 'levels/left.lua', 30, 30, false)\n"
                         "branch_addNode('left', 'gone', 'levels/gone.lua', 40, 40, false)\n"
                         "node_bestSolution('gone', 1, 'us')\n");
    writeFile("solutions/gone.txt", "l");
    toolrun::Result result = check();
    EXPECT_EQ(1, result.status) << result.out;
    EXPECT_TRUE(has(result.out, "../up")) << result.out;
    EXPECT_TRUE(has(result.out, "FAIL bad code name")) << result.out;
    EXPECT_TRUE(has(result.out, "FAIL script failure")) << result.out;
    std::filesystem::remove(m_dir + "/solutions/left.txt");
    EXPECT_TRUE(has(check().out, "FAIL no reference solution solutions/left.txt"));
}

TEST_F(CheckTool, AWorldMapThatCannotBeReadGivesStatusTwo)
{
    EXPECT_EQ(2, check().status) << "no world map at all";
    struct Case { const char *map; const char *part; };
    const Case cases[] = {
        {"x = 1\n", "cannot create world map"},
        {"branch_addNode('', 'a', 'levels/a.lua', 1, 1, false)\nbranch_addNode('', 'b', 'levels/b.lua', 1, 1, false)\n",
            "there is a one root node already"},
        {"branch_addNode('', 'a', 'levels/a.lua', 1, 1, false)\nbranch_addNode('z', 'b', 'levels/b.lua', 1, 1, false)\n",
            "there is no such parent node"},
        {"branch_addNode('', 'a', 'levels/a.lua', 1, 1, false)\nnode_bestSolution('q', 1, 'us')\n",
            "there is no such node"},
        {"branch_addNode('', 'a', 'levels/a.lua', 'x', 1, false)\n", "bad argument #4"},
    };
    for (const Case &c : cases) {
        writeFile("script/worldmap.lua", c.map);
        toolrun::Result result = check();
        EXPECT_EQ(2, result.status) << c.map << result.out;
        EXPECT_TRUE(has(result.out, c.part)) << c.map << result.out;
    }
    EXPECT_EQ(2, check("--bogus").status);
    EXPECT_EQ(2, check("--max-states x").status);
}

TEST_F(CheckTool, HelpDocumentsTheCheckCommand)
{
    toolrun::Result help = run("check --help");
    EXPECT_EQ(0, help.status);
    EXPECT_TRUE(has(help.out, "tidepool-level check [--systemdir DIR] [--optimal]"));
    EXPECT_TRUE(has(help.out, "solutions/CODENAME.txt"));
}

}
