#include "game/GameAgent.h"

#include "menu/DemoMode.h"
#include "menu/MenuHelp.h"
#include "menu/MenuOptions.h"
#include "menu/WorldMap.h"
#include "level/LevelStatus.h"
#include "plan/GameInput.h"
#include "plan/KeyConsole.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"
#include "gengine/InputAgent.h"
#include "gengine/KeyBinder.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/SimpleMsg.h"

#include "SDL.h"

#include <climits>

GameAgent::~GameAgent()
{
    delete m_manager;
}

void GameAgent::ownInit()
{
    m_manager = new StateManager();
    GameInput::setHelpMaker(MenuHelp::createState);
    GameInput::setMenuMaker(MenuOptions::createState);
    LevelStatus::setDemoMaker(DemoMode::makeDemo);
    StateInput::setConsoleMaker([]() -> GameState * { return new KeyConsole(); });
    pushFirstState();
    keyBinding();
}

void GameAgent::pushFirstState()
{
    Path worldmap = Path::dataReadPath(
            OptionAgent::instance()->getParam("worldmap", "script/worldmap.lua"));
    WorldMap *map = new WorldMap();
    try {
        map->initMap(worldmap);
    } catch (...) {
        delete map;
        throw;
    }
    m_manager->pushState(nullptr, map);
}

void GameAgent::keyBinding()
{
    KeyBinder *keyBinder = InputAgent::instance()->getKeyBinder();
    keyBinder->addStroke(KeyStroke(SDLK_F11, KMOD_NONE),
            new SimpleMsg("30video", "fullscreen"));
    keyBinder->addStroke(KeyStroke(SDLK_KP_PLUS, KMOD_RALT),
            new SimpleMsg("App", "inc_loglevel"));
    keyBinder->addStroke(KeyStroke(SDLK_KP_MINUS, KMOD_RALT),
            new SimpleMsg("App", "dec_loglevel"));
}

void GameAgent::ownUpdate()
{
    m_manager->updateGame();
}

void GameAgent::ownShutdown()
{
    OptionAgent *options = OptionAgent::instance();
    // The stored value is the player's file: keep the sum inside an int.
    long long playtime = static_cast<long long>(options->getInt("playtime", 0))
        + SDL_GetTicks() / 1000;
    if (playtime > INT_MAX) {
        playtime = INT_MAX;
    }
    options->storeParam("playtime", playtime);
    delete m_manager;
    m_manager = nullptr;
}
