#include "plan/GameState.h"

#include "plan/StateManager.h"
#include "plan/StateInput.h"
#include "gengine/MultiDrawer.h"
#include "gengine/MessagerAgent.h"
#include "gengine/InputAgent.h"
#include "gengine/VideoAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"

GameState::GameState()
    : m_active(false), m_onBg(false), m_nextState(nullptr),
      m_handler(nullptr), m_drawer(new MultiDrawer()), m_manager(nullptr)
{
}

GameState::~GameState()
{
    // A next state that was never handed to the stack is still ours.
    delete m_nextState;
    delete m_handler;
    delete m_drawer;
}

StateManager *GameState::manager() const
{
    if (!m_manager) {
        throw LogicException(InfoText("game state is not found in stack")
                .addValue("state", getName()));
    }
    return m_manager;
}

void GameState::takeHandler(StateInput *handler)
{
    delete m_handler;
    m_handler = handler;
}

void GameState::registerDrawable(Drawable *drawable)
{
    m_drawer->acceptDrawer(drawable);
}

void GameState::deregisterDrawable(const Drawable *drawable)
{
    m_drawer->removeDrawer(drawable);
}

void GameState::setNextState(GameState *nextState)
{
    if (nextState != m_nextState) {
        delete m_nextState;
        m_nextState = nextState;
    }
}

void GameState::receiveSimple(const SimpleMsg *msg)
{
    if (msg->getName() == "quit") {
        quitState();
    } else {
        LOG_WARNING(InfoText("unknown msg").addValue("msg", msg->describe()));
    }
}

void GameState::initState(StateManager *manager)
{
    LOG_DEBUG(InfoText("initState").addValue("name", getName()));
    MessagerAgent::instance()->addListener(this);
    m_manager = manager;
    m_active = true;
    m_onBg = false;
    ownInitState();
}

void GameState::updateState()
{
    if (!m_active) {
        throw LogicException(InfoText("update - state is not active")
                .addValue("name", getName()));
    }
    ownUpdateState();
}

void GameState::pauseState()
{
    if (!m_active) {
        throw LogicException(InfoText("pause - state is not active")
                .addValue("name", getName()));
    }
    ownPauseState();
    m_onBg = false;
    m_active = false;
}

void GameState::resumeState()
{
    if (m_active) {
        throw LogicException(InfoText("resume - state is already active")
                .addValue("name", getName()));
    }
    m_active = true;
    ownResumeState();
}

void GameState::cleanState()
{
    LOG_DEBUG(InfoText("cleanState").addValue("name", getName()));
    if (!m_active) {
        throw LogicException(InfoText("clean - state is not active")
                .addValue("name", getName()));
    }
    ownCleanState();
    removeHandlers();
    m_manager = nullptr;
    m_active = false;
    m_onBg = false;
    removeWatchers();
    MessagerAgent::instance()->removeListener(getName());
}

void GameState::noteBg()
{
    LOG_DEBUG(InfoText("noteBg").addValue("name", getName()));
    ownNoteBg();
    m_onBg = true;
}

void GameState::noteFg()
{
    LOG_DEBUG(InfoText("noteFg").addValue("name", getName()));
    m_onBg = false;
    ownNoteFg();
}

void GameState::installHandlers()
{
    LOG_DEBUG(InfoText("installHandlers").addValue("state", getName()));
    InputAgent::instance()->installHandler(m_handler);
    VideoAgent::instance()->acceptDrawer(m_drawer);
}

void GameState::removeHandlers()
{
    InputAgent::instance()->installHandler(nullptr);
    VideoAgent::instance()->removeDrawer(m_drawer);
}

void GameState::pushState(GameState *newState)
{
    if (!m_manager) {
        delete newState;
    }
    manager()->pushState(this, newState);
}

void GameState::changeState(GameState *newState)
{
    if (!m_manager) {
        delete newState;
    }
    manager()->changeState(this, newState);
}

void GameState::quitState()
{
    StateManager *stack = manager();
    if (m_nextState) {
        GameState *next = m_nextState;
        m_nextState = nullptr;
        stack->changeState(this, next);
    } else {
        stack->popState(this);
    }
}
