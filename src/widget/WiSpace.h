#ifndef HEADER_WISPACE_H
#define HEADER_WISPACE_H

// Empty room of a fixed size between other widgets; it draws nothing.

#include "widget/IWidget.h"

class WiSpace : public IWidget {
    private:
        int m_w;
        int m_h;
    public:
        WiSpace(int width, int height) : m_w(width), m_h(height) {}
        virtual void drawOn(SDL_Surface * /*screen*/) {}
        virtual int getW() const { return m_w; }
        virtual int getH() const { return m_h; }
};

#endif
