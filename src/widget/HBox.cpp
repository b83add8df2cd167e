#include "widget/HBox.h"

#include <algorithm>

void HBox::addWidget(IWidget *widget)
{
    m_widgets.push_back(widget);
    widget->setShift(m_shift.plus(V2(m_totalW, 0)));
    m_totalW += widget->getW();
    m_maxH = std::max(m_maxH, widget->getH());
}

void HBox::setShift(const V2 &shift)
{
    IWidget::setShift(shift);
    int x = 0;
    for (IWidget *widget : m_widgets) {
        widget->setShift(shift.plus(V2(x, 0)));
        x += widget->getW();
    }
}
