#include "widget/WiBox.h"

WiBox::~WiBox()
{
    for (IWidget *widget : m_widgets) {
        delete widget;
    }
}

void WiBox::drawOn(SDL_Surface *screen)
{
    for (IWidget *widget : m_widgets) {
        widget->drawOn(screen);
    }
}

void WiBox::ownMouseButton(const MouseStroke &stroke)
{
    for (IWidget *widget : m_widgets) {
        widget->mouseButton(stroke);
    }
}

std::string WiBox::getTip(const V2 &loc) const
{
    std::string childTip;
    for (const IWidget *widget : m_widgets) {
        childTip = getTipAt(widget, loc);
        if (!childTip.empty()) {
            break;
        }
    }
    if (childTip.empty()) {
        return m_tip;
    }
    return m_tip.empty() ? childTip : m_tip + " - " + childTip;
}
