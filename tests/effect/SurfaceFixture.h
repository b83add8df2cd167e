#ifndef HEADER_TESTS_SURFACEFIXTURE_H
#define HEADER_TESTS_SURFACEFIXTURE_H

// Small surfaces for pixel tests: 32-bit with alpha (like the display-format
// pictures the game loads) and 16-bit 565 (like the device's display).

#include "SDL.h"

#include <memory>

namespace fixture {

struct SurfaceDeleter {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};
typedef std::unique_ptr<SDL_Surface, SurfaceDeleter> SurfacePtr;

inline SurfacePtr makeRgba(int w, int h)
{
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32,
            0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000));
}

inline SurfacePtr makeRgb565(int w, int h)
{
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xf800, 0x07e0, 0x001f, 0));
}

inline SDL_Color rgba(Uint8 r, Uint8 g, Uint8 b, Uint8 a = 255)
{
    SDL_Color color;
    color.r = r;
    color.g = g;
    color.b = b;
    color.unused = a;
    return color;
}

/** Raw pixel, read without PixelTool so the tests do not trust what they test. */
inline Uint32 rawAt(const SDL_Surface *surface, int x, int y)
{
    const Uint8 *row = static_cast<const Uint8 *>(surface->pixels) + y * surface->pitch;
    switch (surface->format->BytesPerPixel) {
        case 2: return reinterpret_cast<const Uint16 *>(row)[x];
        default: return reinterpret_cast<const Uint32 *>(row)[x];
    }
}

inline void setRaw(SDL_Surface *surface, int x, int y, Uint32 pixel)
{
    Uint8 *row = static_cast<Uint8 *>(surface->pixels) + y * surface->pitch;
    switch (surface->format->BytesPerPixel) {
        case 2: reinterpret_cast<Uint16 *>(row)[x] = static_cast<Uint16>(pixel); break;
        default: reinterpret_cast<Uint32 *>(row)[x] = pixel; break;
    }
}

inline void setColor(SDL_Surface *surface, int x, int y, const SDL_Color &c)
{
    setRaw(surface, x, y, SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.unused));
}

inline Uint32 mapped(const SDL_Surface *surface, const SDL_Color &c)
{
    return SDL_MapRGBA(surface->format, c.r, c.g, c.b, c.unused);
}

} // namespace fixture

#endif
