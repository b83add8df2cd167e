#ifndef HEADER_EFFECTDISINTEGRATE_H
#define HEADER_EFFECTDISINTEGRATE_H

// A vanishing model crumbles into holes. The countdown starts at 400 and
// falls by 30 per update down to 0 (400, 370, ..., 40, 10, 0: the 14th
// update reaches 0). A pixel shows while its byte of the shared random table
// (indexed by py * width + px) is below the countdown, so the holes are the
// same on every frame and for every model of the same width. At 0 the model
// is gone: disintegrated and invisible.

#include "effect/ViewEffect.h"

class EffectDisintegrate : public ViewEffect {
    private:
        int m_disint;
    public:
        static const char *NAME;
        static constexpr int DISINT_START = 400;
        static constexpr int DISINT_SPEED = 30;

        EffectDisintegrate() : m_disint(DISINT_START) {}
        virtual void updateEffect();
        virtual const char *getName() const { return NAME; }
        virtual bool isDisintegrated() const { return m_disint == 0; }
        virtual bool isInvisible() const { return isDisintegrated(); }
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y);

        int getDisint() const { return m_disint; }
};

#endif
