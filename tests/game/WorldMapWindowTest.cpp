// The game from start to end in a real window: a private X server, the
// program on a tiny data set, and xdotool as the player. Every wait has a
// deadline and every process started here is ended here, so a broken game
// fails the test instead of hanging it.
#include "gengine/TestSupport.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using testsupport::TempDir;
using testsupport::contains;
using xserver::xdotool;

namespace {

typedef std::chrono::steady_clock WallClock;

/** A child process, killed and reaped when the object goes unless it ended before. */
class Child {
    private:
        pid_t m_pid = -1;
        int m_status = -1;
    public:
        Child() = default;
        Child(const Child &) = delete;
        Child &operator=(const Child &) = delete;
        ~Child()
        {
            if (m_pid > 0) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
            }
        }
        /** Runs argv in dir with the extra environment; output to logFile; keepFd stays open. */
        bool start(const std::vector<std::string> &argv, const std::vector<std::string> &env,
                const std::string &dir, const std::string &logFile, int keepFd = -1)
        {
            m_pid = fork();
            if (m_pid == 0) {
                int logFd = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                int nullFd = open("/dev/null", O_RDONLY);
                if (logFd < 0 || nullFd < 0 || chdir(dir.c_str()) != 0) {
                    _exit(127);
                }
                dup2(nullFd, 0);
                dup2(logFd, 1);
                dup2(logFd, 2);
                for (int fd = 3; fd < 256; ++fd) {
                    if (fd != keepFd) {
                        close(fd);
                    }
                }
                for (const std::string &setting : env) {
                    std::string::size_type eq = setting.find('=');
                    setenv(setting.substr(0, eq).c_str(), setting.substr(eq + 1).c_str(), 1);
                }
                std::vector<char *> raw;
                for (const std::string &arg : argv) {
                    raw.push_back(const_cast<char *>(arg.c_str()));
                }
                raw.push_back(nullptr);
                execvp(raw[0], raw.data());
                _exit(127);
            }
            return m_pid > 0;
        }
        /** Waits up to the deadline; true when the child ended (its status is kept). */
        bool wait(std::chrono::milliseconds limit)
        {
            WallClock::time_point end = WallClock::now() + limit;
            while (m_pid > 0) {
                int status = 0;
                pid_t done = waitpid(m_pid, &status, WNOHANG);
                if (done == m_pid) {
                    m_status = status;
                    m_pid = -1;
                    return true;
                }
                if (WallClock::now() > end) {
                    return false;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            return true;
        }
        bool running() { return m_pid > 0 && !wait(std::chrono::milliseconds(0)); }
        /** The exit status, -1 when the child did not exit normally. */
        int exitStatus() const { return WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1; }
};

/** Waits until the game's window has the caption; false at the deadline. */
bool waitForCaption(const std::string &display, const std::string &window,
        const std::string &caption)
{
    WallClock::time_point end = WallClock::now() + std::chrono::seconds(15);
    while (WallClock::now() < end) {
        if (xdotool(display, "getwindowname " + window) == caption + "\n") {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

const char *const LEVEL = R"(
file_include("script/level_lib.lua")
lib.createRoom{
    map = {"#####", "#.s.#", "#####"},
    legend = {["#"] = {kind = "item_fixed"}, s = {kind = "fish_small"}},
}
)";

}

TEST(WorldMapWindow, StartsOnTheMapPlaysALevelAndEndsWithEscape)
{
    if (system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null") != 0) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    const char *source = getenv("TIDEPOOL_SOURCE_DIR");
    const char *build = getenv("TIDEPOOL_BINARY_DIR");
    ASSERT_TRUE(source && build);
    TempDir dir;
    const std::string data = dir.file("data");
    testsupport::writeMediaFiles(data);
    testsupport::writeWorldMapFiles(data);
    dir.write("data/script/worldmap.lua",
            "worldmap_addDesc('menu', 'en', 'Menu', 'Tide map')\n"
            "worldmap_addDesc('first', 'en', 'First level', 'Caves')\n"
            "branch_addNode('', 'first', 'levels/first.lua', 10, 10, false)\n");
    std::ifstream lib(std::string(source) + "/data/script/level_lib.lua", std::ios::binary);
    std::ostringstream libText;
    libText << lib.rdbuf();
    dir.write("data/script/level_lib.lua", libText.str());
    dir.write("data/levels/first.lua", LEVEL);
    dir.write("data/script/init.lua", "");

    xserver::VirtualDisplay server(dir.file("xvfb.log"));
    const std::string display = server.name();
    ASSERT_FALSE(display.empty()) << "Xvfb did not start";
    Child game;
    ASSERT_TRUE(game.start({std::string(build) + "/src/game/tidepool", "systemdir=data",
                "userdir=user"}, {"DISPLAY=" + display, "SDL_VIDEODRIVER=x11",
                "SDL_AUDIODRIVER=dummy"}, dir.path(), dir.file("game.log")));

    std::string window = xdotool(display, "search --sync --name 'Tide map'");
    window = window.substr(0, window.find('\n'));
    ASSERT_FALSE(window.empty()) << "no world map window:\n" << dir.read("game.log");
    xdotool(display, "windowfocus --sync " + window);

    xdotool(display, "key --window " + window + " Tab Return");
    EXPECT_TRUE(waitForCaption(display, window, "Caves: First level")) << dir.read("game.log");
    xdotool(display, "key --window " + window + " Escape");
    EXPECT_TRUE(waitForCaption(display, window, "Tide map")) << dir.read("game.log");
    xdotool(display, "key --window " + window + " Escape");

    ASSERT_TRUE(game.wait(std::chrono::seconds(15))) << "the game did not end:\n"
        << dir.read("game.log");
    EXPECT_EQ(0, game.exitStatus()) << dir.read("game.log");
    EXPECT_TRUE(contains(dir.read("user/script/options.lua"), "setParam(\"playtime\", \""))
        << dir.read("user/script/options.lua");
}
