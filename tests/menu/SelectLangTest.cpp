#include "menu/MenuFixture.h"

#include "menu/SelectLang.h"
#include "widget/HBox.h"
#include "gengine/BaseException.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> rowSizes(const SelectLang &select)
{
    std::vector<int> sizes;
    for (int i = 0; i < select.countWidgets(); ++i) {
        sizes.push_back(static_cast<const WiBox *>(select.getWidget(i))->countWidgets());
    }
    return sizes;
}

}

class SelectLangTest : public MenuFixture {};

TEST_F(SelectLangTest, RowTakesFlagsUntilItIsWiderThan200Pixels)
{
    struct Case {
        int count;
        int pictureW;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {6, 48, {4, 2}},    // 4 x 56 = 224 passes 200
        {6, 42, {5, 1}},    // 4 x 50 = 200 does not
        {4, 48, {4, 0}},    // the row that passed stays; an empty one follows
        {2, 48, {2}},
        {0, 48, {0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " flags of " << c.pictureW);
        writeFlags("script/select_test.lua", c.count, c.pictureW);
        SelectLang select("lang", Path::dataReadPath("script/select_test.lua"));
        EXPECT_EQ(c.rows, rowSizes(select));
    }
}

TEST_F(SelectLangTest, FlagsAreRadioBoxesOfTheParameterWithTheValueAsTip)
{
    SelectLang select("speech", Path::dataReadPath("script/select_lang.lua"));
    select.setShift(V2(10, 10));
    ASSERT_EQ(224, select.getW());
    ASSERT_EQ(56, select.getH());

    EXPECT_EQ("cs", IWidget::getTipAt(&select, V2(10 + 56 + 5, 15)));
    EXPECT_EQ("sv", IWidget::getTipAt(&select, V2(10 + 56 + 5, 10 + 28 + 5)));
    EXPECT_EQ("", IWidget::getTipAt(&select, V2(10 + 2 * 56 + 5, 10 + 28 + 5)));

    select.mouseButton(stroke(V2(10 + 2 * 56 + 5, 15)));
    EXPECT_EQ("de", OptionAgent::instance()->getParam("speech"));
}

TEST_F(SelectLangTest, BadScriptsThrow)
{
    const char *const scripts[] = {
        "select_addFlag('cs')",
        "select_addFlag('cs', 'images/flags/missing.png')",
        "select_addFlag('en', 'images/flags/en.png') error('broken')",
    };
    for (const char *script : scripts) {
        writeData("script/bad.lua", script);
        EXPECT_THROW(SelectLang("lang", Path::dataReadPath("script/bad.lua")), BaseException)
            << script;
    }
}
