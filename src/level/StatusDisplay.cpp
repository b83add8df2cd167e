#include "level/StatusDisplay.h"

#include "effect/Picture.h"

StatusDisplay::StatusDisplay()
    : m_time(0)
{
}

StatusDisplay::~StatusDisplay()
{
}

void StatusDisplay::displayStatus(Picture *picture, int time)
{
    m_picture.reset(picture);
    m_time = time;
}

void StatusDisplay::drawOn(SDL_Surface *screen)
{
    if (m_time <= 0) {
        return;
    }
    --m_time;
    if (m_picture) {
        m_picture->drawOn(screen);
    }
}
