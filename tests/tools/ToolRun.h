#ifndef HEADER_TOOLRUN_H
#define HEADER_TOOLRUN_H

// Runs the level tool as a level author does, on fixture files written into
// a temporary data directory that the test removes again.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace toolrun {

struct Result {
    int status;
    std::string out;
};

// Walls around a fish at (1,1) with a way out at the bottom right:
// "r" turns it, two more "r" and a "d" take it to the edge, and it swims out;
// "rrrd" is the shortest solution.
inline const char *const EXIT_LEVEL = R"(
level_createRoom(5, 3, "")
game_addModel("item_fixed", 0, 0, "XXXXX\nX...X\nXXX.X\n")
local fish = game_addModel("fish_small", 1, 1, "X")
model_setGoal(fish, "goal_escape")
)";

inline bool has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

class ToolTest : public testing::Test {
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
        /** Writes a file under the directory, making its folders; returns its path. */
        std::string writeFile(const std::string &name, const std::string &content)
        {
            std::string path = m_dir + "/" + name;
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            std::ofstream(path) << content;
            return path;
        }
        /** The tool's standard output and exit status; standard error is dropped.
         * A non-empty input is given to it as one line on its standard input. */
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
};

}

#endif
