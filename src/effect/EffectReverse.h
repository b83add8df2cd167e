#ifndef HEADER_EFFECTREVERSE_H
#define HEADER_EFFECTREVERSE_H

// The model drawn as its own mirror image, left to right: model column px
// lands on screen column x + width - 1 - px. Only opaque pixels are copied.

#include "effect/ViewEffect.h"

class EffectReverse : public ViewEffect {
    public:
        static const char *NAME;
        virtual const char *getName() const { return NAME; }
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y);
};

#endif
