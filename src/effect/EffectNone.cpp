#include "effect/EffectNone.h"

const char *EffectNone::NAME = "none";

void EffectNone::blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y)
{
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(x);
    rect.y = static_cast<Sint16>(y);
    SDL_BlitSurface(surface, NULL, screen, &rect);
}
