#include "game/Application.h"
#include "game/GameAgent.h"
#include "gengine/AgentPack.h"
#include "gengine/DummySoundAgent.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/SDLSoundAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/TimerAgent.h"
#include "gengine/VideoAgent.h"
#include "plan/GameState.h"
#include "plan/StateManager.h"

#include "gengine/TestSupport.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using testsupport::captureLog;
using testsupport::contains;
using testsupport::TempDir;
using testsupport::writeMediaFiles;
using testsupport::writeWorldMapFiles;
using xserver::xdotool;

namespace {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

/** The build folder: from the environment, else from where this test runs. */
std::string buildDir()
{
    const char *dir = getenv("TIDEPOOL_BINARY_DIR");
    if (dir && *dir) {
        return dir;
    }
    char self[4096];
    ssize_t size = readlink("/proc/self/exe", self, sizeof(self) - 1);
    if (size <= 0) {
        return ".";
    }
    std::string path(self, static_cast<std::size_t>(size));
    // <build>/tests/game/test_game
    for (int i = 0; i < 3; ++i) {
        path.erase(path.rfind('/'));
    }
    return path;
}

std::string binary()
{
    return buildDir() + "/src/game/tidepool";
}

/**
 * Starts the built program in dir with the given arguments; env holds
 * NAME=value settings added to the program's environment. Its output goes
 * to files in dir.
 */
pid_t startProgram(const TempDir &dir, const std::vector<std::string> &args,
                   const std::vector<std::string> &env = {})
{
    const std::string out = dir.file("stdout.txt");
    const std::string err = dir.file("stderr.txt");
    std::vector<std::string> argv = {binary()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char *> raw;
    for (std::string &arg : argv) {
        raw.push_back(&arg[0]);
    }
    raw.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int nullFd = open("/dev/null", O_RDONLY);
        if (outFd < 0 || errFd < 0 || nullFd < 0 || chdir(dir.path().c_str()) != 0) {
            _exit(127);
        }
        dup2(nullFd, 0);
        dup2(outFd, 1);
        dup2(errFd, 2);
        for (const std::string &setting : env) {
            std::string::size_type eq = setting.find('=');
            setenv(setting.substr(0, eq).c_str(), setting.substr(eq + 1).c_str(), 1);
        }
        execv(raw[0], raw.data());
        _exit(127);
    }
    return pid;
}

/** Waits for the program started in dir to end. */
ProgramRun finishProgram(const TempDir &dir, pid_t pid)
{
    int status = -1;
    waitpid(pid, &status, 0);
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = dir.read("stdout.txt");
    run.err = dir.read("stderr.txt");
    return run;
}

ProgramRun runProgram(const TempDir &dir, const std::vector<std::string> &args,
                      const std::vector<std::string> &env = {})
{
    return finishProgram(dir, startProgram(dir, args, env));
}

const char *const HELP =
    "  -h, --help               Show this help\n"
    "  -v, --version            Show version\n"
    "  -c, --config             Show config\n"
    "\n"
    "Config variables:\n"
    "  cache_images=<boolean>      Cache images (default=true)\n"
    "  fullscreen=<boolean>        Turn fullscreen on/off\n"
    "  lang=<string>               2-letter code (e.g., en, cs, fr, de)\n"
    "  loglevel=<number>           Debug with loglevel 7 (default=6)\n"
    "  show_steps=<boolean>        Show a step counter in levels\n"
    "  sound=<boolean>             Turn sound on/off\n"
    "  sound_frequency=<number>    Sound sample rate (default=44100)\n"
    "  speech=<string>             Lang for speech\n"
    "  subtitles=<boolean>         Enable subtitles\n"
    "  systemdir=<path>            Path to game data\n"
    "  userdir=<path>              Path to game data\n"
    "  volume_music=<number>       Music volume in percentage\n"
    "  volume_sound=<number>       Sound volume in percentage\n"
    "  worldmap=<string>           Path to the worldmap file\n";

TEST(ProgramCommandLine, HelpAndVersionPrintTheirTextAndSucceed)
{
    TempDir dir;
    for (const char *arg : {"-h", "--help"}) {
        ProgramRun run = runProgram(dir, {arg});
        EXPECT_EQ(0, run.status) << arg;
        EXPECT_EQ("Usage: " + binary() + " [options] [name=value ...]\n" + HELP + "\n", run.out);
    }
    ProgramRun run = runProgram(dir, {"-v"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("tidepool 0.9.3\n", run.out);
    EXPECT_EQ("", run.err);
}

TEST(ProgramCommandLine, ConfigListsEveryDocumentedParameter)
{
    TempDir dir;
    dir.write(".tidepool/script/options.lua", "setParam(\"speech\", \"de\")\n");
    ProgramRun run = runProgram(dir, {"lang=cs", "-c"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("cache_images=''\nfullscreen=''\nlang='cs'\nloglevel='6'\nshow_steps=''\n"
              "sound=''\nsound_frequency=''\nspeech='de'\nsubtitles=''\nsystemdir=''\n"
              "userdir='./.tidepool'\nvolume_music=''\nvolume_sound=''\nworldmap=''\n\n",
              run.out);
}

TEST(ProgramCommandLine, LocalesWithoutALanguageLeaveTheDefaultLanguage)
{
    TempDir dir;
    struct Case { const char *locale; const char *lang; };
    const Case cases[] = {{"C", "lang=''"}, {"C.UTF-8", "lang=''"}, {"POSIX", "lang=''"}};
    for (const Case &c : cases) {
        ProgramRun run = runProgram(dir, {"-c"}, {std::string("LC_ALL=") + c.locale});
        EXPECT_EQ(0, run.status) << c.locale;
        EXPECT_TRUE(contains(run.out, std::string("\n") + c.lang + "\n")) << c.locale << run.out;
    }
}

TEST(ProgramCommandLine, BadArgumentsEndStartUpWithAnErrorStatus)
{
    TempDir dir;
    struct Case { const char *arg; std::string logged; };
    const Case cases[] = {
        {"lang=", "ERROR unknown option; arg='lang='; use='" + binary() + " --help'\n"},
        {"timeinterval=50", "ERROR unknown option; name='timeinterval'\n"},
        {"-x", "ERROR unknown option; arg='-x'; use='" + binary() + " --help'\n"},
    };
    for (const Case &c : cases) {
        ProgramRun run = runProgram(dir, {c.arg});
        EXPECT_EQ(1, run.status) << c.arg;
        EXPECT_EQ(0u, run.err.find("src/game/main:")) << run.err;
        EXPECT_TRUE(contains(run.err, c.logged)) << run.err;
        EXPECT_EQ("", run.out);
    }
}

TEST(ProgramStartUp, MissingInitScriptIsAnError)
{
    TempDir dir;
    ProgramRun run = runProgram(dir, {"systemdir=" + dir.file("nodata")});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(0u, run.err.find("src/game/main:")) << run.err;
    EXPECT_TRUE(contains(run.err, "ERROR init file not found; path='" +
                                      dir.file("nodata/script/init.lua") + "'; systemdir='" +
                                      dir.file("nodata") + "'; userdir='./.tidepool'; "
                                      "hint='try command line option \"systemdir=path/to/data\"'\n"))
        << run.err;
}

/** The positions of the lines in text; fails for a missing line. */
std::vector<std::string::size_type> positions(const std::string &text,
                                              const std::vector<std::string> &lines)
{
    std::vector<std::string::size_type> found;
    for (const std::string &line : lines) {
        std::string::size_type pos = text.find(line);
        EXPECT_NE(std::string::npos, pos) << line << "\n" << text;
        found.push_back(pos);
    }
    return found;
}

TEST(ProgramStartUp, InitScriptThatQuitsEndsNormallyAfterAnOrderlyShutdown)
{
    TempDir dir;
    writeMediaFiles(dir.file("data"));
    writeWorldMapFiles(dir.file("data"));
    dir.write("data/script/init.lua", "sendMsg('App', 'quit')\n");
    ProgramRun run = runProgram(dir, {"systemdir=data", "loglevel=7"});
    EXPECT_EQ(0, run.status) << run.err;
    // Debug lines start with the command line's loglevel, after the script
    // and option agents have started.
    const std::vector<std::string> started = {"30video", "40sound", "50timer", "60input",
                                              "70subtitle", "80game"};
    const std::vector<std::string> stopped = {"80game", "70subtitle", "60input", "50timer",
                                              "40sound", "30video", "20option", "15script",
                                              "10messager"};
    std::vector<std::string> lines;
    for (const std::string &name : started) {
        lines.push_back("DEBUG init; name='" + name + "'\n");
    }
    for (const std::string &name : stopped) {
        lines.push_back("DEBUG shutdown; name='" + name + "'\n");
    }
    std::vector<std::string::size_type> found = positions(run.err, lines);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end())) << run.err;
    EXPECT_TRUE(contains(run.err, "src/gengine/BaseAgent:")) << run.err;
    EXPECT_FALSE(contains(run.err, "init; name='15script'")) << "logged before loglevel 7";
    EXPECT_FALSE(contains(run.err, "WARNING")) << run.err;
}

TEST(ProgramStartUp, MissingMediaFilesEndStartUpWithAnError)
{
    // The display needs its icon; the agents started so far still shut down.
    TempDir dir;
    dir.write("data/script/init.lua", "");
    ProgramRun run = runProgram(dir, {"systemdir=data", "loglevel=7"});
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(contains(run.err, "ERROR Load; file='data/images/icon.png'")) << run.err;
    EXPECT_TRUE(contains(run.err, "DEBUG shutdown; name='30video'")) << run.err;
    EXPECT_FALSE(contains(run.err, "init; name='40sound'")) << run.err;
}

TEST(ProgramStartUp, AFailingAudioDriverOnlyWarnsAndTheGameRunsSilent)
{
    TempDir dir;
    writeMediaFiles(dir.file("data"));
    writeWorldMapFiles(dir.file("data"));
    dir.write("data/script/init.lua", "sendMsg('App', 'quit')\n");
    ProgramRun run = runProgram(dir, {"systemdir=data", "loglevel=7"},
                                {"SDL_AUDIODRIVER=no_such_driver"});
    EXPECT_EQ(0, run.status) << run.err;
    // The mixer's failure is logged by the start-up sequence ...
    const std::string::size_type warning = run.err.find("WARNING Mix_OpenAudio; Mix='");
    ASSERT_NE(std::string::npos, warning) << run.err;
    const std::string::size_type lineStart = run.err.rfind('\n', warning) + 1;
    EXPECT_EQ(0, run.err.compare(lineStart, 21, "src/game/Application:")) << run.err;
    // ... and then the silent agent starts with the others, after the display.
    std::vector<std::string::size_type> found = positions(run.err, {"init; name='30video'"});
    found.push_back(warning);
    for (const char *line : {"init; name='40sound'", "init; name='50timer'",
                             "shutdown; name='40sound'"}) {
        found.push_back(run.err.find(line, warning));
    }
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end())) << run.err;
}

TEST(ProgramStartUp, FailingInitScriptIsAnErrorButStillShutsDown)
{
    TempDir dir;
    dir.write("data/script/init.lua", "setParam('x', '1')\nerror('broken start')\n");
    ProgramRun run = runProgram(dir, {"systemdir=data", "loglevel=7"});
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(contains(run.err, "ERROR script failure; error='data/script/init.lua:2: broken start"))
        << run.err;
    EXPECT_TRUE(contains(run.err, "DEBUG shutdown; name='10messager'")) << run.err;
}


TEST(ProgramWindow, RunsInARealWindowTakesKeysAndQuitsInOrderOnTermination)
{
    if (system("command -v Xvfb >/dev/null && command -v xdotool >/dev/null") != 0) {
        GTEST_SKIP() << "needs Xvfb and xdotool";
    }
    xserver::VirtualDisplay display;
    ASSERT_FALSE(display.name().empty()) << "Xvfb did not start";
    TempDir dir;
    writeMediaFiles(dir.file("data"));
    writeWorldMapFiles(dir.file("data"));
    dir.write("data/script/init.lua", "setParam('caption', 'tidepool window test')\n");
    pid_t pid = startProgram(dir, {"systemdir=data", "loglevel=7"},
                             {"DISPLAY=" + display.name(), "SDL_VIDEODRIVER=x11"});
    // The world map, the first state, sets its own caption.
    std::string window = xdotool(display.name(), "search --sync --name 'Test map'", 20);
    window = window.substr(0, window.find('\n'));
    EXPECT_FALSE(window.empty()) << dir.read("stderr.txt");
    if (!window.empty()) {
        // The global key F11 stores the opposite of "fullscreen".
        xdotool(display.name(), "windowfocus " + window, 20);
        xdotool(display.name(), "key F11", 20);
        for (int i = 0; i < 200 && !contains(dir.read(".tidepool/script/options.lua"),
                                             "setParam(\"fullscreen\", \"1\")"); ++i) {
            usleep(50000);
        }
        EXPECT_TRUE(contains(dir.read(".tidepool/script/options.lua"),
                             "setParam(\"fullscreen\", \"1\")"));
    }
    // SDL turns SIGTERM into a window close request, which quits.
    kill(pid, SIGTERM);
    ProgramRun run = finishProgram(dir, pid);
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(contains(run.err, "DEBUG received new message; msg='App->quit'")) << run.err;
    EXPECT_TRUE(contains(run.err, "DEBUG shutdown; name='10messager'")) << run.err;
    EXPECT_TRUE(contains(dir.read(".tidepool/script/options.lua"), "setParam(\"playtime\", \""));
}

/** An application started in-process on a tiny data set. */
class ApplicationTest : public testing::Test {
    protected:
        TempDir dir;
        int savedLevel = getLogLevel();
        std::unique_ptr<Application> app;
        void SetUp() override
        {
            writeMediaFiles(dir.file("data"));
            writeWorldMapFiles(dir.file("data"));
            dir.write("data/script/init.lua",
                      "setParam('from_init', 'yes')\nsetParam('timeinterval', '5')\n");
        }
        /** Builds the application and runs its start-up with these arguments. */
        void start(const std::vector<std::string> &extra = {})
        {
            std::vector<std::string> args = {"tidepool", "systemdir=" + dir.file("data"),
                                             "userdir=" + dir.file("user")};
            args.insert(args.end(), extra.begin(), extra.end());
            std::vector<const char *> argv;
            for (const std::string &arg : args) {
                argv.push_back(arg.c_str());
            }
            app.reset(new Application());
            app->init(static_cast<int>(argv.size()), argv.data());
        }
        void TearDown() override
        {
            if (app) {
                app->shutdown();
                app.reset();
            }
            setLogLevel(savedLevel);
        }
};

TEST_F(ApplicationTest, StartsWithTheInitScriptAndFollowsTheLogLevelParameter)
{
    start();
    EXPECT_EQ("yes", OptionAgent::instance()->getParam("from_init"));
    OptionAgent::instance()->setParam("loglevel", "4");
    EXPECT_EQ(4, getLogLevel());
    struct Case { int from; const char *msg; int to; };
    const Case cases[] = {
        {6, "inc_loglevel", 7}, {7, "inc_loglevel", 7}, {4, "dec_loglevel", 3},
        {3, "dec_loglevel", 3},
    };
    for (const Case &c : cases) {
        OptionAgent::instance()->setParam("loglevel", c.from);
        SimpleMsg("App", c.msg).send();
        EXPECT_EQ(c.to, getLogLevel()) << c.msg << " at " << c.from;
        EXPECT_EQ(c.to, OptionAgent::instance()->getInt("loglevel", 0));
    }
}

TEST_F(ApplicationTest, UnknownMessagesOnlyWarn)
{
    start();
    std::string log = captureLog([]() {
        SimpleMsg("App", "jump").send();
        StringMsg("App", "shout", "x").send();
        StringMsg("App", "param_changed", "lang").send();
    }, LOG_LEVEL_WARNING);
    EXPECT_TRUE(contains(log, "src/game/Application:")) << log;
    EXPECT_TRUE(contains(log, "WARNING unknown msg; msg='App->jump'\n")) << log;
    EXPECT_TRUE(contains(log, "WARNING unknown msg; msg='App->shout(\"x\")'\n")) << log;
    EXPECT_FALSE(contains(log, "param_changed")) << log;
}

TEST_F(ApplicationTest, QuitBeforeTheLoopRunsNoFrame)
{
    start();
    ScriptAgent::instance()->doString("sendMsg('App', 'quit')");
    app->run();
    EXPECT_EQ(0, TimerAgent::instance()->getCycles());
}

TEST_F(ApplicationTest, EveryAgentIsReadyAfterStartUp)
{
    start();
    for (const char *name : {"10messager", "15script", "20option", "30video", "40sound",
                             "50timer", "60input", "70subtitle", "80game"}) {
        EXPECT_NO_THROW(AgentPack::getAgent(name)) << name;
    }
}

TEST_F(ApplicationTest, SoundIsSilentWhenSwitchedOffOrWhenTheDeviceFails)
{
    struct Case { std::vector<std::string> args; const char *driver; bool silent; };
    const Case cases[] = {
        {{}, "dummy", false},
        {{"sound=0"}, "dummy", true},
        {{}, "no_such_driver", true},
        {{"sound=0"}, "no_such_driver", true},
    };
    const char *saved = getenv("SDL_AUDIODRIVER");
    const std::string savedDriver = saved ? saved : "";
    for (const Case &c : cases) {
        setenv("SDL_AUDIODRIVER", c.driver, 1);
        std::string log = captureLog([&]() { start(c.args); }, LOG_LEVEL_WARNING);
        BaseAgent *sound = AgentPack::getAgent("40sound");
        EXPECT_EQ(c.silent, dynamic_cast<DummySoundAgent *>(sound) != nullptr) << c.driver;
        EXPECT_EQ(!c.silent, dynamic_cast<SDLSoundAgent *>(sound) != nullptr) << c.driver;
        // Only the failed device is worth a warning; switching sound off is not.
        EXPECT_EQ(std::string(c.driver) != "dummy" && c.args.empty(),
                  contains(log, "WARNING Mix_OpenAudio")) << log;
        // The volumes get their defaults either way.
        EXPECT_EQ(90, OptionAgent::instance()->getInt("volume_sound", 0));
        app->shutdown();
        app.reset();
    }
    setenv("SDL_AUDIODRIVER", savedDriver.c_str(), 1);
}

/** A first state that leaves the stack after a few frames. */
class FewFramesState : public GameState {
    public:
        int updates = 0;
        int limit;
        explicit FewFramesState(int frames) : limit(frames) {}
        virtual const char *getName() const { return "state_few_frames"; }
    protected:
        virtual void ownInitState() {}
        virtual void ownUpdateState()
        {
            if (++updates == limit) {
                quitState();
            }
        }
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
};

TEST_F(ApplicationTest, TheGameRunsFramesUntilTheLastStateLeaves)
{
    start();
    GameAgent *game = AgentPack::getAgentAs<GameAgent>("80game");
    FewFramesState *state = new FewFramesState(3);
    // In place of the world map, so that the stack empties when it leaves.
    game->getManager()->changeState(game->getManager()->top(), state);
    app->run();
    // The emptied stack sends "quit"; that frame still ends.
    EXPECT_EQ(3, TimerAgent::instance()->getCycles());
    EXPECT_NE(nullptr, VideoAgent::instance()->getSurface());
}

TEST_F(ApplicationTest, PlaytimeIsStoredAtShutdown)
{
    dir.write("user/script/options.lua", "setParam(\"playtime\", \"100\")\n");
    start();
    app->shutdown();
    app.reset();
    std::string config = dir.read("user/script/options.lua");
    EXPECT_EQ(0u, config.find("-- this file is automatically generated\n")) << config;
    EXPECT_TRUE(contains(config, "setParam(\"playtime\", \"1")) << config;
}

}
