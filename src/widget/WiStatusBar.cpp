#include "widget/WiStatusBar.h"

#include "effect/Font.h"

#include <algorithm>

WiStatusBar::WiStatusBar(Font *font, const SDL_Color &color, int width)
    : m_font(font), m_color(color), m_width(std::max(0, width))
{
}

WiStatusBar::~WiStatusBar()
{
    delete m_font;
}

int WiStatusBar::getH() const
{
    return m_font->getHeight();
}

void WiStatusBar::drawOn(SDL_Surface *screen)
{
    if (m_label.empty()) {
        return;
    }
    SDL_Surface *text = m_font->renderTextOutlined(m_label, m_color, 1);
    SDL_Rect dest = getArea();
    SDL_BlitSurface(text, NULL, screen, &dest);
    SDL_FreeSurface(text);
}
