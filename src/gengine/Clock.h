#ifndef HEADER_CLOCK_H
#define HEADER_CLOCK_H

// Wall time in microseconds for the few places that measure real time
// (the joystick repeat). The default reads SDL's millisecond ticks; a test
// hands in a clock it moves by hand. Kept in 64 bits so that the count never
// wraps during a long session.

#include "gengine/NoCopy.h"

#include "SDL.h"

class Clock : public NoCopy {
    public:
        virtual Sint64 getMicros() const = 0;
};

class SDLClock : public Clock {
    public:
        virtual Sint64 getMicros() const
        { return static_cast<Sint64>(SDL_GetTicks()) * 1000; }
};

#endif
