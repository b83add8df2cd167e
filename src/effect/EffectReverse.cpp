#include "effect/EffectReverse.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"

const char *EffectReverse::NAME = "reverse";

void EffectReverse::blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y)
{
    SurfaceLock lock1(screen);
    SurfaceLock lock2(surface);

    for (int py = 0; py < surface->h; ++py) {
        for (int px = 0; px < surface->w; ++px) {
            SDL_Color pixel = PixelTool::getColor(surface, px, py);
            if (pixel.unused == 255) {
                PixelTool::putColor(screen, x + surface->w - 1 - px, y + py, pixel);
            }
        }
    }
}
