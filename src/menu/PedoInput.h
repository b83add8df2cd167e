#ifndef HEADER_PEDOINPUT_H
#define HEADER_PEDOINPUT_H

// The pedometer's input: a left click presses the button under the mouse;
// Escape goes back to the world map. No help and no subtitles here.

#include "plan/GameInput.h"

class Pedometer;

class PedoInput : public GameInput {
    private:
        Pedometer *m_pedometer;
    protected:
        virtual void enableHelp() {}
        virtual void enableSubtitles() {}
    public:
        explicit PedoInput(Pedometer *pedometer);

        virtual void mouseEvent(const MouseStroke &stroke);
};

#endif
