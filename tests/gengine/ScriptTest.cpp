#include "gengine/LuaGuard.h"
#include "gengine/MessagerAgent.h"
#include "gengine/Path.h"
#include "gengine/ScriptState.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testsupport::contains;
using testsupport::EngineCore;

namespace {

/** The text under "error" of a failing script, or "(no failure)". */
template <class Fn> std::string scriptError(Fn fn)
{
    try {
        fn();
    } catch (const ScriptException &e) {
        const std::string what = e.what();
        const std::string prefix = "script failure; error='";
        EXPECT_EQ(0u, what.find(prefix)) << what;
        return what.substr(prefix.size(), what.size() - prefix.size() - 1);
    }
    return "(no failure)";
}

TEST(ScriptState, GlobalsPersistAcrossChunks)
{
    testsupport::TempDir dir;
    dir.write("use.lua", "result = counter * 2\n");
    Scripter scripter;
    scripter.doString("counter = 21");
    scripter.doFile(Path::nativePath(dir.file("use.lua")));
    scripter.doString("assert(result == 42)");
    EXPECT_EQ("(no failure)", scriptError([&]() { scripter.doString("assert(result == 42)"); }));
}

TEST(ScriptState, OnlyTheSafeLibrariesAreOpen)
{
    ScriptState state;
    state.doString("assert(string.rep and math.floor and table.insert and coroutine.create)");
    state.doString("assert(io == nil and os == nil and debug == nil and require == nil)");
}

TEST(ScriptState, RunTimeErrorCarriesPositionMessageAndTraceback)
{
    ScriptState state;
    EXPECT_EQ("[string \"local x = 1...\"]:2: boom\n"
              "stack traceback:\n"
              "\t[C]: in function `error'\n"
              "\t[string \"local x = 1...\"]:2: in main chunk",
              scriptError([&]() { state.doString("local x = 1\nerror('boom')"); }));
}

TEST(ScriptState, ErrorValuesThatAreNotText)
{
    ScriptState state;
    EXPECT_EQ("(error with no message)", scriptError([&]() { state.doString("error({})"); }));
    EXPECT_EQ(0u, scriptError([&]() { state.doString("error(42, 0)"); }).find("42\nstack traceback:"));
}

TEST(ScriptState, SyntaxErrorHasNoTraceback)
{
    testsupport::TempDir dir;
    dir.write("bad.lua", "x = = 1\n");
    ScriptState state;
    std::string error = scriptError([&]() { state.doFile(Path::nativePath(dir.file("bad.lua"))); });
    EXPECT_EQ(0u, error.find(dir.file("bad.lua") + ":1: unexpected symbol")) << error;
    EXPECT_FALSE(contains(error, "stack traceback")) << error;
    EXPECT_TRUE(contains(scriptError([&]() {
        state.doFile(Path::nativePath(dir.file("none.lua")));
    }), "cannot open")) << "missing file";
}

TEST(ScriptState, DeepRecursionShowsTwelveLevelsThenTheLastTen)
{
    ScriptState state;
    std::string error = scriptError([&]() {
        state.doString("local function down(n)\n"
                       "  if n == 0 then error('deep') end\n"
                       "  down(n - 1)\n"
                       "  return 0\n"
                       "end\n"
                       "down(29)\n");
    });
    const std::string chunk = "[string \"local function down(n)...\"]";
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start <= error.size()) {
        std::string::size_type end = error.find('\n', start);
        if (end == std::string::npos) end = error.size();
        lines.push_back(error.substr(start, end - start));
        start = end + 1;
    }
    // 30 calls of down, the error function and the main chunk: 32 levels.
    ASSERT_EQ(2u + 12 + 1 + 10, lines.size()) << error;
    EXPECT_EQ(chunk + ":2: deep", lines[0]);
    EXPECT_EQ("stack traceback:", lines[1]);
    EXPECT_EQ("\t[C]: in function `error'", lines[2]);
    const std::string inDown = "\t" + chunk + ":3: in function <" + chunk + ":1>";
    EXPECT_EQ("\t" + chunk + ":2: in function <" + chunk + ":1>", lines[3]);
    for (int i = 4; i < 14; ++i) {
        EXPECT_EQ(inDown, lines[i]) << i;
    }
    EXPECT_EQ("\t...", lines[14]);
    for (int i = 15; i < 23; ++i) {
        EXPECT_EQ(inDown, lines[i]) << i;
    }
    // Called from the main chunk, down is a named local; inside itself an upvalue.
    EXPECT_EQ("\t" + chunk + ":3: in function `down'", lines[23]);
    EXPECT_EQ("\t" + chunk + ":6: in main chunk", lines[24]);
}

TEST(ScriptState, CommandMustReturnABoolean)
{
    ScriptState state;
    lua_State *L = state.getState();
    struct Case { const char *code; const char *got; bool result; };
    const Case cases[] = {
        {"return function(n) return n == 3 end", nullptr, true},
        {"return function(n) return n == 4 end", nullptr, false},
        {"return function(n) end", "nil", false},
        {"return function(n) return n end", "number", false},
    };
    for (const Case &c : cases) {
        luaL_loadstring(L, c.code);
        lua_call(L, 0, 1);
        int ref = luaL_ref(L, LUA_REGISTRYINDEX);
        int top = lua_gettop(L);
        if (c.got) {
            try {
                state.callCommand(ref, 3);
                ADD_FAILURE() << c.code;
            } catch (const ScriptException &e) {
                EXPECT_EQ(std::string("script command failure - boolean expected; got='") +
                              c.got + "'",
                          e.what());
            }
        } else {
            EXPECT_EQ(c.result, state.callCommand(ref, 3)) << c.code;
        }
        EXPECT_EQ(top, lua_gettop(L)) << "the stack is balanced";
        state.unref(ref);
    }
    state.unref(-1);
}

TEST(ScriptState, LuaStringLiteralsReadBackUnchanged)
{
    ScriptState state;
    const std::string texts[] = {
        "", "plain", "say \"hi\"", "back\\slash", "a\nb\r\n", "\t\x01\x1f\x7f" "9",
        std::string("nul\0" "0", 5), "\xff\xfe utf-8 \xc5\xbe", "]] [[",
    };
    for (const std::string &text : texts) {
        state.doString("value = " + ScriptState::toLuaString(text));
        lua_getglobal(state.getState(), "value");
        size_t size = 0;
        const char *read = lua_tolstring(state.getState(), -1, &size);
        EXPECT_EQ(text, std::string(read, size));
        lua_pop(state.getState(), 1);
    }
    EXPECT_EQ("\"a\\\"b\\n\"", ScriptState::toLuaString("a\"b\n"));
}

int g_liveObjects = 0;

struct Counted {
    Counted() { ++g_liveObjects; }
    ~Counted() { --g_liveObjects; }
};

int script_throwing(lua_State *L)
{
    int kind = static_cast<int>(luaL_checkinteger(L, 1));
    return luaGuard(L, [&]() -> int {
        Counted alive;
        std::string text(100, 'x');
        if (kind == 1) {
            throw LogicException(InfoText("broken").addValue("kind", kind));
        }
        if (kind == 2) {
            throw 7;
        }
        lua_pushinteger(L, kind * 2);
        return 1;
    });
}

int script_leaderName(lua_State *L)
{
    Scripter *leader = getLeader(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, leader != nullptr);
        return 1;
    });
}

TEST(LuaGuard, TurnsExceptionsIntoLuaErrorsAfterTheObjectsAreGone)
{
    Scripter scripter;
    scripter.registerFunc("throwing", script_throwing);
    scripter.doString("assert(throwing(3) == 6)");
    EXPECT_EQ(0u, scriptError([&]() { scripter.doString("throwing(1)"); })
                      .find("[string \"throwing(1)\"]:1: broken; kind=1\nstack traceback:"));
    EXPECT_EQ(0u, scriptError([&]() { scripter.doString("throwing(2)"); })
                      .find("[string \"throwing(2)\"]:1: unknown exception\n"));
    EXPECT_TRUE(contains(scriptError([&]() { scripter.doString("throwing('x')"); }),
                         "bad argument #1 to 'throwing' (number expected, got string)"));
    EXPECT_EQ(0, g_liveObjects);
}

TEST(LuaGuard, LeaderIsTheOwningScripter)
{
    Scripter scripter;
    scripter.registerFunc("hasLeader", script_leaderName);
    scripter.doString("assert(hasLeader())");
    ScriptState orphan;
    orphan.registerFunc("hasLeader", script_leaderName);
    EXPECT_EQ(0u, scriptError([&]() { orphan.doString("hasLeader()"); })
                      .find("no leader; key='script_leader'\nstack traceback:"));
}

class Recorder : public BaseListener {
    public:
        std::vector<std::string> got;
        virtual const char *getName() const { return "App"; }
        virtual void receiveSimple(const SimpleMsg *msg) { got.push_back(msg->describe()); }
        virtual void receiveString(const StringMsg *msg) { got.push_back(msg->describe()); }
};

class GlobalScriptTest : public testing::Test {
    protected:
        EngineCore core;
        Recorder app;
        void SetUp() override { MessagerAgent::instance()->addListener(&app); }
        void TearDown() override { MessagerAgent::instance()->removeListener("App"); }
        void run(const std::string &code) { core.script()->doString(code); }
};

TEST_F(GlobalScriptTest, SendMsgBuildsTheMessageFromItsArguments)
{
    run("sendMsg('App', 'quit')");
    run("sendMsg('App', 'param_changed', 'loglevel')");
    run("sendMsg('App', 'volume', 30)");
    run("sendMsg('App', 'flush_stdout', true)");
    EXPECT_EQ((std::vector<std::string>{"App->quit", "App->param_changed(\"loglevel\")",
                                        "App->volume(\"30\")", "App->flush_stdout"}),
              app.got);
    EXPECT_TRUE(contains(scriptError([&]() { run("sendMsg('nobody', 'quit')"); }),
                         ":1: cannot find listener; name='nobody'\n"));
}

TEST_F(GlobalScriptTest, SetParamAndGetParam)
{
    run("setParam('volume_music', 30)");
    EXPECT_EQ("30", core.options()->getParam("volume_music"));
    EXPECT_TRUE(contains(scriptError([&]() { run("setParam('sound', true)"); }),
                         "bad argument #2 to 'setParam' (string expected, got boolean)"));
    core.options()->setParam("empty", "");
    run("assert(getParam('volume_music') == '30')");
    run("assert(getParam('absent') == nil)");
    run("assert(getParam('empty') == nil)");
}

TEST_F(GlobalScriptTest, FileFunctionsLookInTheDataDirectories)
{
    core.dir.write("system/script/only.lua", "included = (included or 0) + 1\n");
    run("assert(file_exists('script/only.lua'))");
    run("assert(not file_exists('script/none.lua'))");
    run("file_include('script/only.lua')");
    run("assert(included == 1)");
    EXPECT_TRUE(contains(scriptError([&]() { run("file_include('script/none.lua')"); }),
                         "script failure"));
}

TEST_F(GlobalScriptTest, DostringMessageRunsCodeAndReportsFailureToTheSender)
{
    StringMsg("15script", "dostring", "setParam('from', 'console')").send();
    EXPECT_EQ("console", core.options()->getParam("from"));
    EXPECT_THROW(StringMsg("15script", "dostring", "error('x')").send(), ScriptException);
    EXPECT_THROW(StringMsg("15script", "other", "").send(), UnknownMsgException);
}

}
