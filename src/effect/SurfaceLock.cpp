#include "effect/SurfaceLock.h"

#include "gengine/SDLException.h"

SurfaceLock::SurfaceLock(SDL_Surface *surface)
    : m_surface(surface)
{
    if (SDL_MUSTLOCK(m_surface)) {
        if (SDL_LockSurface(m_surface) < 0) {
            throw SDLException(InfoText("LockSurface"));
        }
    }
}

SurfaceLock::~SurfaceLock()
{
    if (SDL_MUSTLOCK(m_surface)) {
        SDL_UnlockSurface(m_surface);
    }
}
