#ifndef HEADER_SURFACELOCK_H
#define HEADER_SURFACELOCK_H

// Holds a surface locked for direct pixel access for the lock's lifetime,
// when SDL says the surface needs locking at all. One lock per surface per
// drawing pass, never one per pixel.

#include "SDL.h"

class SurfaceLock {
    private:
        SDL_Surface *m_surface;
    public:
        /** Throws SDLException "LockSurface" when SDL refuses the lock. */
        explicit SurfaceLock(SDL_Surface *surface);
        ~SurfaceLock();
        SurfaceLock(const SurfaceLock &) = delete;
        SurfaceLock &operator=(const SurfaceLock &) = delete;
};

#endif
