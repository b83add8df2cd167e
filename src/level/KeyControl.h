#ifndef HEADER_KEYCONTROL_H
#define HEADER_KEYCONTROL_H

// The four keys that steer one fish, up, down, left, right; by default the
// arrow keys. SDLK_LAST stands for "no key": no key press produces it.

#include "SDL.h"

class KeyControl {
    private:
        SDLKey m_up;
        SDLKey m_down;
        SDLKey m_left;
        SDLKey m_right;
    public:
        KeyControl() : m_up(SDLK_UP), m_down(SDLK_DOWN), m_left(SDLK_LEFT), m_right(SDLK_RIGHT) {}
        KeyControl(SDLKey up, SDLKey down, SDLKey left, SDLKey right)
            : m_up(up), m_down(down), m_left(left), m_right(right) {}

        SDLKey getUp() const { return m_up; }
        SDLKey getDown() const { return m_down; }
        SDLKey getLeft() const { return m_left; }
        SDLKey getRight() const { return m_right; }
};

#endif
