#include "widget/RadioBox.h"

#include "widget/WiPicture.h"
#include "gengine/MouseStroke.h"
#include "gengine/OptionAgent.h"

RadioBox::RadioBox(const std::string &param, const std::string &value, const Path &picture)
    : WiContainer(new WiPicture(picture), BORDER), m_param(param), m_value(value)
{
}

void RadioBox::drawOn(SDL_Surface *screen)
{
    if (OptionAgent::instance()->getParam(m_param) == m_value) {
        SDL_Rect area = getArea();
        SDL_FillRect(screen, &area, SDL_MapRGB(screen->format, 0, 255, 0));
    }
    WiContainer::drawOn(screen);
}

void RadioBox::ownMouseButton(const MouseStroke &stroke)
{
    if (stroke.isLeft()) {
        OptionAgent::instance()->setParam(m_param, m_value);
    }
}
