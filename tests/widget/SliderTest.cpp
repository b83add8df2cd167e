#include "widget/WidgetFixture.h"

#include "widget/Slider.h"
#include "gengine/OptionAgent.h"

#include <gtest/gtest.h>

class SliderTest : public WidgetFixture {
    protected:
        int volume() const { return OptionAgent::instance()->getInt("volume_music", -1); }
        void setVolume(const std::string &value)
        { OptionAgent::instance()->setParam("volume_music", value); }
};

TEST_F(SliderTest, IsTwoPixelsPerUnitAndThirtyHigh)
{
    Slider slider("volume_music", 0, 100);
    EXPECT_EQ(200, slider.getW());
    EXPECT_EQ(30, slider.getH());
}

TEST_F(SliderTest, ClickSetsTheValueUnderTheMouse)
{
    struct Case {
        int offset;
        Uint8 button;
        int expected;
    };
    const Case cases[] = {
        {37, SDL_BUTTON_LEFT, 19},
        {0, SDL_BUTTON_LEFT, 0},
        {1, SDL_BUTTON_LEFT, 1},
        {2, SDL_BUTTON_LEFT, 1},
        {199, SDL_BUTTON_LEFT, 100},
        {200, SDL_BUTTON_LEFT, -1},     // one pixel past the last column
        {-1, SDL_BUTTON_LEFT, -1},
        {50, SDL_BUTTON_RIGHT, -1},
    };
    Slider slider("volume_music", 0, 100);
    slider.setShift(V2(30, 40));
    for (const Case &c : cases) {
        OptionAgent::instance()->setParam("volume_music", "");
        slider.mouseButton(stroke(V2(30 + c.offset, 50), c.button));
        EXPECT_EQ(c.expected, volume()) << "offset " << c.offset;
    }
    // Below the bar's 30 rows nothing happens either.
    slider.mouseButton(stroke(V2(80, 70)));
    EXPECT_EQ(-1, volume());
}

TEST_F(SliderTest, BarShowsTheParameterClampedToTheRange)
{
    struct Case {
        const char *value;
        int greenUpTo;   // first column that is not green
    };
    const Case cases[] = {
        {"50", 100},
        {"0", 0},
        {"250", 200},
        {"-7", 0},
        {"loud", 0},
    };
    const SDL_Color green = fixture::rgba(0, 255, 0);
    Slider slider("volume_music", 0, 100);
    slider.setShift(V2(10, 20));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        clearScreen();
        setVolume(c.value);
        slider.drawOn(m_screen.get());
        if (c.greenUpTo > 0) {
            EXPECT_TRUE(sameRgb(green, pixel(10 + c.greenUpTo - 1, 20)));
            EXPECT_TRUE(sameRgb(green, pixel(10 + c.greenUpTo - 1, 49)));
        }
        // The rest of the slider is only veiled; outside it is untouched.
        if (c.greenUpTo < 200) {
            EXPECT_FALSE(sameRgb(green, pixel(10 + c.greenUpTo, 20)));
        }
        EXPECT_TRUE(sameRgb(fixture::rgba(0, 0, 0), pixel(210, 20)));
        EXPECT_TRUE(sameRgb(fixture::rgba(0, 0, 0), pixel(10, 50)));
    }
}
