#include "gengine/MultiDrawer.h"

#include <algorithm>

void MultiDrawer::drawOn(SDL_Surface *screen)
{
    for (Drawable *drawer : m_drawers) {
        drawer->drawOn(screen);
    }
}

void MultiDrawer::acceptDrawer(Drawable *drawer)
{
    m_drawers.push_back(drawer);
}

void MultiDrawer::removeDrawer(const Drawable *drawer)
{
    std::vector<Drawable *>::iterator it = std::find(m_drawers.begin(), m_drawers.end(), drawer);
    if (it != m_drawers.end()) {
        m_drawers.erase(it);
    }
}
