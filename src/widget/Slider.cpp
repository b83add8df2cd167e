#include "widget/Slider.h"

#include "effect/SurfaceTool.h"
#include "gengine/MouseStroke.h"
#include "gengine/OptionAgent.h"

#include <algorithm>
#include <climits>

Slider::Slider(const std::string &param, int min, int max)
    : m_param(param), m_min(min), m_max(std::max(min, max))
{
}

int Slider::getW() const
{
    long long width = 2 * (static_cast<long long>(m_max) - m_min);
    return static_cast<int>(std::min<long long>(width, INT_MAX));
}

int Slider::valueAt(int offset) const
{
    // Each pair of pixel columns is one unit; halves round up. Counting from
    // min keeps clicks and the bar in step for any range.
    long long value = m_min + (static_cast<long long>(offset) + 1) / 2;
    return static_cast<int>(std::max<long long>(m_min, std::min<long long>(m_max, value)));
}

void Slider::drawOn(SDL_Surface *screen)
{
    int value = OptionAgent::instance()->getInt(m_param, 0);
    value = std::max(m_min, std::min(m_max, value));

    SDL_Rect area = getArea();
    const SDL_Color veil = {0, 0, 0, 129};
    SurfaceTool::alphaFill(screen, &area, veil);

    SDL_Rect bar = area;
    long long width = 2 * (static_cast<long long>(value) - m_min);
    bar.w = static_cast<Uint16>(std::min<long long>(width, area.w));
    bar.h = HEIGHT;
    if (bar.w > 0) {
        SDL_FillRect(screen, &bar, SDL_MapRGB(screen->format, 0, 255, 0));
    }
}

void Slider::ownMouseButton(const MouseStroke &stroke)
{
    if (stroke.isLeft()) {
        OptionAgent::instance()->setParam(m_param,
                static_cast<long long>(valueAt(stroke.getLoc().getX() - m_shift.getX())));
    }
}
