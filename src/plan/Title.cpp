#include "plan/Title.h"

#include "effect/Font.h"
#include "gengine/OptionAgent.h"

#include <algorithm>
#include <climits>

namespace {

const int MIN_TIME = 40;

/** Twice the character count, kept inside an int for any text. */
int doubleLength(const std::string &text)
{
    long long count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return static_cast<int>(std::min(2 * count, static_cast<long long>(INT_MAX / 2)));
}

/** Screen sizes are parameters anyone may set; keep the arithmetic small. */
int screenSize(const char *name)
{
    return std::max(0, std::min(0xffff, OptionAgent::instance()->getInt(name, 0)));
}

Sint16 toSint16(int value)
{
    return static_cast<Sint16>(std::max(-32768, std::min(32767, value)));
}

}

Title::Title(int startY, int finalHeight, int bonusTime, int limitHeight,
        const std::string &text, const Font *font, const SDL_Color &color)
    : m_content(text), m_font(font), m_surface(nullptr)
{
    m_screenW = screenSize("screen_width");
    m_screenH = screenSize("screen_height");
    m_surface = m_font->renderTextOutlined(text, color, 1);
    m_x = (m_screenW - m_font->calcTextWidth(text)) / 2;
    m_y = m_screenH - startY;
    m_finalY = m_screenH - finalHeight;
    m_limitY = m_screenH - limitHeight;
    m_mintime = std::max(doubleLength(text), MIN_TIME) + bonusTime;
}

Title::~Title()
{
    SDL_FreeSurface(m_surface);
}

void Title::drawOn(SDL_Surface *screen)
{
    SDL_Rect rect;
    rect.x = toSint16(m_x);
    rect.y = toSint16(m_y);
    rect.w = 0;
    rect.h = 0;
    SDL_BlitSurface(m_surface, nullptr, screen, &rect);
}

void Title::shift(int rate)
{
    m_y -= rate;
    if (m_y < m_finalY) {
        m_y = m_finalY;
    }
    if (m_mintime > INT_MIN) {
        --m_mintime;
    }
}

void Title::shiftFinal(int rate)
{
    m_finalY -= rate;
}

bool Title::isGone() const
{
    return m_mintime < 0 || m_y < m_limitY;
}
