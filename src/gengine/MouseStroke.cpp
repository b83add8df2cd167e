#include "gengine/MouseStroke.h"

#include "gengine/DisplayScale.h"

MouseStroke::MouseStroke(const SDL_MouseButtonEvent &event)
    : m_button(event.button), m_loc(DisplayScale::toLogical(event.x, event.y))
{
}

std::string MouseStroke::toString() const
{
    return "button=" + std::to_string(m_button) + " loc=" + m_loc.toString();
}
