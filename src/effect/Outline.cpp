#include "effect/Outline.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"
#include "effect/SurfaceTool.h"

Outline::Outline(const SDL_Color &color, int width)
    : m_color(color), m_width(width), m_pixel(0)
{
}

void Outline::drawOnColorKey(SDL_Surface *surface)
{
    drawOn(surface, surface->format->colorkey);
}

void Outline::drawOn(SDL_Surface *surface, Uint32 bgColor)
{
    m_pixel = SDL_MapRGB(surface->format, m_color.r, m_color.g, m_color.b);
    for (int i = 0; i < m_width; ++i) {
        drawOneLine(surface, bgColor);
    }
}

/** One ring: the copy says what was text before the pass began. */
void Outline::drawOneLine(SDL_Surface *surface, Uint32 bgColor)
{
    // The copy is made before the lock: SDL must not blit from a locked surface.
    SDL_Surface *previous = SurfaceTool::createClone(surface);
    {
        SurfaceLock lock1(surface);
        SurfaceLock lock2(previous);
        for (int y = 0; y < surface->h; ++y) {
            for (int x = 0; x < surface->w; ++x) {
                if (PixelTool::getPixel(previous, x, y) != bgColor) {
                    fillNeighbours(surface, bgColor, x, y);
                }
            }
        }
    }
    SDL_FreeSurface(previous);
}

void Outline::fillNeighbours(SDL_Surface *surface, Uint32 bgColor, int x, int y)
{
    const int neighbours[4][2] = {{x - 1, y}, {x, y - 1}, {x + 1, y}, {x, y + 1}};
    for (const auto &n : neighbours) {
        if (n[0] >= 0 && n[0] < surface->w && n[1] >= 0 && n[1] < surface->h
                && PixelTool::getPixel(surface, n[0], n[1]) == bgColor) {
            PixelTool::putPixel(surface, n[0], n[1], m_pixel);
        }
    }
}
