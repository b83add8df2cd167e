#ifndef HEADER_RADIOBOX_H
#define HEADER_RADIOBOX_H

// A picture that stands for one value of a parameter. A left click sets the
// parameter to that value; the box that matches the current value wears a
// green frame. It keeps no state: the parameter is read on every draw, so a
// change from elsewhere shows at once.

#include "widget/WiContainer.h"

#include <string>

class Path;

class RadioBox : public WiContainer {
    private:
        std::string m_param;
        std::string m_value;
    protected:
        virtual void ownMouseButton(const MouseStroke &stroke);
    public:
        static constexpr int BORDER = 4;

        /** Loading errors of the picture pass to the caller. */
        RadioBox(const std::string &param, const std::string &value, const Path &picture);
        virtual void drawOn(SDL_Surface *screen);
};

#endif
