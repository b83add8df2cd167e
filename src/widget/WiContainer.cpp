#include "widget/WiContainer.h"

WiContainer::WiContainer(IWidget *content, int border)
    : m_content(content), m_border(border)
{
    m_content->setShift(m_shift.plus(V2(m_border, m_border)));
}

WiContainer::~WiContainer()
{
    delete m_content;
}

void WiContainer::drawOn(SDL_Surface *screen)
{
    m_content->drawOn(screen);
}

int WiContainer::getW() const
{
    return m_content->getW() + 2 * m_border;
}

int WiContainer::getH() const
{
    return m_content->getH() + 2 * m_border;
}

void WiContainer::setShift(const V2 &shift)
{
    IWidget::setShift(shift);
    m_content->setShift(shift.plus(V2(m_border, m_border)));
}

void WiContainer::ownMouseButton(const MouseStroke &stroke)
{
    m_content->mouseButton(stroke);
}
