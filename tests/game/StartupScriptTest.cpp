#include "gengine/TestSupport.h"

#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ScriptAgent.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

/** Runs the shipped start-up script after "lang" and "speech" were set. */
std::string startWith(const char *name, const char *value, const char *other = nullptr)
{
    testsupport::EngineCore core;
    const char *source = std::getenv("TIDEPOOL_SOURCE_DIR");
    EXPECT_NE(nullptr, source);
    std::ifstream shipped(std::string(source) + "/data/script/init.lua");
    std::stringstream text;
    text << shipped.rdbuf();
    core.dir.write("system/script/init.lua", text.str());
    core.options()->setParam(name, value);
    core.script()->doFile(Path::dataReadPath("script/init.lua"));
    return core.options()->getParam(other ? other : name);
}

TEST(StartupScript, LocaleLanguagesAreCutToTheLanguagesOfTheDataSet)
{
    const struct { const char *given; const char *kept; } cases[] = {
        {"cs_CZ.UTF-8", "cs"},
        {"cs_CZ", "cs"},
        {"en_GB", "en"},
        {"CS_cz", "cs"},
        {"cs", "cs"},
        {"de_DE", "de_DE"},      // not in the data set: dialogs fall back by prefix
        {"c", "c"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.kept, startWith("lang", c.given)) << c.given;
        EXPECT_EQ(c.kept, startWith("speech", c.given)) << c.given;
    }
    // Each parameter on its own: a short speech language leaves "lang" absent.
    EXPECT_EQ("", startWith("speech", "cs_CZ", "lang"));
}

} // namespace
