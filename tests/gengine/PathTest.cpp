#include "gengine/BaseException.h"
#include "gengine/FileSys.h"
#include "gengine/Path.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using testsupport::captureLog;
using testsupport::contains;
using testsupport::EngineCore;
using testsupport::TempDir;

namespace {

TEST(Path, LocalizesOnlyTheExtensionOfTheFileName)
{
    EngineCore core;
    struct Case { const char *lang; const char *file; const char *expected; };
    const Case cases[] = {
        {"cs", "images/title.png", "images/title__cs.png"},
        {"cs", "title.png", "title__cs.png"},
        {"cs", "a.b/c.d.png", "a.b/c.d__cs.png"},
        {"cs", "README", "README"},
        {"cs", "dir.d/file", "dir.d/file"},
        {"en", "images/title.png", "images/title.png"},
        {"", "images/title.png", "images/title.png"},
        {"de_DE", "x.lua", "x__de_DE.lua"},
    };
    for (const Case &c : cases) {
        core.options()->setParam("lang", c.lang);
        EXPECT_EQ(c.expected, Path::localizePath(c.file)) << c.lang << " " << c.file;
    }
}

TEST(Path, ReadPrefersUserOverSystemAndLocalisedOverPlain)
{
    const char *file = "images/title.png";
    struct Case {
        bool userLocal, userPlain, systemLocal;
        const char *expected;
    };
    const Case cases[] = {
        {true, true, true, "user/images/title__cs.png"},
        {false, true, true, "user/images/title.png"},
        {false, false, true, "system/images/title__cs.png"},
        {false, false, false, "system/images/title.png"},
    };
    for (const Case &c : cases) {
        EngineCore core;
        core.options()->setParam("lang", "cs");
        core.dir.write("system/images/title.png", "s");
        if (c.userLocal) core.dir.write("user/images/title__cs.png", "ul");
        if (c.userPlain) core.dir.write("user/images/title.png", "u");
        if (c.systemLocal) core.dir.write("system/images/title__cs.png", "sl");
        Path path = Path::nativePath("");
        std::string log = captureLog([&]() { path = Path::dataReadPath(file); });
        EXPECT_EQ(core.dir.file(c.expected), path.getNative());
        bool localized = contains(c.expected, "__cs");
        EXPECT_EQ(localized, contains(log, "INFO localized; path='" + core.dir.file(c.expected)))
            << log;
    }
}

TEST(Path, MissingFileReadsFromTheSystemPathWithoutCheckingIt)
{
    EngineCore core;
    Path path = Path::dataReadPath("script/none.lua");
    EXPECT_EQ(core.dir.file("system/script/none.lua"), path.getNative());
    EXPECT_FALSE(path.exists());
}

TEST(Path, WritePathCreatesTheUserTreeAndAnEmptyFileOnce)
{
    EngineCore core;
    core.options()->setParam("userdir", core.dir.file("new/user"));
    std::string log = captureLog([]() { Path::dataWritePath("saves/level.lua"); });
    EXPECT_TRUE(contains(log, "INFO creating path; path='" + core.dir.file("new/user/saves/level.lua")))
        << log;
    EXPECT_TRUE(core.dir.exists("new/user/saves/level.lua"));
    EXPECT_EQ("", core.dir.read("new/user/saves/level.lua"));
    Path again = Path::nativePath("");
    log = captureLog([&]() { again = Path::dataWritePath("saves/level.lua"); });
    EXPECT_EQ(core.dir.file("new/user/saves/level.lua"), again.getNative());
    EXPECT_FALSE(contains(log, "creating path")) << log;
}

TEST(Path, WritePathFallsBackToTheSystemPathWhenTheUserTreeCannotBeMade)
{
    EngineCore core;
    core.dir.write("blocker", "a file where a directory should be");
    core.options()->setParam("userdir", core.dir.file("blocker/user"));
    Path path = Path::nativePath("");
    std::string log = captureLog([&]() { path = Path::dataWritePath("saves/x.lua"); },
                                 LOG_LEVEL_WARNING);
    EXPECT_EQ(core.dir.file("system/saves/x.lua"), path.getNative());
    EXPECT_TRUE(contains(log, "WARNING cannot create dir; stderror='")) << log;
}

TEST(Path, EmptyDirectoriesResolveRelativeToTheCurrentDirectory)
{
    EngineCore core;
    core.options()->setParam("userdir", "");
    core.options()->setParam("systemdir", "");
    EXPECT_EQ("script/none.lua", Path::dataUserPath("script/none.lua").getNative());
    EXPECT_EQ("script/none.lua", Path::dataReadPath("script/none.lua").getNative());
}

TEST(FileSys, JoinAndExists)
{
    EXPECT_EQ("f", FileSys::join("", "f"));
    EXPECT_EQ("d/f", FileSys::join("d", "f"));
    EXPECT_EQ("./.tidepool", FileSys::join(".", ".tidepool"));
    TempDir dir;
    EXPECT_TRUE(FileSys::exists(""));
    EXPECT_TRUE(FileSys::exists(dir.path()));
    EXPECT_FALSE(FileSys::exists(dir.file("none")));
}

TEST(FileSys, CreatePathMakesEveryParentButNotTheLastName)
{
    TempDir dir;
    FileSys::createPath(dir.file("a/b/c/file"));
    EXPECT_TRUE(dir.exists("a/b/c"));
    EXPECT_FALSE(dir.exists("a/b/c/file"));
    FileSys::createPath("relative-name-without-dir");
    try {
        FileSys::createDir(dir.path());
        ADD_FAILURE() << "created an existing directory";
    } catch (const PathException &e) {
        EXPECT_EQ("cannot create dir; stderror='File exists'; dir='" + dir.path() + "'",
                  std::string(e.what()));
    }
}

TEST(FileSys, ReplaceFileKeepsTheOldFileWhenWritingFails)
{
    TempDir dir;
    dir.write("config", "old");
    FileSys::replaceFile(dir.file("config"), "new");
    EXPECT_EQ("new", dir.read("config"));
    dir.write("config.tmp/block", "");
    EXPECT_THROW(FileSys::replaceFile(dir.file("config"), "newer"), PathException);
    EXPECT_EQ("new", dir.read("config"));
    EXPECT_THROW(FileSys::replaceFile(dir.file("none/config"), "x"), PathException);
    EXPECT_THROW(FileSys::readFile(dir.file("none/config")), PathException);
}

}
