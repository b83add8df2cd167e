// tidepool-level solve on tiny fixture levels: every exit status.

#include "ToolRun.h"

namespace {

using toolrun::EXIT_LEVEL;
using toolrun::has;

// The same fish walled in: six states (three cells, two look sides).
const char *const SHUT_LEVEL = R"(
level_createRoom(5, 3, "")
game_addModel("item_fixed", 0, 0, "XXXXX\nX...X\nXXXXX\n")
local fish = game_addModel("fish_small", 1, 1, "X")
model_setGoal(fish, "goal_escape")
)";

class SolveTool : public toolrun::ToolTest {
    protected:
        std::string solve(const std::string &args)
        {
            return "solve --systemdir " + m_dir + " " + args;
        }
};

TEST_F(SolveTool, ReportsFoundUnsolvableAndStoppedWithTheirStatus)
{
    const std::string exit = writeFile("exit.lua", EXIT_LEVEL);
    const std::string shut = writeFile("shut.lua", SHUT_LEVEL);
    struct Case { std::string args; int status; const char *part; };
    const Case cases[] = {
        {exit, 0, "{\"solved\": true, \"moves\": \"rrrd\", \"steps\": 4, \"states\": "},
        {shut, 1, "{\"solved\": false, \"moves\": \"\", \"steps\": 0, \"states\": 6, "},
        {"--max-states 2 " + exit, 4, "\"states\": 2, "},
        {"--max-seconds 0.000001 --max-states 0 " + shut, 4, "\"exhausted\": false}"},
        {"--max-seconds 0 --max-states 0 " + shut, 1, "\"exhausted\": true}"},
    };
    for (const Case &c : cases) {
        toolrun::Result result = run(solve(c.args));
        EXPECT_EQ(c.status, result.status) << c.args << "\n" << result.out;
        EXPECT_TRUE(has(result.out, c.part)) << c.args << "\n" << result.out;
    }
    EXPECT_TRUE(has(run(solve(exit)).out, "\"exhausted\": false}"));
    toolrun::Result stopped = run(solve("--max-states 2 " + exit));
    EXPECT_TRUE(has(stopped.out, "\"solved\": false")) << stopped.out;
    EXPECT_TRUE(has(stopped.out, "\"exhausted\": false")) << stopped.out;
}

TEST_F(SolveTool, LevelsThatCannotLoadAndUsageErrorsGiveStatusTwo)
{
    const std::string broken = writeFile("broken.lua", "level_createRoom(3, 3, '')\nerror('no such thing')\n");
    toolrun::Result script = run(solve(broken));
    EXPECT_EQ(2, script.status);
    EXPECT_TRUE(has(script.out, "no such thing")) << script.out;
    EXPECT_EQ(2, run(solve(m_dir + "/missing.lua")).status);
    const std::string exit = writeFile("exit.lua", EXIT_LEVEL);
    for (const char *bad : {"--max-states -1", "--max-states 1e3", "--max-seconds x", "--max-seconds",
                            "--bogus"}) {
        const std::string args = std::string(bad) + (std::string(bad) == "--max-seconds" ? "" : " " + exit);
        EXPECT_EQ(2, run(solve(args)).status) << bad;
    }
    EXPECT_EQ(2, run(solve(exit + " " + exit)).status);
    EXPECT_EQ(2, run(solve("")).status);
}

TEST_F(SolveTool, HelpDocumentsTheSolveCommand)
{
    toolrun::Result help = run("solve --help");
    EXPECT_EQ(0, help.status);
    EXPECT_TRUE(has(help.out, "tidepool-level solve [--systemdir DIR] [--max-states N] [--max-seconds S] LEVEL_FILE"));
    EXPECT_TRUE(has(run("--help").out, "solve    search a shortest solution of a level"));
}

}
