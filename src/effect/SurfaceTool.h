#ifndef HEADER_SURFACETOOL_H
#define HEADER_SURFACETOOL_H

// Making surfaces: empty ones like a model surface, clones, translucent
// tints and wholly transparent ones. Every returned surface is owned by the
// caller; failures throw SDLException naming the SDL call.

#include "SDL.h"

class SurfaceTool {
    public:
        /** New surface with the model's flags, depth and masks; a width or
         * height of 0 means the model's. */
        static SDL_Surface *createEmpty(SDL_Surface *surface, int width = 0, int height = 0);
        /** Copy in the surface's own format and flags. */
        static SDL_Surface *createClone(SDL_Surface *surface);
        /** Tints the rectangle (or the whole surface when null) with the
         * colour's red, green and blue at the colour's alpha. */
        static void alphaFill(SDL_Surface *surface, SDL_Rect *rect, const SDL_Color &color);
        /** 32-bit surface entirely of the colour, which is also its colour key. */
        static SDL_Surface *createTransparent(int width, int height, const SDL_Color &color);
};

#endif
