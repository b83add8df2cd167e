#include "game/Application.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"

#include "gengine/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using testsupport::captureLog;
using testsupport::contains;
using testsupport::TempDir;

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

/** Runs the built program in dir with the given arguments. */
ProgramRun runProgram(const TempDir &dir, const std::vector<std::string> &args)
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
        execv(raw[0], raw.data());
        _exit(127);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = dir.read("stdout.txt");
    run.err = dir.read("stderr.txt");
    return run;
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

TEST(ProgramStartUp, InitScriptThatQuitsEndsNormallyAfterAnOrderlyShutdown)
{
    TempDir dir;
    dir.write("data/script/init.lua", "sendMsg('App', 'quit')\n");
    ProgramRun run = runProgram(dir, {"systemdir=data", "loglevel=7"});
    EXPECT_EQ(0, run.status) << run.err;
    std::vector<std::string> events;
    for (const char *line : {"DEBUG init; name='50timer'", "DEBUG shutdown; name='50timer'",
                             "DEBUG shutdown; name='20option'", "DEBUG shutdown; name='15script'",
                             "DEBUG shutdown; name='10messager'"}) {
        std::string::size_type pos = run.err.find(line);
        EXPECT_NE(std::string::npos, pos) << line << "\n" << run.err;
        events.push_back(std::to_string(pos + 1000000000));
    }
    EXPECT_TRUE(std::is_sorted(events.begin(), events.end())) << run.err;
    EXPECT_TRUE(contains(run.err, "src/gengine/BaseAgent:")) << run.err;
    EXPECT_FALSE(contains(run.err, "init; name='15script'")) << "logged before loglevel 7";
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


/** An application started in-process on a tiny data set. */
class ApplicationTest : public testing::Test {
    protected:
        TempDir dir;
        int savedLevel = getLogLevel();
        std::unique_ptr<Application> app;
        void SetUp() override
        {
            dir.write("data/script/init.lua", "setParam('from_init', 'yes')\n");
            const std::string system = "systemdir=" + dir.file("data");
            const std::string user = "userdir=" + dir.file("user");
            const char *argv[] = {"tidepool", system.c_str(), user.c_str()};
            app.reset(new Application());
            app->init(3, argv);
        }
        void TearDown() override
        {
            app->shutdown();
            app.reset();
            setLogLevel(savedLevel);
        }
};

TEST_F(ApplicationTest, StartsWithTheInitScriptAndFollowsTheLogLevelParameter)
{
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

TEST_F(ApplicationTest, QuitEndsTheLoopAfterTheCurrentFrame)
{
    ScriptAgent::instance()->doString("sendMsg('App', 'quit')");
    app->run();
    SUCCEED();
}

}
