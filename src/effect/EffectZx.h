#ifndef HEADER_EFFECTZX_H
#define HEADER_EFFECTZX_H

// The model's shape filled with horizontal stripes that roll from frame to
// frame. The stripe colours are the model's four corner pixels: wide stripes
// (about 38 rows) alternate colours 1 and 2, narrow ones (about 3.4 rows)
// colours 3 and 4. A cycle is 500 updates: phases 1 to 51 wide, the rest
// narrow. The row count (countHeight) carries over from one model row to the
// next and from one frame to the next. Pixels equal to the model's colour
// key are left out.

#include "effect/ViewEffect.h"

class EffectZx : public ViewEffect {
    private:
        int m_zx;
        int m_phase;
        double m_countHeight;
        double m_stripeHeight;
    public:
        static const char *NAME;

        EffectZx();
        virtual void updateEffect();
        virtual const char *getName() const { return NAME; }
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y);

        int getZx() const { return m_zx; }
        int getPhase() const { return m_phase; }
        double getCountHeight() const { return m_countHeight; }
        double getStripeHeight() const { return m_stripeHeight; }
};

#endif
