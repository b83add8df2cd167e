// The level tool run as a level author runs it, on fixture levels written
// into a temporary data directory.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

// Walls around a fish at (1,1) with a way out at the bottom right:
// "r" turns it, two more "r" and a "d" take it to the edge, and it swims out.
const char *const EXIT_LEVEL = R"(
level_createRoom(5, 3, "")
game_addModel("item_fixed", 0, 0, "XXXXX\nX...X\nXXX.X\n")
local fish = game_addModel("fish_small", 1, 1, "X")
model_setGoal(fish, "goal_escape")
)";

struct Result {
    int status;
    std::string out;
};

class ReplayTool : public testing::Test {
    protected:
        std::string m_dir;

        virtual void SetUp()
        {
            char pattern[] = "/tmp/tidepool_tool_XXXXXX";
            ASSERT_NE(nullptr, mkdtemp(pattern));
            m_dir = pattern;
        }
        virtual void TearDown()
        {
            std::error_code ignored;
            std::filesystem::remove_all(m_dir, ignored);
        }
        std::string writeLevel(const std::string &name, const std::string &content)
        {
            std::string path = m_dir + "/" + name;
            std::ofstream(path) << content;
            return path;
        }
        Result run(const std::string &args, const std::string &input = "")
        {
            const char *binary = std::getenv("TIDEPOOL_BINARY_DIR");
            std::string command = std::string(binary ? binary : ".") + "/tools/level/tidepool-level " + args
                + " 2>/dev/null";
            if (!input.empty()) {
                command = "printf '%s\\n' '" + input + "' | " + command;
            }
            Result result{-1, ""};
            FILE *pipe = ::popen(command.c_str(), "r");
            char buffer[4096];
            size_t got;
            while ((got = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
                result.out.append(buffer, got);
            }
            int raw = ::pclose(pipe);
            result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            return result;
        }
        std::string replay(const std::string &level, const std::string &moves)
        {
            return "replay --systemdir " + m_dir + " " + level + " " + moves;
        }
};

bool has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(ReplayTool, ReportsEveryOutcomeWithItsExitStatus)
{
    std::string level = writeLevel("exit.lua", EXIT_LEVEL);
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
    std::string level = writeLevel("exit.lua", EXIT_LEVEL + std::string("assert(CODENAME == 'a]]\"b')\n"));
    Result result = run("replay --codename 'a]]\"b' --systemdir " + m_dir + " " + level + " -", "rrrd");
    EXPECT_EQ(0, result.status) << result.out;
    EXPECT_TRUE(has(result.out, "\"codename\": \"a]]\\\"b\"")) << result.out;
}

TEST_F(ReplayTool, BadLevelsAndUsageErrorsGiveStatusTwo)
{
    std::string broken = writeLevel("broken.lua", "level_createRoom(3, 3, '')\nerror('no such thing')\n");
    Result script = run(replay(broken, "r"));
    EXPECT_EQ(2, script.status);
    EXPECT_TRUE(has(script.out, "no such thing")) << script.out;
    std::string occupied = writeLevel("occupied.lua",
            "level_createRoom(3, 3, '')\ngame_addModel('item_light', 1, 1, 'X')\ngame_addModel('item_light', 1, 1, 'X')\n");
    Result layout = run(replay(occupied, "''"));
    EXPECT_EQ(2, layout.status);
    EXPECT_TRUE(has(layout.out, "position is occupied")) << layout.out;
    Result roomless = run(replay(writeLevel("empty.lua", "x = 1\n"), "r"));
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
