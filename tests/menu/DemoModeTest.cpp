#include "plan/AgentFixture.h"
#include "plan/CountingState.h"

#include "menu/DemoMode.h"
#include "menu/PosterScroller.h"
#include "menu/PosterState.h"
#include "plan/GameState.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"
#include "plan/SubTitleAgent.h"
#include "effect/Picture.h"
#include "effect/PixelTool.h"
#include "gengine/BaseException.h"
#include "gengine/KeyStroke.h"
#include "gengine/MouseStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/VideoAgent.h"

#include "SDL.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class DemoModeTest : public AgentFixture {
    protected:
        StateManager *m_manager = nullptr;
        /** The state under the demos. */
        CountingState *m_base = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            OptionAgent::instance()->setParam("screen_width", 300);
            OptionAgent::instance()->setParam("screen_height", 150);
            VideoAgent::instance()->initVideoMode();
            m_manager = new StateManager();
            m_base = new CountingState("state_base");
            m_manager->pushState(nullptr, m_base);
        }
        virtual void TearDown()
        {
            delete m_manager;
            AgentFixture::TearDown();
        }

        /** A one-colour picture file (pictures are recognised by content, so BMP serves). */
        void writePicture(const std::string &name, int w, int h, Uint8 r, Uint8 g, Uint8 b)
        {
            std::filesystem::create_directories(m_dir + "/images");
            SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32,
                    0xff0000, 0xff00, 0xff, 0);
            ASSERT_NE(nullptr, surface);
            SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, r, g, b));
            ASSERT_EQ(0, SDL_SaveBMP(surface, (m_dir + "/images/" + name).c_str()));
            SDL_FreeSurface(surface);
        }
        Path writeScript(const std::string &code)
        {
            std::filesystem::create_directories(m_dir + "/script");
            std::ofstream(m_dir + "/script/demo.lua") << code;
            return Path::dataReadPath("script/demo.lua");
        }
        DemoMode *pushDemo(const std::string &code)
        {
            DemoMode *demo = new DemoMode(writeScript(code));
            m_manager->pushState(m_base, demo);
            return demo;
        }
        bool onTop(const char *name) const
        {
            return m_manager->top() && std::string(m_manager->top()->getName()) == name;
        }
        int screenW() const { return OptionAgent::instance()->getInt("screen_width", 0); }
        int screenH() const { return OptionAgent::instance()->getInt("screen_height", 0); }
};

// Two planned steps, each showing one picture; the demo lasts as long as its plan.
const char *TWO_PICTURES =
    "game_planAction(function(count) demo_display('images/big.png', 0, 0); return true end)\n"
    "game_planAction(function(count) demo_display('images/small.png', 1, 1); return count == 1 end)\n";

TEST_F(DemoModeTest, DemoThatPlansNothingEndsInItsFirstUpdate)
{
    pushDemo("-- nothing planned\n");
    ASSERT_TRUE(onTop("state_demo"));
    m_manager->updateGame();
    EXPECT_TRUE(onTop("state_base"));
}

TEST_F(DemoModeTest, FirstPictureSetsScreenAndSubtitleLimitUntilTheDemoEnds)
{
    writePicture("big.png", 640, 480, 255, 0, 0);
    writePicture("small.png", 20, 10, 0, 0, 255);
    int oldLimit = SubTitleAgent::instance()->getLimitY();
    pushDemo(TWO_PICTURES);

    m_manager->updateGame();
    EXPECT_EQ(640, screenW());
    EXPECT_EQ(480, screenH());
    EXPECT_EQ(960, SubTitleAgent::instance()->getLimitY());
    ASSERT_NE(nullptr, VideoAgent::instance()->getSurface());
    EXPECT_EQ(480, VideoAgent::instance()->getSurface()->h);
    VideoAgent::instance()->update();

    m_manager->updateGame();
    EXPECT_EQ(640, screenW()) << "later pictures keep the screen";
    EXPECT_EQ(480, screenH());
    EXPECT_TRUE(onTop("state_demo"));
    m_manager->updateGame();
    EXPECT_TRUE(onTop("state_base")) << "the plan is done";
    EXPECT_EQ(oldLimit, SubTitleAgent::instance()->getLimitY());
}

TEST_F(DemoModeTest, SmallerPictureLeavesWhatEarlierPicturesDrew)
{
    writePicture("big.png", 4, 4, 255, 0, 0);
    writePicture("small.png", 2, 2, 0, 0, 255);
    DemoMode *demo = pushDemo(TWO_PICTURES);
    m_manager->updateGame();
    SDL_Surface *screen = VideoAgent::instance()->getSurface();
    ASSERT_EQ(4, screen->w);
    demo->drawOn(screen);
    m_manager->updateGame();
    SDL_FillRect(screen, nullptr, 0);
    demo->drawOn(screen);

    EXPECT_EQ(255, PixelTool::getColor(screen, 0, 0).r) << "outside the small picture";
    EXPECT_EQ(255, PixelTool::getColor(screen, 3, 3).r);
    EXPECT_EQ(255, PixelTool::getColor(screen, 1, 1).b) << "the small picture at (1, 1)";
    EXPECT_EQ(0, PixelTool::getColor(screen, 1, 1).r);
    EXPECT_EQ(255, PixelTool::getColor(screen, 2, 2).b);
}

TEST_F(DemoModeTest, BrokenDemoScriptIsAScriptError)
{
    EXPECT_THROW(pushDemo("this is not lua"), ScriptException);
}

TEST_F(DemoModeTest, MissingPictureOrBadArgumentIsAScriptError)
{
    writePicture("big.png", 4, 4, 255, 0, 0);
    DemoMode *demo = pushDemo(
        "game_planAction(function(count) demo_display('images/big.png', 0, 0); return true end)\n"
        "game_planAction(function(count) demo_display('images/missing.png', 0, 0); return true end)\n");
    m_manager->updateGame();
    EXPECT_THROW(m_manager->updateGame(), ScriptException);
    SDL_Surface *screen = VideoAgent::instance()->getSurface();
    SDL_FillRect(screen, nullptr, 0);
    demo->drawOn(screen);
    EXPECT_EQ(255, PixelTool::getColor(screen, 3, 3).r) << "the shown picture stays";
    m_manager->popState(demo);

    pushDemo("game_planAction(function(count) demo_display('images/big.png', 'x', 0); return true end)\n");
    EXPECT_THROW(m_manager->updateGame(), ScriptException);
}

TEST_F(DemoModeTest, HugeCoordinatesAreKeptInsideAnInt)
{
    writePicture("big.png", 4, 4, 255, 0, 0);
    DemoMode *demo = pushDemo(
        "game_planAction(function(count) demo_display('images/big.png', 0, 0); return true end)\n"
        "game_planAction(function(count) demo_display('images/big.png', 1e15, -1e15); return false end)\n");
    m_manager->updateGame();
    m_manager->updateGame();
    demo->drawOn(VideoAgent::instance()->getSurface());
    EXPECT_TRUE(onTop("state_demo"));
}

TEST_F(DemoModeTest, SpaceEscapeOrClickEndTheDemoButF1DoesNot)
{
    struct Case {
        const char *what;
        int sym;
        bool click;
        bool ends;
    } cases[] = {
        {"F1", SDLK_F1, false, false},
        {"letter", SDLK_a, false, false},
        {"space", SDLK_SPACE, false, true},
        {"Escape", SDLK_ESCAPE, false, true},
        {"click", 0, true, true},
    };
    for (const Case &c : cases) {
        pushDemo("game_planAction(function(count) return false end)\n");
        m_manager->updateGame();
        if (c.click) {
            SDL_MouseButtonEvent event = {};
            event.type = SDL_MOUSEBUTTONDOWN;
            event.button = SDL_BUTTON_RIGHT;
            m_manager->top()->getInput()->mouseEvent(MouseStroke(event));
        } else {
            m_manager->top()->getInput()->keyEvent(KeyStroke(c.sym, KMOD_NONE));
        }
        m_manager->updateGame();
        EXPECT_EQ(!c.ends, onTop("state_demo")) << c.what;
        if (onTop("state_demo")) {
            m_manager->top()->getInput()->keyEvent(KeyStroke(SDLK_ESCAPE, KMOD_NONE));
            m_manager->updateGame();
        }
        ASSERT_TRUE(onTop("state_base")) << c.what;
    }
}

TEST_F(DemoModeTest, PosterSetsTheScreenToItsPicture)
{
    writePicture("poster.png", 40, 30, 0, 255, 0);
    m_manager->pushState(m_base, new PosterState(Path::dataReadPath("images/poster.png")));
    EXPECT_EQ(40, screenW());
    EXPECT_EQ(30, screenH());
    m_manager->updateGame();
    EXPECT_EQ(0, m_base->updates) << "a poster pauses the state below";
    m_manager->top()->getInput()->keyEvent(KeyStroke(SDLK_F1, KMOD_NONE));
    m_manager->top()->getInput()->keyEvent(KeyStroke(SDLK_SPACE, KMOD_NONE));
    m_manager->updateGame();
    EXPECT_TRUE(onTop("state_base"));

    EXPECT_THROW(PosterState(Path::dataReadPath("images/missing.png")), BaseException);
}

TEST_F(DemoModeTest, CreditsClimbStopAThirdFromTheTopAndEndAfterTheirHeight)
{
    writePicture("credits.png", 8, 1000, 255, 255, 255);
    OptionAgent::instance()->setParam("screen_width", 640);
    OptionAgent::instance()->setParam("screen_height", 480);
    VideoAgent::instance()->initVideoMode();
    PosterScroller *credits = new PosterScroller(Path::dataReadPath("images/credits.png"));
    m_manager->pushState(m_base, credits);
    EXPECT_EQ(480, screenH()) << "the screen size stays";

    std::vector<int> ys;
    int updates = 0;
    while (onTop("state_poster") && updates < 1000) {
        m_manager->updateGame();
        ++updates;
        if (onTop("state_poster")) {
            ys.push_back(credits->getPoster()->getLoc().getY());
        }
    }
    EXPECT_EQ(370, updates);
    EXPECT_EQ(370, m_base->updates) << "the map below keeps running";
    ASSERT_EQ(369u, ys.size());
    EXPECT_EQ(476, ys[0]);
    EXPECT_EQ(472, ys[1]);
    EXPECT_EQ(-840, ys.back());
    EXPECT_EQ(-840, ys[329]) << "bottom edge at 160, a third of 480";
    EXPECT_EQ(-836, ys[328]);
}

TEST_F(DemoModeTest, CreditsSurviveAnAbsurdScreenHeight)
{
    writePicture("credits.png", 2, 10, 255, 255, 255);
    OptionAgent::instance()->setParam("screen_height", "-2147483648");
    m_manager->pushState(m_base, new PosterScroller(Path::dataReadPath("images/credits.png")));
    int updates = 0;
    while (onTop("state_poster") && updates < 100) {
        m_manager->updateGame();
        ++updates;
    }
    EXPECT_EQ(2, updates);
}

}
