#ifndef HEADER_EFFECTNONE_H
#define HEADER_EFFECTNONE_H

// The default effect: a plain blit that honours the model's per-pixel alpha.

#include "effect/ViewEffect.h"

class EffectNone : public ViewEffect {
    public:
        static const char *NAME;
        virtual const char *getName() const { return NAME; }
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y);
};

#endif
