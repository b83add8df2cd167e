#include "effect/PixelTool.h"

#include "gengine/BaseException.h"

#include <cassert>
#include <cstring>

namespace {

Uint8 *pixelAddress(SDL_Surface *surface, int x, int y)
{
    return static_cast<Uint8 *>(surface->pixels) + y * surface->pitch
        + x * surface->format->BytesPerPixel;
}

} // namespace

Uint32 PixelTool::unpackPixel(Uint8 bpp, const Uint8 *p)
{
    // memcpy: pixel rows of odd pitch leave 16 and 32-bit pixels unaligned.
    switch (bpp) {
        case 1:
            return *p;
        case 2: {
            Uint16 word;
            std::memcpy(&word, p, sizeof(word));
            return word;
        }
        case 3:
            return p[0] | (p[1] << 8) | (p[2] << 16);
        case 4: {
            Uint32 word;
            std::memcpy(&word, p, sizeof(word));
            return word;
        }
        default:
            throw LogicException(InfoText("unknown color depth").addValue("bpp", bpp));
    }
}

void PixelTool::packPixel(Uint8 bpp, Uint8 *p, Uint32 pixel)
{
    assert(p);
    switch (bpp) {
        case 1:
            *p = static_cast<Uint8>(pixel);
            break;
        case 2: {
            Uint16 word = static_cast<Uint16>(pixel);
            std::memcpy(p, &word, sizeof(word));
            break;
        }
        case 3:
            p[0] = static_cast<Uint8>(pixel);
            p[1] = static_cast<Uint8>(pixel >> 8);
            p[2] = static_cast<Uint8>(pixel >> 16);
            break;
        case 4:
            std::memcpy(p, &pixel, sizeof(pixel));
            break;
        default:
            throw LogicException(InfoText("unknown color depth").addValue("bpp", bpp));
    }
}

Uint32 PixelTool::getPixel(SDL_Surface *surface, int x, int y)
{
    assert(x >= 0 && x < surface->w && y >= 0 && y < surface->h);
    return unpackPixel(surface->format->BytesPerPixel, pixelAddress(surface, x, y));
}

SDL_Color PixelTool::getColor(SDL_Surface *surface, int x, int y)
{
    SDL_Color color;
    SDL_GetRGBA(getPixel(surface, x, y), surface->format,
            &color.r, &color.g, &color.b, &color.unused);
    return color;
}

void PixelTool::putPixel(SDL_Surface *surface, int x, int y, Uint32 pixel)
{
    if (x >= 0 && x < surface->w && y >= 0 && y < surface->h) {
        packPixel(surface->format->BytesPerPixel, pixelAddress(surface, x, y), pixel);
    }
}

void PixelTool::putColor(SDL_Surface *surface, int x, int y, const SDL_Color &color)
{
    putPixel(surface, x, y,
            SDL_MapRGBA(surface->format, color.r, color.g, color.b, color.unused));
}

bool PixelTool::colorEquals(const SDL_Color &color1, const SDL_Color &color2)
{
    return color1.r == color2.r && color1.g == color2.g && color1.b == color2.b;
}

Uint32 PixelTool::convertColor(const SDL_PixelFormat *format, const SDL_Color &color)
{
    return SDL_MapRGB(format, color.r, color.g, color.b);
}
