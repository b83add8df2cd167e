#ifndef HEADER_WIBUTTON_H
#define HEADER_WIBUTTON_H

// A clickable widget: every left click sends a copy of its message, which
// the button owns and keeps for the next click.

#include "widget/WiContainer.h"

class BaseMsg;

class WiButton : public WiContainer {
    private:
        BaseMsg *m_message;
    protected:
        virtual void ownMouseButton(const MouseStroke &stroke);
    public:
        /** Takes ownership of content and message. */
        WiButton(IWidget *content, BaseMsg *message);
        virtual ~WiButton();
};

#endif
