#ifndef HEADER_PIXELTOOL_H
#define HEADER_PIXELTOOL_H

// Reading and writing single pixels of surfaces of 1 to 4 bytes per pixel.
// Colours are SDL_Color values whose fourth byte (unused) carries alpha.
// The caller locks the surface (SurfaceLock) once for a whole pass.

#include "SDL.h"

class PixelTool {
    public:
        /** Raw pixel at p; 3-byte pixels are read lowest byte first.
         * Throws LogicException "unknown color depth" for other depths. */
        static Uint32 unpackPixel(Uint8 bpp, const Uint8 *p);
        /** Writes the raw pixel at p (3 bytes: lowest byte first); p must not be null. */
        static void packPixel(Uint8 bpp, Uint8 *p, Uint32 pixel);

        /** Raw pixel at (x, y), which must lie inside the surface. */
        static Uint32 getPixel(SDL_Surface *surface, int x, int y);
        static SDL_Color getColor(SDL_Surface *surface, int x, int y);
        /** Writes the pixel; a position outside the surface is ignored. */
        static void putPixel(SDL_Surface *surface, int x, int y, Uint32 pixel);
        static void putColor(SDL_Surface *surface, int x, int y, const SDL_Color &color);

        /** Same red, green and blue; the alpha byte is ignored. */
        static bool colorEquals(const SDL_Color &color1, const SDL_Color &color2);
        /** The colour's red, green and blue in the given format. */
        static Uint32 convertColor(const SDL_PixelFormat *format, const SDL_Color &color);
};

#endif
