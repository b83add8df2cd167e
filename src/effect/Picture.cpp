#include "effect/Picture.h"

#include "gengine/Path.h"
#include "gengine/ResImagePack.h"

Picture::Picture(const Path &file, const V2 &loc)
    : m_loc(loc), m_surface(ResImagePack::loadImage(file))
{
}

Picture::Picture(SDL_Surface *surface, const V2 &loc)
    : m_loc(loc), m_surface(surface)
{
}

Picture::~Picture()
{
    SDL_FreeSurface(m_surface);
}

void Picture::drawOn(SDL_Surface *screen)
{
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(m_loc.getX());
    rect.y = static_cast<Sint16>(m_loc.getY());
    SDL_BlitSurface(m_surface, NULL, screen, &rect);
}

void Picture::changePicture(const Path &file)
{
    // Load first: a failed load must not leave the picture without a surface.
    SDL_Surface *surface = ResImagePack::loadImage(file);
    SDL_FreeSurface(m_surface);
    m_surface = surface;
}

void Picture::changePicture(SDL_Surface *surface)
{
    if (surface != m_surface) {
        SDL_FreeSurface(m_surface);
        m_surface = surface;
    }
}
