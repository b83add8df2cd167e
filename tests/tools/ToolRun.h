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
        /** The tool's standard output and exit status; standard error is dropped. */
        Result run(const std::string &args)
        {
            const char *binary = std::getenv("TIDEPOOL_BINARY_DIR");
            std::string command = std::string(binary ? binary : ".") + "/tools/level/tidepool-level " + args
                + " 2>/dev/null";
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
