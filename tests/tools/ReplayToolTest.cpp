// The level tool run as a level author runs it, on fixture levels written
// into a temporary data directory.

#include "ToolRun.h"

namespace {

using toolrun::EXIT_LEVEL;
using toolrun::Result;
using toolrun::has;

class ReplayTool : public toolrun::ToolTest {
    protected:
        std::string replay(const std::string &level, const std::string &moves)
        {
            return "replay --systemdir " + m_dir + " " + level + " " + moves;
        }
};

TEST_F(ReplayTool, ReportsEveryOutcomeWithItsExitStatus)
{
    std::string level = writeFile("exit.lua", EXIT_LEVEL);
    struct Case { std::string moves; int status; const char *part; };
    const Case cases[] = {
        {"rrrd", 0, "\"steps\": 4, \"solved\": true, \"can_finish\": true, \"error\": null, \"failed_at\": null"},
        {"rr", 1, "\"steps\": 2, \"solved\": false"},
        {"rrrrd", 3, "\"failed_at\": 3"},
        {"x", 3, "load error - bad move; move='x'"},
    };
    for (const Case &c : cases) {
        Result result = run(replay(level, c.moves));
        EXPECT_EQ(c.status, result.status) << c.moves << "\n" << result.out;
        EXPECT_TRUE(has(result.out, c.part)) << result.out;
        EXPECT_TRUE(has(result.out, "\"codename\": \"exit\"")) << result.out;
    }
    Result solved = run(replay(level, "rrrd"));
    EXPECT_TRUE(has(solved.out, "{\"index\": 1, \"x\": -1000, \"y\": -1000, \"alive\": true, \"out\": true, "
                                "\"lost\": true, \"weight\": 0, \"look_left\": false}")) << solved.out;
    Result partway = run(replay(level, "rr"));
    EXPECT_TRUE(has(partway.out, "{\"index\": 1, \"x\": 2, \"y\": 1, \"alive\": true, \"out\": false, "
                                 "\"lost\": false, \"weight\": 1, \"look_left\": false}")) << partway.out;
}

TEST_F(ReplayTool, ReadsMovesFromStandardInputAndTakesAnyCodename)
{
    std::string level = writeFile("exit.lua", EXIT_LEVEL + std::string("assert(CODENAME == 'a]]\"b')\n"));
    Result result = run("replay --codename 'a]]\"b' --systemdir " + m_dir + " " + level + " -", "rrrd");
    EXPECT_EQ(0, result.status) << result.out;
    EXPECT_TRUE(has(result.out, "\"codename\": \"a]]\\\"b\"")) << result.out;
}

TEST_F(ReplayTool, BadLevelsAndUsageErrorsGiveStatusTwo)
{
    std::string broken = writeFile("broken.lua", "level_createRoom(3, 3, '')\nerror('no such thing')\n");
    Result script = run(replay(broken, "r"));
    EXPECT_EQ(2, script.status);
    EXPECT_TRUE(has(script.out, "no such thing")) << script.out;
    std::string occupied = writeFile("occupied.lua",
            "level_createRoom(3, 3, '')\ngame_addModel('item_light', 1, 1, 'X')\ngame_addModel('item_light', 1, 1, 'X')\n");
    Result layout = run(replay(occupied, "''"));
    EXPECT_EQ(2, layout.status);
    EXPECT_TRUE(has(layout.out, "position is occupied")) << layout.out;
    Result roomless = run(replay(writeFile("empty.lua", "x = 1\n"), "r"));
    EXPECT_EQ(2, roomless.status);
    EXPECT_TRUE(has(roomless.out, "level has no room")) << roomless.out;
    EXPECT_EQ(2, run("replay " + m_dir + "/exit.lua").status);
    EXPECT_EQ(2, run("replay --bogus a b").status);
    EXPECT_EQ(2, run("wrangle").status);
}

TEST_F(ReplayTool, HelpDocumentsTheReplayCommand)
{
    Result help = run("--help");
    EXPECT_EQ(0, help.status);
    EXPECT_TRUE(has(help.out, "tidepool-level replay [--systemdir DIR] [--codename NAME] LEVEL_FILE MOVES"));
    EXPECT_EQ(0, run("replay --help").status);
}

}
