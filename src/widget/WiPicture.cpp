#include "widget/WiPicture.h"

#include "gengine/ResImagePack.h"

WiPicture::WiPicture(const Path &file) : m_surface(ResImagePack::loadImage(file))
{
}

WiPicture::~WiPicture()
{
    SDL_FreeSurface(m_surface);
}

void WiPicture::drawOn(SDL_Surface *screen)
{
    SDL_Rect dest = getArea();
    SDL_BlitSurface(m_surface, NULL, screen, &dest);
}
