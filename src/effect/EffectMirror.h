#ifndef HEADER_EFFECTMIRROR_H
#define HEADER_EFFECTMIRROR_H

// A mirror that reflects what lies on the screen to its left. Model pixels
// of the centre pixel's colour (columns 4 and beyond) are the glass: each
// shows the screen pixel reflected about the line between columns x + 1 and
// x + 2, so column x + 4 shows x - 1, x + 5 shows x - 2 and so on. Glass
// whose reflection would fall outside the screen is drawn as an ordinary
// model pixel. Other opaque pixels are the frame, drawn as they are.

#include "effect/ViewEffect.h"

class EffectMirror : public ViewEffect {
    public:
        static const char *NAME;
        virtual const char *getName() const { return NAME; }
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y);
};

#endif
