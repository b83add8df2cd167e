#include "widget/IWidget.h"

#include "gengine/MouseStroke.h"

#include <algorithm>

namespace {

Sint16 toCoord(long long value)
{
    return static_cast<Sint16>(std::max<long long>(-32768, std::min<long long>(32767, value)));
}

Uint16 toSize(long long value)
{
    return static_cast<Uint16>(std::max<long long>(0, std::min<long long>(65535, value)));
}

}

SDL_Rect IWidget::getArea() const
{
    SDL_Rect rect;
    rect.x = toCoord(m_shift.getX());
    rect.y = toCoord(m_shift.getY());
    rect.w = toSize(getW());
    rect.h = toSize(getH());
    return rect;
}

bool IWidget::isInside(const V2 &loc) const
{
    // In long long: positions come from the mouse and from layouts of any size.
    long long dx = static_cast<long long>(loc.getX()) - m_shift.getX();
    long long dy = static_cast<long long>(loc.getY()) - m_shift.getY();
    return dx >= 0 && dx < getW() && dy >= 0 && dy < getH();
}

void IWidget::mouseButton(const MouseStroke &stroke)
{
    if (isInside(stroke.getLoc())) {
        ownMouseButton(stroke);
    }
}

std::string IWidget::getTipAt(const IWidget *widget, const V2 &loc)
{
    return widget->isInside(loc) ? widget->getTip(loc) : std::string();
}
