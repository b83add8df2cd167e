#include "menu/MenuFixture.h"

#include "menu/Labels.h"
#include "gengine/BaseException.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/TestSupport.h"

#include <gtest/gtest.h>

using testsupport::captureLog;
using testsupport::contains;

class LabelsTest : public MenuFixture {
    protected:
        Path labelsFile() const { return Path::dataReadPath("script/labels.lua"); }
};

TEST_F(LabelsTest, LabelComesInThePlayersLanguageElseInEnglish)
{
    struct Case {
        const char *lang;
        const char *name;
        const char *expected;
    };
    const Case cases[] = {
        {"en", "menu_music", "Music"},
        {"cs", "menu_music", "Hudba"},
        {"cs_CZ", "menu_music", "Hudba"},
        {"cs", "menu_sound", "Sound"},
        {"", "menu_back", "Back"},
        {"de", "menu_back", "Back"},
    };
    Labels labels(labelsFile());
    for (const Case &c : cases) {
        OptionAgent::instance()->setParam("lang", c.lang);
        EXPECT_EQ(c.expected, labels.getLabel(c.name)) << c.lang << " " << c.name;
    }
}

TEST_F(LabelsTest, MissingLabelShowsQuestionMarksAndIsLogged)
{
    Labels labels(labelsFile());
    std::string shown;
    std::string log = captureLog([&]() { shown = labels.getLabel("menu_nothing"); });
    EXPECT_EQ("???", shown);
    EXPECT_TRUE(contains(log, "cannot find dialog")) << log;
    EXPECT_EQ("???", labels.getFormatted("menu_nothing", {"menu_nothing", "1"}));
}

TEST_F(LabelsTest, FormattedLabelTakesTheArgumentsAfterTheName)
{
    Labels labels(labelsFile());
    EXPECT_EQ("12 steps, best 9", labels.getFormatted("steps", {"steps", "12", "9"}));
    EXPECT_EQ("12 steps, best %2", labels.getFormatted("steps", {"steps", "12"}));
}

TEST_F(LabelsTest, BadLabelsFileThrows)
{
    const char *const scripts[] = {
        "label_text('menu_music', 'en')",
        "label_text('menu_music', 'en', {})",
        "label_text('menu_music', 'en', 'Music'",
        "error('broken labels')",
    };
    for (const char *script : scripts) {
        writeData("script/bad.lua", script);
        EXPECT_THROW(Labels(Path::dataReadPath("script/bad.lua")), BaseException) << script;
    }
}
