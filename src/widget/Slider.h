#ifndef HEADER_SLIDER_H
#define HEADER_SLIDER_H

// A horizontal bar bound to an integer parameter between min and max, two
// pixels per unit and 30 pixels high. A left click sets the value under the
// mouse; the green bar shows the parameter as it is now, read on every draw.

#include "widget/IWidget.h"

#include <string>

class Slider : public IWidget {
    private:
        std::string m_param;
        int m_min;
        int m_max;
    protected:
        virtual void ownMouseButton(const MouseStroke &stroke);
    public:
        static constexpr int HEIGHT = 30;

        /** max below min is taken as min. */
        Slider(const std::string &param, int min, int max);
        virtual void drawOn(SDL_Surface *screen);
        virtual int getW() const;
        virtual int getH() const { return HEIGHT; }

        /** The value a click at the x offset from the left edge gives, within min..max. */
        int valueAt(int offset) const;
};

#endif
