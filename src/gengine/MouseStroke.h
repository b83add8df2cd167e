#ifndef HEADER_MOUSESTROKE_H
#define HEADER_MOUSESTROKE_H

// One mouse button press in logical pixels: the display position of the
// event scaled by the current display factors, so states never see the
// display size.

#include "gengine/V2.h"

#include "SDL.h"

#include <string>

class MouseStroke {
    private:
        Uint8 m_button;
        V2 m_loc;
    public:
        explicit MouseStroke(const SDL_MouseButtonEvent &event);

        Uint8 getButton() const { return m_button; }
        V2 getLoc() const { return m_loc; }
        bool isLeft() const { return m_button == SDL_BUTTON_LEFT; }
        bool isMiddle() const { return m_button == SDL_BUTTON_MIDDLE; }
        bool isRight() const { return m_button == SDL_BUTTON_RIGHT; }
        /** "button=N loc=[x,y]" for log lines. */
        std::string toString() const;
};

#endif
