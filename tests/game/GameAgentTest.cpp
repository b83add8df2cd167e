#include "plan/AgentFixture.h"

#include "../gengine/TestSupport.h"

#include "game/GameAgent.h"
#include "level/LevelStatus.h"
#include "plan/GameState.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"
#include "gengine/BaseException.h"
#include "gengine/InputAgent.h"
#include "gengine/KeyBinder.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/SimpleMsg.h"

#include "SDL.h"

#include <filesystem>
#include <string>

namespace {

class GameAgentTest : public AgentFixture {
    protected:
        GameAgent *m_game = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            testsupport::writeWorldMapFiles(m_dir);
            m_game = new GameAgent();
            m_agents->pack().addAgent(m_game);
            m_agents->pack().init();
        }
        void pressBound(SDLKey key, int mod)
        {
            InputAgent::instance()->getKeyBinder()->keyDown(testsupport::keysym(key, mod));
        }
};

TEST_F(GameAgentTest, BindsTheGlobalKeys)
{
    ASSERT_TRUE(m_game->isInitialized());
    pressBound(SDLK_KP_PLUS, KMOD_RALT);
    pressBound(SDLK_KP_MINUS, KMOD_RALT);
    pressBound(SDLK_KP_PLUS, KMOD_NONE);
    EXPECT_EQ(std::vector<std::string>({"inc_loglevel", "dec_loglevel"}), m_app.got);
    EXPECT_THROW(InputAgent::instance()->getKeyBinder()->addStroke(
                KeyStroke(SDLK_F11, KMOD_NONE), new SimpleMsg("App", "x")),
            LogicException);
}

TEST_F(GameAgentTest, ShutdownAddsTheSecondsOfThisRunToPlaytime)
{
    OptionAgent::instance()->setParam("playtime", 100);
    unsigned before = SDL_GetTicks() / 1000;
    m_game->shutdown();
    unsigned after = SDL_GetTicks() / 1000;
    int playtime = OptionAgent::instance()->getInt("playtime", 0);
    EXPECT_GE(playtime, static_cast<int>(100 + before));
    EXPECT_LE(playtime, static_cast<int>(100 + after));
    EXPECT_NE(std::string::npos,
              userConfig().find("setParam(\"playtime\", \"" + std::to_string(playtime) + "\")"));
    EXPECT_EQ(nullptr, m_game->getManager());
}

TEST_F(GameAgentTest, HugeStoredPlaytimeDoesNotOverflow)
{
    OptionAgent::instance()->setParam("playtime", "2147483647");
    m_game->shutdown();
    EXPECT_EQ(2147483647, OptionAgent::instance()->getInt("playtime", 0));
}

TEST_F(GameAgentTest, LevelsCanStartDemos)
{
    GameState *demo = LevelStatus::makeDemo(Path::dataReadPath("script/demo.lua"));
    ASSERT_NE(nullptr, demo);
    EXPECT_STREQ("state_demo", demo->getName());
    delete demo;
}

/** A screen with only the common keys, to press backquote on. */
class PlainState : public GameState {
    public:
        PlainState() { takeHandler(new StateInput(this)); }
        virtual const char *getName() const { return "state_plain"; }
    protected:
        virtual void ownInitState() {}
        virtual void ownUpdateState() {}
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
};

TEST_F(GameAgentTest, BackquoteOpensTheConsole)
{
    std::filesystem::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
            m_dir + "/font/font_console.ttf");
    StateManager manager;
    PlainState *plain = new PlainState();
    manager.pushState(nullptr, plain);
    plain->getInput()->keyEvent(KeyStroke(SDLK_BACKQUOTE, KMOD_NONE));
    ASSERT_NE(nullptr, manager.top());
    EXPECT_STREQ("state_console", manager.top()->getName());
}

}
