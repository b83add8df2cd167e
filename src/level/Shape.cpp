#include "level/Shape.h"

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
