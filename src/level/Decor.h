#ifndef HEADER_DECOR_H
#define HEADER_DECOR_H

// Something a room's view draws over its models, after all of them, in the
// order the decorations were added. The view owns its decorations.

#include "SDL.h"

class View;

class Decor {
    public:
        virtual ~Decor() {}
        virtual void drawOnScreen(const View *view, SDL_Surface *screen) = 0;
};

#endif
