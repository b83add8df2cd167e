#include "gengine/V2.h"

#include <cassert>
#include <climits>

V2 V2::shrink(int rate) const
{
    assert(rate != 0);
    // INT_MIN / -1 is the one quotient that does not fit.
    if (rate == -1) {
        return V2(m_x == INT_MIN ? INT_MAX : -m_x, m_y == INT_MIN ? INT_MAX : -m_y);
    }
    return V2(m_x / rate, m_y / rate);
}

std::string V2::toString() const
{
    return "[" + std::to_string(m_x) + "," + std::to_string(m_y) + "]";
}
