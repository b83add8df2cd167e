#include "level/Shape.h"

#include "level/Cube.h"
#include "effect/SurfaceTool.h"
#include "gengine/BaseException.h"

#include <algorithm>

Shape::Shape(const std::string &text)
    : m_w(0), m_h(0)
{
    int x = 0;
    int y = 0;
    for (char c : text) {
        switch (c) {
            case 'X':
                m_cells.push_back(V2(x, y));
                m_w = std::max(m_w, x + 1);
                m_h = std::max(m_h, y + 1);
                ++x;
                break;
            case '.':
                ++x;
                break;
            case '\n':
                ++y;
                x = 0;
                break;
            default:
                throw LayoutException(InfoText("bad shape char")
                        .addValue("char", std::string(1, c)).addValue("shape", text));
        }
        if (x > MAX_SIZE || y > MAX_SIZE) {
            throw LayoutException(InfoText("bad shape size").addValue("shape", text));
        }
    }
}

std::string Shape::toString() const
{
    std::string result;
    for (const V2 &cell : m_cells) {
        result += cell.toString();
    }
    return result;
}

unsigned Shape::colourHash() const
{
    unsigned hash = 0;
    for (const V2 &cell : m_cells) {
        hash = hash * 961u + static_cast<unsigned>(cell.getX()) * 31u + static_cast<unsigned>(cell.getY());
    }
    return hash;
}

SDL_Surface *Shape::createImage(int weight) const
{
    const int cell = 15;
    SDL_Color key;
    key.r = 255;
    key.g = 0;
    key.b = 255;
    key.unused = 255;
    SDL_Surface *surface = SurfaceTool::createTransparent(m_w * cell, m_h * cell, key);

    const unsigned hash = colourHash();
    SDL_Color colour;
    colour.unused = 255;
    if (weight == Cube::LIGHT) {
        colour.r = static_cast<Uint8>(255 - hash % 255);
        colour.g = static_cast<Uint8>(hash % 255);
        colour.b = 0;
    } else if (weight == Cube::HEAVY) {
        colour.r = 0;
        colour.g = 0;
        colour.b = static_cast<Uint8>(50 + hash % 205);
    } else {
        colour.r = colour.g = colour.b = 128;
    }
    for (const V2 &offset : m_cells) {
        SDL_Rect rect;
        rect.x = static_cast<Sint16>(offset.getX() * cell);
        rect.y = static_cast<Sint16>(offset.getY() * cell);
        rect.w = cell;
        rect.h = cell;
        SurfaceTool::alphaFill(surface, &rect, colour);
    }
    return surface;
}
