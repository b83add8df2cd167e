#include "effect/EffectDisintegrate.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"
#include "gengine/Random.h"

const char *EffectDisintegrate::NAME = "disintegrate";

void EffectDisintegrate::updateEffect()
{
    if (m_disint > 0) {
        m_disint -= DISINT_SPEED;
        if (m_disint < 0) {
            m_disint = 0;
        }
    }
}

void EffectDisintegrate::blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y)
{
    SurfaceLock lock1(screen);
    SurfaceLock lock2(surface);

    // Unsigned arithmetic: the index only picks a table entry, so wrapping on
    // an absurdly large surface is harmless where int overflow would not be.
    unsigned width = static_cast<unsigned>(surface->w);
    for (int py = 0; py < surface->h; ++py) {
        unsigned rowStart = static_cast<unsigned>(py) * width;
        for (int px = 0; px < surface->w; ++px) {
            if (Random::aByte(rowStart + static_cast<unsigned>(px)) < m_disint) {
                SDL_Color pixel = PixelTool::getColor(surface, px, py);
                if (pixel.unused == 255) {
                    PixelTool::putColor(screen, x + px, y + py, pixel);
                }
            }
        }
    }
}
