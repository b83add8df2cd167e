// Plays the shipped game as a player would: the program runs on the shipped
// data under a private X server, and xdotool presses the keys of the first
// level's reference solution. After every move the game is asked to save
// (F2) and the saved moves show whether the move arrived, so the test waits
// for the game rather than guessing its speed. Every wait has a deadline and
// every process started here is ended here, so a broken game fails the test
// instead of hanging it.
#include "gengine/TestSupport.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using testsupport::TempDir;

namespace {

using WallClock = std::chrono::steady_clock;

std::string envOr(const char *name, const std::string &fallback)
{
    const char *value = getenv(name);
    return value && *value ? value : fallback;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool exists(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

/** The program of that name on PATH, or "". */
std::string findProgram(const std::string &name)
{
    std::stringstream path(envOr("PATH", "/usr/bin:/bin"));
    std::string dir;
    while (std::getline(path, dir, ':')) {
        std::string candidate = dir + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return "";
}

/** A child process ended (TERM, then KILL) when this goes. */
class Child {
    private:
        pid_t m_pid;
    public:
        Child() : m_pid(-1) {}
        ~Child() { stop(); }
        Child(const Child &) = delete;
        Child &operator=(const Child &) = delete;

        /**
         * Starts argv with the environment changes (NAME=value sets, NAME=
         * unsets); keepFd stays open in the child; output goes to logFile.
         */
        bool start(const std::vector<std::string> &argv, const std::vector<std::string> &env,
                   const std::string &logFile, int keepFd = -1, const std::string &dir = "")
        {
            std::vector<char *> args;
            for (const std::string &arg : argv) {
                args.push_back(const_cast<char *>(arg.c_str()));
            }
            args.push_back(nullptr);
            m_pid = fork();
            if (m_pid == 0) {
                setpgid(0, 0);
                for (const std::string &pair : env) {
                    std::string::size_type eq = pair.find('=');
                    std::string name = pair.substr(0, eq), value = pair.substr(eq + 1);
                    if (value.empty()) {
                        unsetenv(name.c_str());
                    } else {
                        setenv(name.c_str(), value.c_str(), 1);
                    }
                }
                int log = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                int null = open("/dev/null", O_RDONLY);
                if (log < 0 || null < 0 || (!dir.empty() && chdir(dir.c_str()) != 0)) {
                    _exit(127);
                }
                dup2(null, 0);
                dup2(log, 1);
                dup2(log, 2);
                for (int fd = 3; fd < 256; ++fd) {
                    if (fd != keepFd) {
                        close(fd);
                    }
                }
                execv(args[0], args.data());
                _exit(127);
            }
            return m_pid > 0;
        }

        /** True while the child runs. */
        bool running() { return xserver::childRunning(m_pid); }

        void stop() { xserver::stopChild(m_pid); }
};

/** Runs a short tool and returns its standard output; "" after 10 seconds. */
std::string runTool(const std::vector<std::string> &argv, const std::string &display)
{
    int out[2];
    if (pipe(out) != 0) {
        return "";
    }
    std::vector<char *> args;
    for (const std::string &arg : argv) {
        args.push_back(const_cast<char *>(arg.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(out[1], 1);
        dup2(null, 2);
        close(out[0]);
        execv(args[0], args.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    WallClock::time_point end = WallClock::now() + std::chrono::seconds(10);
    char buffer[256];
    while (WallClock::now() < end) {
        struct pollfd p = {out[0], POLLIN, 0};
        if (poll(&p, 1, 100) > 0) {
            ssize_t got = read(out[0], buffer, sizeof(buffer));
            if (got <= 0) {
                break;
            }
            text.append(buffer, static_cast<std::size_t>(got));
        }
    }
    close(out[0]);
    if (pid > 0) {
        if (waitpid(pid, nullptr, WNOHANG) != pid) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    return text;
}

/** The xdotool key name that performs one symbol of a moves string. */
const char *keyOf(char symbol)
{
    switch (symbol) {
        case 'u': return "i";
        case 'd': return "k";
        case 'l': return "j";
        case 'r': return "l";
        case 'U': return "w";
        case 'D': return "s";
        case 'L': return "a";
        case 'R': return "d";
        default: return nullptr;
    }
}

/** The saved moves of a saved game file, or false when there is none. */
bool savedMoves(const std::string &file, std::string &moves)
{
    static const std::regex line("saved_moves = '([^']*)'");
    std::smatch match;
    std::string text = readFile(file);
    if (!std::regex_search(text, match, line)) {
        return false;
    }
    moves = match[1];
    return true;
}

}  // namespace

TEST(PlayThroughTest, FirstLevelPlayedWithKeysStoresItsSolution)
{
    std::string xvfb = findProgram("Xvfb");
    std::string xdotool = findProgram("xdotool");
    if (xvfb.empty() || xdotool.empty()) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    std::string source = envOr("TIDEPOOL_SOURCE_DIR", ".");
    std::string game = envOr("TIDEPOOL_BINARY_DIR", ".") + "/src/game/tidepool";
    ASSERT_TRUE(exists(game)) << game;

    // The first level is the root of the world map; its reference solution
    // lies beside the levels.
    std::smatch match;
    std::string worldmap = readFile(source + "/data/script/worldmap.lua");
    ASSERT_TRUE(std::regex_search(worldmap, match,
                std::regex("branch_addNode\\(\\s*\"\"\\s*,\\s*\"([A-Za-z0-9_]+)\"")));
    const std::string codename = match[1];
    std::string solution = readFile(source + "/data/solutions/" + codename + ".txt");
    while (!solution.empty() && isspace(static_cast<unsigned char>(solution.back()))) {
        solution.pop_back();
    }
    ASSERT_FALSE(solution.empty()) << "no reference solution of " << codename;
    for (char symbol : solution) {
        ASSERT_NE(nullptr, keyOf(symbol)) << "unknown move " << symbol;
    }

    TempDir dir;
    const std::string user = dir.path() + "/user";
    ASSERT_EQ(0, mkdir(user.c_str(), 0777));

    // A private X server on a display it picks itself.
    xserver::VirtualDisplay server(dir.path() + "/xvfb.log");
    ASSERT_FALSE(server.name().empty()) << "Xvfb did not start: " << readFile(dir.path() + "/xvfb.log");
    const std::string display = server.name();

    Child player;
    const std::string log = dir.path() + "/game.log";
    ASSERT_TRUE(player.start({game, "systemdir=" + source + "/data", "userdir=" + user},
                             {"DISPLAY=" + display, "SDL_VIDEODRIVER=", "SDL_AUDIODRIVER=dummy"}, log, -1, dir.path()));

    std::string window;
    WallClock::time_point end = WallClock::now() + std::chrono::seconds(20);
    while (WallClock::now() < end && window.empty() && player.running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::stringstream found(runTool({xdotool, "search", "--onlyvisible", "--name", "."}, display));
        found >> window;
    }
    ASSERT_FALSE(window.empty()) << "no game window; the game said:\n" << readFile(log);
    auto tool = [&](std::vector<std::string> args) {
        args.insert(args.begin(), xdotool);
        runTool(args, display);
    };
    tool({"windowfocus", window});
    // Away from the corner buttons and the nodes, then the keyboard picks the
    // first open level and starts it.
    tool({"mousemove", "--window", window, "5", "120"});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    tool({"key", "Tab"});
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    tool({"key", "Return"});

    const std::string saved = user + "/saves/" + codename + ".lua";
    const WallClock::time_point giveUp = WallClock::now() + std::chrono::seconds(150);
    // Saves the game and returns its moves; false when no save came in time.
    auto saveNow = [&](std::string &moves) {
        unlink(saved.c_str());
        for (int attempt = 0; attempt < 10 && WallClock::now() < giveUp; ++attempt) {
            tool({"key", "F2"});
            for (int i = 0; i < 10; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                if (savedMoves(saved, moves)) {
                    return true;
                }
            }
        }
        return false;
    };

    std::string moves;
    bool started = false;
    const WallClock::time_point startBy = WallClock::now() + std::chrono::seconds(40);
    while (!started && WallClock::now() < startBy && player.running()) {
        started = saveNow(moves);
    }
    ASSERT_TRUE(started) << "the level did not start; the game said:\n" << readFile(log);
    ASSERT_EQ("", moves);

    for (std::size_t i = 0; i + 1 < solution.size(); ++i) {
        const std::string want = solution.substr(0, i + 1);
        tool({"key", keyOf(solution[i])});
        WallClock::time_point pressed = WallClock::now();
        while (moves != want) {
            ASSERT_TRUE(player.running()) << readFile(log);
            ASSERT_LT(WallClock::now(), giveUp) << "stuck after " << moves;
            ASSERT_TRUE(saveNow(moves)) << "no saved game after " << want;
            ASSERT_EQ(0u, moves.compare(0, moves.size(), want, 0, moves.size()))
                << "the game made other moves: " << moves << " for " << want;
            if (moves.size() < want.size() && WallClock::now() - pressed > std::chrono::seconds(5)) {
                // A key pressed while the level was not yet listening is
                // lost; the saved moves show it was, so press it again.
                tool({"key", keyOf(solution[i])});
                pressed = WallClock::now();
            }
        }
    }
    // The last move solves the level; the game stores the solution.
    tool({"key", keyOf(solution.back())});
    const std::string stored = user + "/solved/" + codename + ".lua";
    while (!exists(stored) && WallClock::now() < giveUp && player.running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ("\nsaved_moves = '" + solution + "'\n", readFile(stored)) << readFile(log);
    player.stop();
    server.stop();
}
