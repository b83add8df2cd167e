#include "plan/AgentFixture.h"

#include "game/GameAgent.h"
#include "level/LevelStatus.h"
#include "plan/GameState.h"
#include "plan/StateManager.h"
#include "gengine/BaseException.h"
#include "gengine/InputAgent.h"
#include "gengine/KeyBinder.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/SimpleMsg.h"

#include "SDL.h"

#include <string>

namespace {

class GameAgentTest : public AgentFixture {
    protected:
        GameAgent *m_game = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            m_game = new GameAgent();
            m_pack->addAgent(m_game);
            m_pack->init();
        }
        void pressBound(SDLKey key, int mod)
        {
            SDL_keysym keysym;
            keysym.scancode = 0;
            keysym.sym = key;
            keysym.mod = static_cast<SDLMod>(mod);
            keysym.unicode = 0;
            InputAgent::instance()->getKeyBinder()->keyDown(keysym);
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

}
