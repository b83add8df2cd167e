#include "widget/WidgetFixture.h"

#include "widget/WiButton.h"
#include "widget/WiSpace.h"
#include "gengine/MessagerAgent.h"
#include "gengine/SimpleMsg.h"

#include <gtest/gtest.h>

TEST_F(WidgetFixture, ButtonSendsItsMessageOncePerLeftClick)
{
    MsgRecorder target("target");
    MessagerAgent::instance()->addListener(&target);
    WiButton button(new WiSpace(20, 10), new SimpleMsg("target", "quit"));
    button.setShift(V2(100, 100));
    EXPECT_EQ(20, button.getW());

    button.mouseButton(stroke(V2(100, 100)));
    button.mouseButton(stroke(V2(119, 109)));
    button.mouseButton(stroke(V2(110, 105), SDL_BUTTON_RIGHT));
    button.mouseButton(stroke(V2(120, 105)));
    EXPECT_EQ(std::vector<std::string>({"quit", "quit"}), target.got);
    MessagerAgent::instance()->removeListener("target");
}
