#include "widget/WidgetFixture.h"

#include "widget/HBox.h"
#include "widget/RadioBox.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"

#include <gtest/gtest.h>

class RadioBoxTest : public WidgetFixture {
    protected:
        const SDL_Color green = fixture::rgba(0, 255, 0);
        const SDL_Color red = fixture::rgba(200, 0, 0);

        virtual void SetUp()
        {
            WidgetFixture::SetUp();
            writePicture("images/yes.png", 12, 8, red);
            writePicture("images/no.png", 12, 8, red);
        }
        Path picture(const char *file) const { return Path::nativePath(dataFile(file)); }
};

TEST_F(RadioBoxTest, FrameFollowsTheParameterAndMovesOnClick)
{
    HBox row;
    RadioBox *yes = new RadioBox("subtitles", "1", picture("images/yes.png"));
    RadioBox *no = new RadioBox("subtitles", "0", picture("images/no.png"));
    row.addWidget(yes);
    row.addWidget(no);
    row.setShift(V2(50, 60));
    ASSERT_EQ(20, yes->getW());
    ASSERT_EQ(16, yes->getH());

    OptionAgent::instance()->setParam("subtitles", "1");
    row.drawOn(m_screen.get());
    EXPECT_TRUE(sameRgb(green, pixel(50, 60)));
    EXPECT_TRUE(sameRgb(green, pixel(69, 75)));
    EXPECT_TRUE(sameRgb(red, pixel(54, 64)));        // the picture inset by 4
    EXPECT_TRUE(sameRgb(fixture::rgba(0, 0, 0), pixel(70, 60)));
    EXPECT_TRUE(sameRgb(red, pixel(74, 64)));

    row.mouseButton(stroke(V2(75, 61)));
    EXPECT_EQ("0", OptionAgent::instance()->getParam("subtitles"));
    clearScreen();
    row.drawOn(m_screen.get());
    EXPECT_TRUE(sameRgb(fixture::rgba(0, 0, 0), pixel(50, 60)));
    EXPECT_TRUE(sameRgb(green, pixel(70, 60)));
}

TEST_F(RadioBoxTest, OnlyTheLeftButtonSetsTheValue)
{
    RadioBox box("lang", "cs", picture("images/yes.png"));
    OptionAgent::instance()->setParam("lang", "en");
    box.mouseButton(stroke(V2(5, 5), SDL_BUTTON_RIGHT));
    EXPECT_EQ("en", OptionAgent::instance()->getParam("lang"));
    box.mouseButton(stroke(V2(5, 5)));
    EXPECT_EQ("cs", OptionAgent::instance()->getParam("lang"));
}

TEST_F(RadioBoxTest, MissingPictureThrows)
{
    EXPECT_ANY_THROW(RadioBox("lang", "cs", picture("images/none.png")));
}
