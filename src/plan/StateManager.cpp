#include "plan/StateManager.h"

#include "plan/GameState.h"
#include "gengine/SimpleMsg.h"
#include "gengine/BaseException.h"

#include <algorithm>

StateManager::~StateManager()
{
    emptyTrash();
    for (GameState *state : m_states) {
        delete state;
    }
}

StateManager::t_states::iterator StateManager::findState(GameState *who)
{
    t_states::iterator it = std::find(m_states.begin(), m_states.end(), who);
    if (it == m_states.end()) {
        throw LogicException(InfoText("game state is not found in stack")
                .addValue("state", who ? who->getName() : "(null)"));
    }
    return it;
}

void StateManager::insertAbove(GameState *who, GameState *newState)
{
    if (!who) {
        m_states.push_back(newState);
        return;
    }
    t_states::iterator it;
    try {
        it = findState(who);
    } catch (...) {
        delete newState;
        throw;
    }
    m_states.insert(it + 1, newState);
}

void StateManager::pushState(GameState *who, GameState *newState)
{
    insertAbove(who, newState);
    newState->initState(this);
    checkStack();
}

void StateManager::changeState(GameState *who, GameState *newState)
{
    if (!who) {
        delete newState;
        findState(who);
    }
    insertAbove(who, newState);
    try {
        removeState(who);
    } catch (...) {
        m_states.erase(std::find(m_states.begin(), m_states.end(), newState));
        delete newState;
        throw;
    }
    newState->initState(this);
    checkStack();
}

void StateManager::popState(GameState *who)
{
    removeState(who);
    if (m_states.empty()) {
        SimpleMsg("App", "quit").send();
    } else {
        checkStack();
    }
}

void StateManager::removeState(GameState *who)
{
    findState(who);
    who->cleanState();
    m_trash.push_back(who);
    m_states.erase(std::remove(m_states.begin(), m_states.end(), who), m_states.end());
}

void StateManager::updateGame()
{
    // The states pushed during the frame wait for the next one; removed
    // states are inactive from their removal on and are skipped.
    const t_states frame = m_states;
    for (GameState *state : frame) {
        if (state->isActive()) {
            state->updateState();
        }
    }
    emptyTrash();
}

void StateManager::emptyTrash()
{
    // Deleting a state may delete others that push into the trash.
    while (!m_trash.empty()) {
        t_states old;
        old.swap(m_trash);
        for (GameState *state : old) {
            delete state;
        }
    }
}

void StateManager::checkStack()
{
    if (m_states.empty()) {
        throw LogicException(InfoText("game state stack is empty"));
    }
    if (m_states.back()->isOnBg()) {
        m_states.back()->noteFg();
    }
    pausePass();
    resumePass(m_states.size() - 1);
    handlersPass();
}

void StateManager::pausePass()
{
    for (t_states::size_type upper = m_states.size() - 1; upper > 0; --upper) {
        GameState *lower = m_states[upper - 1];
        bool keepsLower = m_states[upper]->isActive() && m_states[upper]->allowBg();
        if (!keepsLower && lower->isActive()) {
            lower->pauseState();
        }
    }
}

void StateManager::resumePass(t_states::size_type index)
{
    GameState *state = m_states[index];
    if (state->allowBg() && index > 0) {
        resumePass(index - 1);
        m_states[index - 1]->noteBg();
    }
    if (!state->isActive()) {
        state->resumeState();
    }
}

void StateManager::handlersPass()
{
    for (GameState *state : m_states) {
        state->removeHandlers();
        if (state->isActive()) {
            state->installHandlers();
        }
    }
}
