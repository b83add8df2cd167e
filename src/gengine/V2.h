#ifndef HEADER_V2_H
#define HEADER_V2_H

// An integer 2D vector for cells, pixel positions, sizes and shifts.
// y grows downwards: (0,0) is the top-left cell and "up" is y - 1.
// A plain value, copied freely.

#include <string>

class V2 {
    private:
        int m_x;
        int m_y;
    public:
        V2(int x, int y) : m_x(x), m_y(y) {}

        int getX() const { return m_x; }
        int getY() const { return m_y; }

        V2 plus(const V2 &other) const { return V2(m_x + other.m_x, m_y + other.m_y); }
        V2 minus(const V2 &other) const { return V2(m_x - other.m_x, m_y - other.m_y); }
        /** Both components divided by rate, truncated toward zero; rate 0 is a programming error. */
        V2 shrink(int rate) const;

        bool operator==(const V2 &other) const { return m_x == other.m_x && m_y == other.m_y; }
        bool operator!=(const V2 &other) const { return !(*this == other); }

        /** "[x,y]" with no spaces. */
        std::string toString() const;
};

#endif
