#include "menu/MenuFixture.h"

#include "menu/MenuHelp.h"
#include "menu/MenuOptions.h"
#include "plan/CountingState.h"
#include "plan/GameInput.h"
#include "plan/GameState.h"
#include "widget/VBox.h"
#include "widget/WiStatusBar.h"
#include "gengine/Drawable.h"
#include "gengine/KeyStroke.h"
#include "gengine/MessagerAgent.h"
#include "gengine/OptionAgent.h"
#include "gengine/StringMsg.h"
#include "gengine/TestSupport.h"
#include "gengine/UnknownMsgException.h"
#include "gengine/VideoAgent.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

/** A playing state below the menus: counts its cycles and paints itself blue. */
class PlayState : public CountingState, public Drawable {
    public:
        PlayState() : CountingState("state_play")
        {
            takeHandler(new GameInput(this));
            registerDrawable(this);
        }
        virtual void drawOn(SDL_Surface *screen)
        { SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 255)); }
};

/** Menu rows by their place in the column (spaces lie between them). */
enum { ROW_SOUND = 0, ROW_MUSIC = 2, ROW_LANG = 4, ROW_SPEECH = 6, ROW_SUBTITLES = 8,
       ROW_BOTTOM = 9 };

}

class MenuOptionsTest : public MenuFixture {
    protected:
        MenuOptions *m_menu = nullptr;

        virtual void SetUp()
        {
            MenuFixture::SetUp();
            m_menu = new MenuOptions();
            push(m_menu);
        }
        IWidget *row(int index) const { return m_menu->getMenu()->getWidget(index); }
        IWidget *part(int rowIndex, int partIndex) const
        { return static_cast<WiBox *>(row(rowIndex))->getWidget(partIndex); }
        /** A point a little inside the widget's top-left corner. */
        static V2 inside(const IWidget *widget, int dx = 2, int dy = 2)
        { return widget->getShift().plus(V2(dx, dy)); }
        /** The status line after the mouse moved to loc and one cycle ran. */
        std::string statusAt(const V2 &loc)
        {
            moveMouse(loc);
            m_manager->updateGame();
            return m_menu->getStatusBar()->getLabel();
        }
        V2 expectedCentre() const
        {
            const VBox *menu = m_menu->getMenu();
            return V2((320 - menu->getW()) / 2, (240 - menu->getH()) / 2);
        }
};

TEST_F(MenuOptionsTest, ColumnOfRowsCentredOnTheScreen)
{
    const VBox *menu = m_menu->getMenu();
    ASSERT_EQ(10, menu->countWidgets());
    // Widest row: picture 30, gap 10, four flags of 56.
    EXPECT_EQ(264, menu->getW());
    EXPECT_EQ(V2(28, (240 - menu->getH()) / 2), menu->getShift());
    EXPECT_EQ(240, row(ROW_MUSIC)->getW());
    EXPECT_EQ(10, row(ROW_MUSIC + 1)->getH());
    EXPECT_EQ(5, row(ROW_LANG + 1)->getH());
    // The status line fills the music row's width beside the back button.
    EXPECT_EQ(200, part(ROW_BOTTOM, 0)->getW());
    EXPECT_EQ(40, part(ROW_BOTTOM, 1)->getW());
}

TEST_F(MenuOptionsTest, StatusLineShowsTheTipUnderTheMouse)
{
    struct Case {
        int row;
        int part;
        const char *expected;
    };
    const Case cases[] = {
        {ROW_SOUND, 0, "Sound"},
        {ROW_MUSIC, 2, "Music"},
        {ROW_LANG, 0, "Language"},
        {ROW_SPEECH, 2, "Speech - en"},
        {ROW_SUBTITLES, 3, "Subtitles"},
        {ROW_BOTTOM, 1, "Back"},
        {ROW_BOTTOM, 0, ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.expected, statusAt(inside(part(c.row, c.part)))) << c.expected;
    }
    // Second flag of the language row.
    EXPECT_EQ("Language - cs", statusAt(inside(part(ROW_LANG, 2), 56 + 5, 5)));
    EXPECT_EQ("", statusAt(V2(0, 0)));
}

TEST_F(MenuOptionsTest, ClicksSetTheParametersAtOnce)
{
    click(inside(part(ROW_MUSIC, 2), 37, 5));
    EXPECT_EQ(19, OptionAgent::instance()->getInt("volume_music", -1));
    click(inside(part(ROW_SOUND, 2), 199, 5));
    EXPECT_EQ(100, OptionAgent::instance()->getInt("volume_sound", -1));

    OptionAgent::instance()->setParam("subtitles", "1");
    IWidget *no = part(ROW_SUBTITLES, 3);
    click(inside(no));
    EXPECT_EQ("0", OptionAgent::instance()->getParam("subtitles"));
    m_menu->getMenu()->drawOn(m_screen.get());
    EXPECT_TRUE(sameRgb(fixture::rgba(0, 255, 0), pixel(no->getShift().getX(), no->getShift().getY())));
    IWidget *yes = part(ROW_SUBTITLES, 2);
    EXPECT_FALSE(sameRgb(fixture::rgba(0, 255, 0), pixel(yes->getShift().getX(), yes->getShift().getY())));
}

TEST_F(MenuOptionsTest, LanguageFlagRebuildsTheMenuInTheNextUpdate)
{
    V2 music = inside(part(ROW_MUSIC, 2));
    EXPECT_EQ("Music", statusAt(music));

    click(inside(part(ROW_LANG, 2), 56 + 5, 5));
    EXPECT_EQ("cs", OptionAgent::instance()->getParam("lang"));
    EXPECT_EQ("Music", m_menu->getStatusBar()->getLabel());

    m_manager->updateGame();
    EXPECT_EQ("Hudba", m_menu->getStatusBar()->getLabel());
    EXPECT_EQ("Hudba", statusAt(inside(part(ROW_MUSIC, 2))));
    EXPECT_EQ(expectedCentre(), m_menu->getMenu()->getShift());
    EXPECT_EQ(1, m_manager->size());

    // A change of another parameter leaves the menu as it is.
    const VBox *before = m_menu->getMenu();
    OptionAgent::instance()->setParam("volume_music", "5");
    m_manager->updateGame();
    EXPECT_EQ(before, m_menu->getMenu());
}

TEST_F(MenuOptionsTest, BrokenLabelsOfTheNewLanguageKeepTheOldMenu)
{
    writeData("script/labels__cs.lua", "label_text('menu_music', 'cs')");
    const VBox *before = m_menu->getMenu();
    click(inside(part(ROW_LANG, 2), 56 + 5, 5));
    std::string log = testsupport::captureLog([this]() { m_manager->updateGame(); });
    EXPECT_TRUE(testsupport::contains(log, "labels__cs.lua")) << log;
    EXPECT_EQ(before, m_menu->getMenu());
    EXPECT_EQ("Music", statusAt(inside(part(ROW_MUSIC, 2))));
    EXPECT_EQ(1, m_manager->size());
}

TEST_F(MenuOptionsTest, OnlyALanguageChangeIsAccepted)
{
    EXPECT_THROW(MessagerAgent::instance()->deliver(
                new StringMsg("state_options", "param_changed", "volume_music")),
            UnknownMsgException);
    EXPECT_THROW(MessagerAgent::instance()->deliver(
                new StringMsg("state_options", "lang", "cs")),
            UnknownMsgException);
    EXPECT_NO_THROW(MessagerAgent::instance()->deliver(
                new StringMsg("state_options", "param_changed", "lang")));
}

TEST_F(MenuOptionsTest, BackButtonF10AndEscapeCloseTheMenuButF1DoesNot)
{
    pressKey(SDLK_F1);
    EXPECT_EQ(1, m_manager->size());
    click(inside(part(ROW_BOTTOM, 1)), SDL_BUTTON_RIGHT);
    EXPECT_EQ(1, m_manager->size());
    click(inside(part(ROW_BOTTOM, 1)));
    EXPECT_TRUE(m_manager->isEmpty());

    for (int key : {SDLK_F10, SDLK_ESCAPE}) {
        push(new MenuOptions());
        pressKey(key);
        EXPECT_TRUE(m_manager->isEmpty()) << key;
    }
}

class MenuOverlayTest : public MenuFixture {
    protected:
        virtual void SetUp()
        {
            MenuFixture::SetUp();
            GameInput::setHelpMaker(MenuHelp::createState);
            GameInput::setMenuMaker(MenuOptions::createState);
        }
        virtual void TearDown()
        {
            GameInput::setHelpMaker(nullptr);
            GameInput::setMenuMaker(nullptr);
            MenuFixture::TearDown();
        }
};

TEST_F(MenuOverlayTest, MenuThatCannotBeBuiltLeavesThePlayingStateAlone)
{
    PlayState *play = new PlayState();
    push(play);
    std::remove(dataFile("images/menu/back.png").c_str());
    std::string log = testsupport::captureLog([this]() { pressKey(SDLK_F10); });
    EXPECT_TRUE(testsupport::contains(log, "state is not available")) << log;
    EXPECT_TRUE(testsupport::contains(log, "back.png")) << log;
    EXPECT_EQ(play, m_manager->top());
    EXPECT_EQ(1, m_manager->size());
}

TEST_F(MenuOverlayTest, MenusOpenAboveAPlayingStateThatKeepsRunning)
{
    PlayState *play = new PlayState();
    push(play);
    pressKey(SDLK_F10);
    ASSERT_EQ(2, m_manager->size());
    EXPECT_STREQ("state_options", m_manager->top()->getName());
    EXPECT_TRUE(play->isActive());
    EXPECT_TRUE(play->isOnBg());
    m_manager->updateGame();
    EXPECT_EQ(1, play->updates);

    // The play state paints, then the light veil goes over it.
    SDL_Surface *screen = VideoAgent::instance()->getSurface();
    VideoAgent::instance()->drawOn(screen);
    SDL_Color corner = fixture::rgba(0, 0, 0);
    SDL_GetRGB(fixture::rawAt(screen, 0, 0), screen->format, &corner.r, &corner.g, &corner.b);
    EXPECT_GT(corner.r, 90);
    EXPECT_GT(corner.b, corner.r);

    pressKey(SDLK_F10);
    EXPECT_EQ(play, m_manager->top());
    pressKey(SDLK_F1);
    EXPECT_STREQ("state_help", m_manager->top()->getName());
    EXPECT_TRUE(play->isOnBg());
}
