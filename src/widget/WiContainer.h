#ifndef HEADER_WICONTAINER_H
#define HEADER_WICONTAINER_H

// A widget around one other widget (owned), with an empty border of the same
// width on every side. The content always sits inset by the border.

#include "widget/IWidget.h"

class WiContainer : public IWidget {
    protected:
        IWidget *m_content;
        int m_border;

        virtual void ownMouseButton(const MouseStroke &stroke);
    public:
        /** Takes ownership of content. */
        WiContainer(IWidget *content, int border);
        virtual ~WiContainer();
        virtual void drawOn(SDL_Surface *screen);
        virtual int getW() const;
        virtual int getH() const;
        virtual void setShift(const V2 &shift);
};

#endif
