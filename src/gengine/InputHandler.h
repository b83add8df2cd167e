#ifndef HEADER_INPUTHANDLER_H
#define HEADER_INPUTHANDLER_H

// The receiver of the input agent's events: one handler, that of the top
// game state, is installed at a time. While installed it sees SDL's key
// state and the mouse of the last frame; detached it holds no key state and
// reports the mouse at (-1, -1) with no buttons. The input agent never owns it.

#include "gengine/InputProvider.h"
#include "gengine/NoCopy.h"

class KeyStroke;
class MouseStroke;

class InputHandler : public InputProvider, public NoCopy {
    private:
        const Uint8 *m_keys;
        Uint8 m_buttons;
        V2 m_mouseLoc;
    public:
        InputHandler();

        virtual bool isPressed(SDLKey key) const;
        virtual bool isLeftPressed() const;
        virtual bool isRightPressed() const;
        virtual bool isMiddlePressed() const;
        virtual V2 getMouseLoc() const;
        /** "input; mouse='[x,y]'; buttons=N". */
        virtual std::string toString() const;

        virtual void keyEvent(const KeyStroke &/*stroke*/) {}
        virtual void keyUpEvent(const KeyStroke &/*stroke*/) {}
        virtual void mouseEvent(const MouseStroke &/*stroke*/) {}

        /** Called by the input agent; null detaches the key state. */
        void takePressed(const Uint8 *keys) { m_keys = keys; }
        /** Called by the input agent once per frame with logical coordinates. */
        void mouseState(const V2 &loc, Uint8 buttons);
};

#endif
