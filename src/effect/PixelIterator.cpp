#include "effect/PixelIterator.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"

#include <cassert>

PixelIterator::PixelIterator(SDL_Surface *surface)
    : m_surface(surface), m_lock(new SurfaceLock(surface)),
      m_position(static_cast<Uint8 *>(surface->pixels)),
      m_end(m_position + surface->h * surface->pitch),
      m_bpp(surface->format->BytesPerPixel)
{
}

PixelIterator::~PixelIterator()
{
    delete m_lock;
}

void PixelIterator::setPos(const V2 &pos)
{
    int x = pos.getX();
    int y = pos.getY();
    assert(x >= 0 && x < m_surface->w && y >= 0 && y < m_surface->h);
    m_position = static_cast<Uint8 *>(m_surface->pixels) + y * m_surface->pitch + x * m_bpp;
}

Uint32 PixelIterator::getPixel() const
{
    return PixelTool::unpackPixel(m_bpp, m_position);
}

void PixelIterator::putPixel(Uint32 pixel)
{
    PixelTool::packPixel(m_bpp, m_position, pixel);
}

SDL_Color PixelIterator::getColor() const
{
    SDL_Color color;
    SDL_GetRGBA(getPixel(), m_surface->format, &color.r, &color.g, &color.b, &color.unused);
    return color;
}

void PixelIterator::putColor(const SDL_Color &color)
{
    putPixel(SDL_MapRGBA(m_surface->format, color.r, color.g, color.b, color.unused));
}
