#ifndef HEADER_DRAWABLE_H
#define HEADER_DRAWABLE_H

// Anything that paints itself onto a surface. The surface is the argument of
// each call: the video agent replaces its drawing surface when a state asks
// for another logical size, so no drawable may keep it.

#include "gengine/NoCopy.h"

#include "SDL.h"

class Drawable : public NoCopy {
    public:
        virtual ~Drawable() {}
        virtual void drawOn(SDL_Surface *screen) = 0;
};

#endif
