#include "effect/EffectInvisible.h"

const char *EffectInvisible::NAME = "invisible";

void EffectInvisible::blit(SDL_Surface *, SDL_Surface *, int, int)
{
}
