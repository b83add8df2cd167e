#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/SDLException.h"

#include "SDL.h"

#include <gtest/gtest.h>

namespace {

class LogLevelGuard {
    public:
        LogLevelGuard() : m_saved(getLogLevel()) {}
        ~LogLevelGuard() { setLogLevel(m_saved); }
    private:
        int m_saved;
};

std::string logged(int level, int threshold)
{
    LogLevelGuard guard;
    setLogLevel(threshold);
    testing::internal::CaptureStderr();
    writeLog(level, "src/gengine/Environ", 42, InfoText("hello").addValue("x", 1));
    return testing::internal::GetCapturedStderr();
}

TEST(InfoText, ChainsQuotedTextAndPlainIntegers)
{
    EXPECT_EQ("setParam; param='sound'; value='0'",
              InfoText("setParam").addValue("param", "sound").addValue("value", "0").text());
    EXPECT_EQ("unknown key; keyIndex=9", InfoText("unknown key").addValue("keyIndex", 9).text());
}

TEST(WriteLog, FiltersByLevelAndNamesEachLevel)
{
    struct Case { int level; int threshold; const char *expected; };
    const Case cases[] = {
        {7, 6, ""},
        {6, 6, "src/gengine/Environ:42: INFO hello; x=1\n"},
        {5, 6, "src/gengine/Environ:42: UNKNOWN hello; x=1\n"},
        {4, 6, "src/gengine/Environ:42: WARNING hello; x=1\n"},
        {3, 3, "src/gengine/Environ:42: ERROR hello; x=1\n"},
        {4, 3, ""},
        {7, 7, "src/gengine/Environ:42: DEBUG hello; x=1\n"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.expected, logged(c.level, c.threshold)) << c.level << " at " << c.threshold;
    }
}

TEST(WriteLog, MacroNamesTheSourceFileWithoutRootOrExtension)
{
    EXPECT_EQ("tests/gengine/LogTest", logSourceName(__FILE__));
    EXPECT_EQ("src/gengine/Environ", logSourceName("/elsewhere/tree/src/gengine/Environ.cpp"));
    EXPECT_EQ("src/a.b/Name", logSourceName("src/a.b/Name"));
}

TEST(Exceptions, LibraryErrorsAppendTheLibraryText)
{
    SDL_SetError("no video");
    SDLException e(InfoText("SetVideoMode").addValue("width", 320).addValue("height", 240)
                   .addValue("bpp", 16));
    EXPECT_STREQ("SetVideoMode; width=320; height=240; bpp=16; SDL='no video'", e.what());
    SDL_SetError("bad font");
    EXPECT_STREQ("Init; TTF='bad font'", TTFException(InfoText("Init")).what());
    LayoutException layout(InfoText("bad shape"));
    const BaseException &base = layout;
    EXPECT_EQ("bad shape", base.info().text());
}

}
