#include "widget/WidgetFixture.h"

#include "widget/WiLabel.h"
#include "widget/WiPara.h"
#include "widget/WiStatusBar.h"
#include "effect/Font.h"
#include "gengine/Path.h"

#include <gtest/gtest.h>

#include <memory>

class TextWidgetTest : public WidgetFixture {
    protected:
        std::unique_ptr<Font> m_font;
        const SDL_Color white = fixture::rgba(255, 255, 255);

        virtual void SetUp()
        {
            WidgetFixture::SetUp();
            m_font.reset(new Font(Path::nativePath(dataFile("font/font_menu.ttf")), 14));
        }
        virtual void TearDown()
        {
            m_font.reset();
            WidgetFixture::TearDown();
        }
        int labelWidth(const std::string &text) const
        { return WiLabel(text, *m_font, white).getW(); }
};

TEST_F(TextWidgetTest, ParagraphHoldsOneLabelPerLine)
{
    struct Case {
        const char *text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"first\n\nlast", {"first", " ", "last"}},
        {"only\n", {"only"}},
        {"one\ntwo", {"one", "two"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        WiPara para(c.text, *m_font, white);
        ASSERT_EQ(static_cast<int>(c.lines.size()), para.countWidgets());
        int height = 0;
        for (int i = 0; i < para.countWidgets(); ++i) {
            EXPECT_EQ(labelWidth(c.lines[i]), para.getWidget(i)->getW());
            EXPECT_EQ(V2(0, height), para.getWidget(i)->getShift());
            height += para.getWidget(i)->getH();
        }
        EXPECT_EQ(height, para.getH());
    }
}

TEST_F(TextWidgetTest, StatusBarHasAFixedSizeAndDrawsOnlyALabel)
{
    WiStatusBar bar(new Font(Path::nativePath(dataFile("font/font_menu.ttf")), 16),
            fixture::rgba(0, 255, 0), 150);
    bar.setShift(V2(10, 10));
    EXPECT_EQ(150, bar.getW());
    EXPECT_EQ(Font(Path::nativePath(dataFile("font/font_menu.ttf")), 16).getHeight(), bar.getH());

    bar.drawOn(m_screen.get());
    bool drawn = false;
    for (int x = 10; x < 160 && !drawn; ++x) {
        for (int y = 10; y < 10 + bar.getH() && !drawn; ++y) {
            drawn = !sameRgb(fixture::rgba(0, 0, 0), pixel(x, y));
        }
    }
    EXPECT_FALSE(drawn);

    bar.setLabel("Music");
    bar.drawOn(m_screen.get());
    for (int x = 10; x < 160 && !drawn; ++x) {
        for (int y = 10; y < 10 + bar.getH() && !drawn; ++y) {
            drawn = !sameRgb(fixture::rgba(0, 0, 0), pixel(x, y));
        }
    }
    EXPECT_TRUE(drawn);
}
