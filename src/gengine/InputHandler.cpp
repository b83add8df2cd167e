#include "gengine/InputHandler.h"

#include "gengine/InfoText.h"

InputHandler::InputHandler()
    : m_keys(NULL), m_buttons(0), m_mouseLoc(-1, -1)
{
}

bool InputHandler::isPressed(SDLKey key) const
{
    // Key numbers also come from scripts; SDL's array ends at SDLK_LAST.
    const long index = static_cast<long>(key);
    if (m_keys == NULL || index < 0 || index >= static_cast<long>(SDLK_LAST)) {
        return false;
    }
    return m_keys[index] != 0;
}

bool InputHandler::isLeftPressed() const
{
    return (m_buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
}

bool InputHandler::isRightPressed() const
{
    return (m_buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) != 0;
}

bool InputHandler::isMiddlePressed() const
{
    return (m_buttons & SDL_BUTTON(SDL_BUTTON_MIDDLE)) != 0;
}

V2 InputHandler::getMouseLoc() const
{
    return m_mouseLoc;
}

std::string InputHandler::toString() const
{
    return InfoText("input")
        .addValue("mouse", m_mouseLoc.toString())
        .addValue("buttons", static_cast<int>(m_buttons))
        .text();
}

void InputHandler::mouseState(const V2 &loc, Uint8 buttons)
{
    m_mouseLoc = loc;
    m_buttons = buttons;
}
