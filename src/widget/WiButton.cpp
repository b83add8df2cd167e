#include "widget/WiButton.h"

#include "gengine/BaseMsg.h"
#include "gengine/MouseStroke.h"

WiButton::WiButton(IWidget *content, BaseMsg *message)
    : WiContainer(content, 0), m_message(message)
{
}

WiButton::~WiButton()
{
    delete m_message;
}

void WiButton::ownMouseButton(const MouseStroke &stroke)
{
    if (stroke.isLeft()) {
        m_message->send();
    }
}
