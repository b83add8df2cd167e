#include "level/LevelFile.h"

#include "gengine/BaseException.h"

#include "lua.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/** Runs `chunk` in a fresh Lua state and returns the global `name`. */
std::string readBack(const std::string &chunk, const char *name)
{
    lua_State *L = luaL_newstate();
    std::string result = "<load error>";
    if (luaL_loadbuffer(L, chunk.data(), chunk.size(), "chunk") == 0 && lua_pcall(L, 0, 0, 0) == 0) {
        lua_getglobal(L, name);
        size_t size = 0;
        const char *text = lua_tolstring(L, -1, &size);
        result = text ? std::string(text, size) : "<not a string>";
    }
    lua_close(L);
    return result;
}

std::string slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class TempDir {
    public:
        TempDir()
        {
            char pattern[] = "/tmp/tidepool-levelfile-XXXXXX";
            m_path = ::mkdtemp(pattern);
        }
        ~TempDir() { std::system(("rm -rf '" + m_path + "'").c_str()); }
        const std::string &path() const { return m_path; }
    private:
        std::string m_path;
};

const std::string awkwardTexts[] = {
    "uuDDlrLR",
    "it's",
    "a\\b",
    "say \"hi\"",
    "]]",
    "[[x]]",
    "a]",
    "\nleading newline",
    "line\r\nend",
    std::string("nul\0byte", 8),
    "\x01\x1f\x7f",
    "digit after escape \x01" "7",
    "\xc3\xa9t\xc3\xa9",
};

TEST(LevelFile, OrdinarySymbolsKeepTheirBytes)
{
    EXPECT_EQ("uuDDlrLR", LevelFile::escapeLua("uuDDlrLR", '\''));
    EXPECT_EQ("", LevelFile::escapeLua("", '"'));
    EXPECT_EQ("CODENAME = [[cellar]]", LevelFile::codenameChunk("cellar"));
}

TEST(LevelFile, EveryTextReadsBackUnchangedInBothQuotes)
{
    for (const std::string &text : awkwardTexts) {
        EXPECT_EQ(text, readBack("x = '" + LevelFile::escapeLua(text, '\'') + "'", "x"));
        EXPECT_EQ(text, readBack("x = \"" + LevelFile::escapeLua(text, '"') + "\"", "x"));
    }
}

TEST(LevelFile, EveryCodenameReadsBackUnchanged)
{
    for (const std::string &text : awkwardTexts) {
        EXPECT_EQ(text, readBack(LevelFile::codenameChunk(text), "CODENAME"));
    }
}

TEST(LevelFile, RefusesCodenamesThatLeaveTheirFolder)
{
    struct Case { std::string name; bool safe; };
    const Case cases[] = {
        {"cellar", true}, {"two words", true}, {"dots..inside", true}, {".hidden", true},
        {"", false}, {".", false}, {"..", false}, {"../escape", false}, {"a/b", false},
        {"/abs", false}, {"back\\slash", false}, {std::string("nul\0x", 5), false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.safe, LevelFile::isSafeCodename(c.name)) << c.name;
    }
}

TEST(LevelFile, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporary)
{
    TempDir dir;
    std::string path = dir.path() + "/saved.lua";
    LevelFile::writeAtomic(path, "old content that is longer");
    LevelFile::writeAtomic(path, "new");
    EXPECT_EQ("new", slurp(path));
    std::string listing;
    FILE *ls = ::popen(("ls -A '" + dir.path() + "'").c_str(), "r");
    char buffer[256];
    while (std::fgets(buffer, sizeof(buffer), ls)) {
        listing += buffer;
    }
    ::pclose(ls);
    EXPECT_EQ("saved.lua\n", listing);
}

TEST(LevelFile, AtomicWriteIntoAMissingFolderThrowsAndKeepsNothing)
{
    TempDir dir;
    std::string path = dir.path() + "/missing/saved.lua";
    try {
        LevelFile::writeAtomic(path, "x");
        FAIL() << "no exception";
    } catch (const PathException &e) {
        const std::string what = e.what();
        EXPECT_EQ(0u, what.find("cannot write file; ")) << what;
        EXPECT_NE(std::string::npos, what.find("file='" + path + "'")) << what;
    }
    struct stat info;
    EXPECT_NE(0, ::stat(path.c_str(), &info));
}

}
