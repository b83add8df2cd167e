#include "gengine/InputAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/DisplayScale.h"
#include "gengine/InputHandler.h"
#include "gengine/KeyBinder.h"
#include "gengine/MouseStroke.h"
#include "gengine/SimpleMsg.h"

#include <cstring>

InputAgent::InputAgent()
    : m_keys(NULL), m_keyBinder(NULL), m_handler(NULL), m_clock(&m_sdlClock),
      m_lastJoyTime(0)
{
    std::memset(&m_lastJoy, 0, sizeof(m_lastJoy));
}

InputAgent::~InputAgent()
{
    delete m_keyBinder;
}

InputAgent *InputAgent::instance()
{
    return AgentPack::getAgentAs<InputAgent>("60input");
}

void InputAgent::ownInit()
{
    delete m_keyBinder;
    m_keyBinder = new KeyBinder();
    m_handler = NULL;
    m_keys = SDL_GetKeyState(NULL);
    std::memset(&m_lastJoy, 0, sizeof(m_lastJoy));
    SDL_EnableUNICODE(1);
}

void InputAgent::ownShutdown()
{
    delete m_keyBinder;
    m_keyBinder = NULL;
}

void InputAgent::setClock(const Clock *clock)
{
    m_clock = clock ? clock : &m_sdlClock;
}

void InputAgent::installHandler(InputHandler *handler)
{
    if (m_handler) {
        m_handler->takePressed(NULL);
        m_handler->mouseState(V2(-1, -1), 0);
    }
    m_handler = handler;
    if (m_handler) {
        m_handler->takePressed(m_keys);
        Uint8 buttons = 0;
        V2 loc = mouseState(&buttons);
        m_handler->mouseState(loc, buttons);
    }
}

SDLKey InputAgent::joyButtonKey(Uint8 button)
{
    switch (button) {
        case 0: return SDLK_UP;
        case 2: return SDLK_LEFT;
        case 4: return SDLK_DOWN;
        case 6: return SDLK_RIGHT;
        case 8: return SDLK_F10;
        case 9: return SDLK_ESCAPE;
        case 10: return SDLK_F2;
        case 11: return SDLK_F3;
        case 12: return SDLK_RETURN;
        case 13: return SDLK_F5;
        case 14: return SDLK_SPACE;
        case 15: return SDLK_BACKSPACE;
        default: return SDLK_UNKNOWN;
    }
}

void InputAgent::rewriteJoyEvent(SDL_Event *event) const
{
    const Uint8 button = event->jbutton.button;
    const bool pressed = event->type == SDL_JOYBUTTONDOWN;
    const SDLKey sym = joyButtonKey(button);
    std::memset(event, 0, sizeof(*event));
    event->type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event->key.type = event->type;
    event->key.which = 0;
    event->key.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    event->key.keysym.scancode = button;
    event->key.keysym.sym = sym;
    event->key.keysym.mod = KMOD_NONE;
    // A keyboard gives a character only for the ASCII keys (Return, Escape,
    // Space, Backspace); arrows and function keys must not type one.
    event->key.keysym.unicode = sym < 128 ? static_cast<Uint16>(sym) : 0;
}

void InputAgent::dispatch(const SDL_Event &event)
{
    switch (event.type) {
        case SDL_KEYDOWN:
            m_keyBinder->keyDown(event.key.keysym);
            if (m_handler) {
                m_handler->keyEvent(KeyStroke(event.key.keysym));
            }
            break;
        case SDL_KEYUP:
            if (m_handler) {
                m_handler->keyUpEvent(KeyStroke(event.key.keysym));
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (m_handler) {
                m_handler->mouseEvent(MouseStroke(event.button));
            }
            break;
        case SDL_QUIT:
            SimpleMsg("App", "quit").send();
            break;
        default:
            break;
    }
}

void InputAgent::ownUpdate()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP) {
            m_lastJoy = event;
            m_lastJoyTime = m_clock->getMicros();
            rewriteJoyEvent(&event);
        }
        dispatch(event);
    }
    repeatJoy();
    handMouseState();
}

void InputAgent::repeatJoy()
{
    if (m_lastJoy.type != SDL_JOYBUTTONDOWN) {
        return;
    }
    const Sint64 now = m_clock->getMicros();
    if (now - m_lastJoyTime > JOY_REPEAT_MICROS) {
        m_lastJoyTime = now;
        SDL_Event event = m_lastJoy;
        rewriteJoyEvent(&event);
        dispatch(event);
    }
}

V2 InputAgent::mouseState(Uint8 *buttons) const
{
    int x = 0;
    int y = 0;
    *buttons = SDL_GetMouseState(&x, &y);
    return DisplayScale::toLogical(x, y);
}

void InputAgent::handMouseState()
{
    if (m_handler) {
        Uint8 buttons = 0;
        V2 loc = mouseState(&buttons);
        m_handler->mouseState(loc, buttons);
    }
}
