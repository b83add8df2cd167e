#include "plan/StateInput.h"

#include "plan/GameState.h"
#include "gengine/BaseException.h"
#include "gengine/OptionAgent.h"
#include "gengine/Log.h"

namespace {

enum {
    KEY_QUIT = 1,
    KEY_CONSOLE = 2,
    KEY_HELP = 3,
    KEY_MENU = 4,
    KEY_SUBTITLES = 5
};

}

StateInput::t_stateMaker StateInput::ms_consoleMaker = nullptr;

StateInput::StateInput(GameState *state) : m_state(state)
{
    registerKey(KeyStroke(SDLK_ESCAPE, KMOD_NONE), KEY_QUIT, "quit");
    registerKey(KeyStroke(SDLK_BACKQUOTE, KMOD_NONE), KEY_CONSOLE, "debug console");
    registerKey(KeyStroke(SDLK_F1, KMOD_NONE), KEY_HELP, "help screen");
    registerKey(KeyStroke(SDLK_F10, KMOD_NONE), KEY_MENU, "game menu");
    registerKey(KeyStroke(SDLK_F6, KMOD_NONE), KEY_SUBTITLES, "enable subtitles");
}

void StateInput::registerKey(const KeyStroke &stroke, int index, const std::string &desc)
{
    KeyDesc key = {index, desc};
    m_keys.insert(std::make_pair(stroke, key));
}

std::string StateInput::getKeyDesc(const KeyStroke &stroke) const
{
    t_keys::const_iterator it = m_keys.find(stroke);
    return it == m_keys.end() ? std::string() : it->second.desc;
}

void StateInput::keyEvent(const KeyStroke &stroke)
{
    t_keys::const_iterator it = m_keys.find(stroke);
    if (it == m_keys.end()) {
        specStroke(stroke);
        return;
    }
    switch (it->second.index) {
        case KEY_QUIT:
            quitState();
            break;
        case KEY_CONSOLE:
            enableConsole();
            break;
        case KEY_HELP:
            enableHelp();
            break;
        case KEY_MENU:
            enableMenu();
            break;
        case KEY_SUBTITLES:
            enableSubtitles();
            break;
        default:
            specKey(it->second.index);
            break;
    }
}

void StateInput::quitState()
{
    m_state->quitState();
}

void StateInput::enableConsole()
{
    pushMade(ms_consoleMaker, "debug console");
}

void StateInput::enableSubtitles()
{
    OptionAgent *options = OptionAgent::instance();
    bool enabled = options->getBool("subtitles", false);
    options->storeParam("subtitles", enabled ? "0" : "1");
}

void StateInput::specKey(int keyIndex)
{
    LOG_WARNING(InfoText("unknown key").addValue("keyIndex", keyIndex));
}

void StateInput::pushMade(t_stateMaker maker, const char *what)
{
    if (!maker) {
        LOG_WARNING(InfoText("state is not available").addValue("state", what));
        return;
    }
    GameState *made = nullptr;
    try {
        made = maker();
    } catch (const BaseException &e) {
        // A screen that cannot be built (a broken script, a missing picture)
        // is not worth ending the game for: the state below goes on.
        LOG_WARNING(InfoText("state is not available").addValue("state", what)
                .addValue("reason", e.info().text()));
        return;
    }
    m_state->pushState(made);
}
