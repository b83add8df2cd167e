// Runs the shipped menu and demo scripts of data/ against recording stand-ins
// of the functions the engine registers for them, and checks what they ask
// for: every label the program uses exists in every offered language, the
// flags and demo pictures exist, and each demo's plan runs to its end
// speaking only dialogs it defined, with their speech files present.
#include "gengine/ScriptState.h"
#include "gengine/BaseException.h"

#include "SDL_ttf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" {
#include "lauxlib.h"
}

namespace {

std::string sourceDir()
{
    const char *dir = getenv("TIDEPOOL_SOURCE_DIR");
    return dir ? dir : ".";
}

std::string dataDir()
{
    return sourceDir() + "/data";
}

bool isFile(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

/** Width and height from a PNG header; (0, 0) when it is no PNG. */
std::pair<int, int> pngSize(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char head[24] = {0};
    in.read(reinterpret_cast<char *>(head), sizeof(head));
    static const unsigned char magic[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!in || !std::equal(magic, magic + 8, head)) {
        return {0, 0};
    }
    auto word = [&head](int at) {
        return (head[at] << 24) | (head[at + 1] << 16) | (head[at + 2] << 8) | head[at + 3];
    };
    return {word(16), word(20)};
}

struct DialogEntry {
    std::string lang, sound, font, text;
};

/** Everything the scripts of one run asked for. */
struct Record {
    std::map<std::string, std::map<std::string, std::string>> labels;  // name -> lang -> text
    std::vector<std::pair<std::string, std::string>> flags;            // value, picture
    std::map<std::string, std::vector<DialogEntry>> dialogs;
    std::set<std::string> fonts;
    std::vector<int> plan;
    std::vector<std::string> displayed;
    std::vector<std::pair<int, std::string>> talks;
    std::vector<std::string> errors;
};

Record *g_record = nullptr;

// The stand-ins read and check all their arguments before any C++ object
// exists, since a Lua argument error unwinds with longjmp.
int stub_label_text(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    const char *lang = luaL_checkstring(L, 2);
    const char *text = luaL_checkstring(L, 3);
    g_record->labels[name][lang] = text;
    return 0;
}

int stub_select_addFlag(lua_State *L)
{
    const char *value = luaL_checkstring(L, 1);
    const char *picture = luaL_checkstring(L, 2);
    g_record->flags.emplace_back(value, picture);
    return 0;
}

int stub_file_include(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    int failed;
    {
        std::string path = dataDir() + "/" + name;
        failed = luaL_loadfile(L, path.c_str());
    }
    if (failed) {
        return lua_error(L);
    }
    lua_call(L, 0, 0);
    return 0;
}

int stub_game_planAction(lua_State *L)
{
    luaL_checktype(L, 1, LUA_TFUNCTION);
    lua_pushvalue(L, 1);
    int ref = luaL_ref(L, LUA_REGISTRYINDEX);
    g_record->plan.push_back(ref);
    return 0;
}

int stub_dialog_addFont(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    for (int i = 2; i <= 4; ++i) {
        lua_Integer c = luaL_checkinteger(L, i);
        if (c < 0 || c > 255) {
            return luaL_error(L, "colour out of range");
        }
    }
    g_record->fonts.insert(name);
    return 0;
}

int stub_dialog_addDialog(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    const char *lang = luaL_checkstring(L, 2);
    const char *sound = luaL_checkstring(L, 3);
    const char *font = luaL_optstring(L, 4, "");
    const char *text = luaL_optstring(L, 5, "");
    g_record->dialogs[name].push_back(DialogEntry{lang, sound, font, text});
    return 0;
}

int stub_model_talk(lua_State *L)
{
    lua_Integer actor = luaL_checkinteger(L, 1);
    const char *name = luaL_checkstring(L, 2);
    luaL_optinteger(L, 3, 75);
    luaL_optinteger(L, 4, 0);
    g_record->talks.emplace_back(static_cast<int>(actor), name);
    return 0;
}

int stub_false(lua_State *L)
{
    lua_pushboolean(L, 0);
    return 1;
}

int stub_nothing(lua_State *)
{
    return 0;
}

int stub_options_getParam(lua_State *L)
{
    luaL_checkstring(L, 1);
    lua_pushnil(L);
    return 1;
}

int stub_demo_display(lua_State *L)
{
    const char *picture = luaL_checkstring(L, 1);
    luaL_checkinteger(L, 2);
    luaL_checkinteger(L, 3);
    g_record->displayed.push_back(picture);
    return 0;
}

/** Runs one data script with the stand-ins; returns the script error or "". */
std::string runScript(ScriptState &script, Record &record, const std::string &file)
{
    g_record = &record;
    script.registerFunc("file_include", stub_file_include);
    script.registerFunc("label_text", stub_label_text);
    script.registerFunc("select_addFlag", stub_select_addFlag);
    script.registerFunc("game_planAction", stub_game_planAction);
    script.registerFunc("game_isPlanning", stub_false);
    script.registerFunc("game_killPlan", stub_nothing);
    script.registerFunc("dialog_isDialog", stub_false);
    script.registerFunc("dialog_addFont", stub_dialog_addFont);
    script.registerFunc("dialog_addDialog", stub_dialog_addDialog);
    script.registerFunc("model_isTalking", stub_false);
    script.registerFunc("model_talk", stub_model_talk);
    script.registerFunc("model_killSound", stub_nothing);
    script.registerFunc("sound_playMusic", stub_nothing);
    script.registerFunc("sound_stopMusic", stub_nothing);
    script.registerFunc("options_getParam", stub_options_getParam);
    script.registerFunc("demo_display", stub_demo_display);
    try {
        script.doString("dofile = nil; loadfile = nil");
        script.doString(std::string("file_include(") + ScriptState::toLuaString(file) + ")");
    } catch (BaseException &e) {
        return e.what();
    }
    return "";
}

std::vector<std::string> listDir(const std::string &dir)
{
    std::vector<std::string> names;
    if (DIR *d = opendir(dir.c_str())) {
        while (struct dirent *entry = readdir(d)) {
            names.push_back(entry->d_name);
        }
        closedir(d);
    }
    return names;
}

/** Label names the program asks for by a literal, found in the sources. */
std::set<std::string> labelsUsedInSources()
{
    std::set<std::string> used = {
        "help", "menu_sound", "menu_music", "menu_lang", "menu_speech", "menu_subtitles", "menu_back",
        "solver_better", "solver_equals", "solver_worse",
    };
    std::regex call("(getLabel|getFormatted)\\s*\\(\\s*\"([A-Za-z0-9_]+)\"");
    std::regex tip("\"((menu|solver)_[a-z_]+)\"");
    std::string menuDir = sourceDir() + "/src/menu";
    for (const char *folder : {"menu", "widget", "level", "game", "plan"}) {
        std::string dir = sourceDir() + "/src/" + folder;
        for (const std::string &name : listDir(dir)) {
            if (name.size() < 4 || name.compare(name.size() - 4, 4, ".cpp") != 0) {
                continue;
            }
            std::ifstream in(dir + "/" + name);
            std::stringstream text;
            text << in.rdbuf();
            std::string code = text.str();
            for (std::sregex_iterator it(code.begin(), code.end(), call), end; it != end; ++it) {
                used.insert((*it)[2]);
            }
            if (dir == menuDir) {
                for (std::sregex_iterator it(code.begin(), code.end(), tip), end; it != end; ++it) {
                    used.insert((*it)[1]);
                }
            }
        }
    }
    return used;
}

Record readFlags(const std::string &file)
{
    ScriptState script;
    Record record;
    EXPECT_EQ("", runScript(script, record, file));
    return record;
}

}  // namespace

TEST(DataScriptTest, FlagListsOfferPicturesOfOneSizeAndDistinctValues)
{
    for (const std::string file : {"script/select_lang.lua", "script/select_speech.lua"}) {
        SCOPED_TRACE(file);
        Record record = readFlags(file);
        ASSERT_GE(record.flags.size(), 2u);
        std::set<std::string> values;
        std::pair<int, int> first = pngSize(dataDir() + "/" + record.flags[0].second);
        for (const auto &flag : record.flags) {
            EXPECT_TRUE(values.insert(flag.first).second) << "twice: " << flag.first;
            std::pair<int, int> size = pngSize(dataDir() + "/" + flag.second);
            EXPECT_GT(size.first, 0) << flag.second << " is missing or no PNG";
            EXPECT_EQ(first, size) << flag.second << " differs in size from the first flag";
        }
    }
}

TEST(DataScriptTest, EveryUsedLabelExistsInEveryOfferedLanguage)
{
    ScriptState script;
    Record record;
    ASSERT_EQ("", runScript(script, record, "script/labels.lua"));
    Record langs = readFlags("script/select_lang.lua");
    ASSERT_FALSE(langs.flags.empty());
    for (const std::string &name : labelsUsedInSources()) {
        for (const auto &flag : langs.flags) {
            const std::string &text = record.labels[name][flag.first];
            EXPECT_FALSE(text.empty()) << "label " << name << " has no text in " << flag.first;
        }
    }
    // The pedometer fills in the best solution's moves and author; "better"
    // is also shown when no best solution is known, so it may name neither.
    for (const auto &byLang : record.labels["solver_better"]) {
        EXPECT_EQ(std::string::npos, byLang.second.find('%')) << byLang.first;
    }
    for (const std::string name : {"solver_equals", "solver_worse"}) {
        for (const auto &byLang : record.labels[name]) {
            EXPECT_NE(std::string::npos, byLang.second.find("%1")) << name << " " << byLang.first;
        }
    }
}

TEST(DataScriptTest, HelpTextFitsTheDisplay)
{
    ScriptState script;
    Record record;
    ASSERT_EQ("", runScript(script, record, "script/labels.lua"));
    std::string font = dataDir() + "/font/font_menu.ttf";
    if (!isFile(font)) {
        GTEST_SKIP() << "the build puts the fonts in place";
    }
    ASSERT_EQ(0, TTF_Init());
    TTF_Font *menuFont = TTF_OpenFont(font.c_str(), 14);
    ASSERT_NE(nullptr, menuFont);
    for (const auto &byLang : record.labels["help"]) {
        std::istringstream lines(byLang.second);
        std::string line;
        int height = 0;
        while (std::getline(lines, line)) {
            int w = 0, h = 0;
            ASSERT_EQ(0, TTF_SizeUTF8(menuFont, line.empty() ? " " : line.c_str(), &w, &h));
            EXPECT_LE(w + 2, 300) << byLang.first << ": too wide: " << line;
            height += h + 2;
        }
        EXPECT_LE(height, 240) << byLang.first;
    }
    TTF_CloseFont(menuFont);
    TTF_Quit();
}

TEST(DataScriptTest, DemosPlanToTheirEndWithWhatTheyDefine)
{
    std::vector<std::string> demos = {"script/share/demo_intro.lua"};
    for (const std::string &name : listDir(dataDir() + "/script/share")) {
        if (name.compare(0, 7, "poster_") == 0 && name.size() > 4 && name.compare(name.size() - 4, 4, ".lua") == 0) {
            demos.push_back("script/share/" + name);
        }
    }
    ASSERT_GE(demos.size(), 3u) << "the intro and at least two posters";
    for (const std::string &file : demos) {
        SCOPED_TRACE(file);
        ScriptState script;
        Record record;
        ASSERT_EQ("", runScript(script, record, file));
        // The first picture is shown while the script runs, so the screen
        // has the picture's size from the demo's first frame on.
        ASSERT_FALSE(record.displayed.empty());
        EXPECT_FALSE(record.plan.empty());
        int steps = 0;
        for (std::size_t i = 0; i < record.plan.size(); ++i) {
            int count = 0;
            bool done = false;
            while (!done && steps < 100000) {
                ASSERT_NO_THROW(done = script.callCommand(record.plan[i], count));
                ++count;
                ++steps;
            }
            ASSERT_TRUE(done) << "planned step " << i << " never ends";
        }
        std::pair<int, int> first = pngSize(dataDir() + "/" + record.displayed[0]);
        EXPECT_EQ(std::make_pair(320, 240), first) << record.displayed[0];
        for (const std::string &picture : record.displayed) {
            EXPECT_EQ(first, pngSize(dataDir() + "/" + picture)) << picture;
        }
        ASSERT_FALSE(record.talks.empty());
        for (const auto &talk : record.talks) {
            const std::vector<DialogEntry> &entries = record.dialogs[talk.second];
            std::set<std::string> langs;
            for (const DialogEntry &entry : entries) {
                langs.insert(entry.lang);
                EXPECT_FALSE(entry.text.empty()) << talk.second << " " << entry.lang;
                EXPECT_EQ(1u, record.fonts.count(entry.font)) << talk.second << ": no colour " << entry.font;
                EXPECT_TRUE(entry.sound.empty() || isFile(dataDir() + "/" + entry.sound))
                    << talk.second << ": missing " << entry.sound;
            }
            EXPECT_EQ((std::set<std::string>{"cs", "en"}), langs) << talk.second;
        }
    }
}
