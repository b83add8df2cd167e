#ifndef HEADER_EFFECTINVISIBLE_H
#define HEADER_EFFECTINVISIBLE_H

// A model that is there but not seen: it draws nothing, and says so.

#include "effect/ViewEffect.h"

class EffectInvisible : public ViewEffect {
    public:
        static const char *NAME;
        virtual const char *getName() const { return NAME; }
        virtual bool isInvisible() const { return true; }
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y);
};

#endif
