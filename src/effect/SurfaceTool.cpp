#include "effect/SurfaceTool.h"

#include "gengine/SDLException.h"

SDL_Surface *SurfaceTool::createEmpty(SDL_Surface *surface, int width, int height)
{
    if (width == 0) {
        width = surface->w;
    }
    if (height == 0) {
        height = surface->h;
    }
    const SDL_PixelFormat *format = surface->format;
    SDL_Surface *result = SDL_CreateRGBSurface(surface->flags, width, height,
            format->BitsPerPixel, format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (!result) {
        throw SDLException(InfoText("CreateRGBSurface"));
    }
    return result;
}

SDL_Surface *SurfaceTool::createClone(SDL_Surface *surface)
{
    SDL_Surface *clone = SDL_ConvertSurface(surface, surface->format, surface->flags);
    if (!clone) {
        throw SDLException(InfoText("ConvertSurface"));
    }
    return clone;
}

void SurfaceTool::alphaFill(SDL_Surface *surface, SDL_Rect *rect, const SDL_Color &color)
{
    int width = rect ? rect->w : surface->w;
    int height = rect ? rect->h : surface->h;
    if (width <= 0 || height <= 0) {
        // createEmpty would read a 0 as "the whole surface"
        return;
    }
    SDL_Surface *tint = createEmpty(surface, width, height);
    // With per-pixel alpha SDL ignores the surface alpha, so the tint's
    // pixels carry the same alpha themselves.
    SDL_FillRect(tint, NULL, SDL_MapRGBA(tint->format, color.r, color.g, color.b, color.unused));
    SDL_SetAlpha(tint, SDL_SRCALPHA | SDL_RLEACCEL, color.unused);

    SDL_Rect dest;
    dest.x = rect ? rect->x : 0;
    dest.y = rect ? rect->y : 0;
    SDL_BlitSurface(tint, NULL, surface, &dest);
    SDL_FreeSurface(tint);
}

SDL_Surface *SurfaceTool::createTransparent(int width, int height, const SDL_Color &color)
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SRCCOLORKEY, width, height, 32, 0, 0, 0, 0);
    if (!surface) {
        throw SDLException(InfoText("CreateRGBSurface"));
    }
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL,
            SDL_MapRGB(surface->format, color.r, color.g, color.b));
    alphaFill(surface, NULL, color);
    return surface;
}
