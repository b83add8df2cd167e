#ifndef HEADER_DEMOINPUT_H
#define HEADER_DEMOINPUT_H

// The input handler of the demo and poster screens: Escape, space or any
// mouse button end the screen. F1 does nothing here (a demo shows no help of
// its own); F10 still opens the options menu.

#include "plan/GameInput.h"

class DemoInput : public GameInput {
    protected:
        virtual void enableHelp() {}
    public:
        explicit DemoInput(GameState *state);

        virtual void mouseEvent(const MouseStroke &stroke);
};

#endif
