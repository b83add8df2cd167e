#include "widget/VBox.h"

#include <algorithm>

int VBox::offsetOf(const IWidget *widget) const
{
    return m_centered ? (m_maxW - widget->getW()) / 2 : 0;
}

void VBox::addWidget(IWidget *widget)
{
    m_widgets.push_back(widget);
    m_maxW = std::max(m_maxW, widget->getW());
    widget->setShift(m_shift.plus(V2(offsetOf(widget), m_totalH)));
    m_totalH += widget->getH();
}

void VBox::setShift(const V2 &shift)
{
    IWidget::setShift(shift);
    int y = 0;
    for (IWidget *widget : m_widgets) {
        widget->setShift(shift.plus(V2(offsetOf(widget), y)));
        y += widget->getH();
    }
}
