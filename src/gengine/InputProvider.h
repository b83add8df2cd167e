#ifndef HEADER_INPUTPROVIDER_H
#define HEADER_INPUTPROVIDER_H

// Read access to the held keys and the mouse, for code that polls input
// (the fish controls, the widgets) instead of receiving events.

#include "gengine/V2.h"

#include "SDL.h"

#include <string>

class InputProvider {
    public:
        virtual ~InputProvider() {}
        /** Whether the key is held now; false for keys outside SDL's table. */
        virtual bool isPressed(SDLKey key) const = 0;
        virtual bool isLeftPressed() const = 0;
        virtual bool isRightPressed() const = 0;
        virtual bool isMiddlePressed() const = 0;
        /** Logical mouse position; (-1, -1) when nothing is known. */
        virtual V2 getMouseLoc() const = 0;
        virtual std::string toString() const = 0;
};

#endif
