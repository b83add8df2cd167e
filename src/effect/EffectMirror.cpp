#include "effect/EffectMirror.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"

const char *EffectMirror::NAME = "mirror";

namespace {

const int MIRROR_BORDER = 3;

bool isOnSurface(const SDL_Surface *surface, int x, int y)
{
    return x >= 0 && x < surface->w && y >= 0 && y < surface->h;
}

} // namespace

void EffectMirror::blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y)
{
    if (surface->w <= 0 || surface->h <= 0) {
        return;
    }
    SurfaceLock lock1(screen);
    SurfaceLock lock2(surface);

    SDL_Color mirror = PixelTool::getColor(surface, surface->w / 2, surface->h / 2);
    for (int py = 0; py < surface->h; ++py) {
        for (int px = 0; px < surface->w; ++px) {
            SDL_Color pixel = PixelTool::getColor(surface, px, py);
            int reflectedX = x + MIRROR_BORDER - px;
            if (px > MIRROR_BORDER && PixelTool::colorEquals(pixel, mirror)
                    && isOnSurface(screen, reflectedX, y + py)) {
                SDL_Color reflected = PixelTool::getColor(screen, reflectedX, y + py);
                PixelTool::putColor(screen, x + px, y + py, reflected);
            } else if (pixel.unused == 255) {
                PixelTool::putColor(screen, x + px, y + py, pixel);
            }
        }
    }
}
