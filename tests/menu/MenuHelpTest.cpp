#include "menu/MenuFixture.h"

#include "menu/MenuHelp.h"
#include "widget/WiLabel.h"
#include "widget/WiPara.h"
#include "effect/Font.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"

#include <gtest/gtest.h>

#include <functional>

class MenuHelpTest : public MenuFixture {
    protected:
        int labelWidth(const std::string &text) const
        {
            Font font(Path::dataReadPath("font/font_menu.ttf"), 14);
            return WiLabel(text, font, fixture::rgba(255, 255, 255)).getW();
        }
};

TEST_F(MenuHelpTest, HelpLabelIsAParagraphCentredOnTheScreen)
{
    MenuHelp *help = new MenuHelp();
    push(help);
    const WiPara *para = help->getPara();
    ASSERT_EQ(4, para->countWidgets());
    EXPECT_EQ(labelWidth(" "), para->getWidget(1)->getW());
    EXPECT_EQ(labelWidth("F10 menu"), para->getWidget(3)->getW());
    EXPECT_EQ(V2((320 - para->getW()) / 2, (240 - para->getH()) / 2), para->getShift());
    EXPECT_TRUE(help->allowBg());
}

TEST_F(MenuHelpTest, HelpComesInThePlayersLanguage)
{
    OptionAgent::instance()->setParam("lang", "cs");
    MenuHelp help;
    ASSERT_EQ(1, help.getPara()->countWidgets());
    EXPECT_EQ(labelWidth("Kl\xc3\xa1vesy"), help.getPara()->getW());
}

TEST_F(MenuHelpTest, AnyKeyOrClickClosesTheHelp)
{
    const std::function<void()> actions[] = {
        [this]() { pressKey(SDLK_a); },
        [this]() { pressKey(SDLK_RETURN); },
        [this]() { pressKey(SDLK_F1); },
        [this]() { pressKey(SDLK_F10); },
        [this]() { pressKey(SDLK_ESCAPE); },
        [this]() { click(V2(5, 5), SDL_BUTTON_RIGHT); },
        [this]() { click(V2(300, 200)); },
    };
    int index = 0;
    for (const std::function<void()> &action : actions) {
        push(new MenuHelp());
        action();
        EXPECT_TRUE(m_manager->isEmpty()) << "action " << index;
        ++index;
    }
}

TEST_F(MenuHelpTest, SubtitleKeyKeepsItsMeaning)
{
    push(new MenuHelp());
    OptionAgent::instance()->setParam("subtitles", "1");
    pressKey(SDLK_F6);
    EXPECT_EQ(1, m_manager->size());
    EXPECT_EQ("0", OptionAgent::instance()->getParam("subtitles"));
}
