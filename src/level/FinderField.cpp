#include "level/FinderField.h"

#include <algorithm>

FinderField::FinderField(int w, int h)
    : m_w(std::max(w, 0)), m_h(std::max(h, 0)),
      m_closed(static_cast<size_t>(m_w) * static_cast<size_t>(m_h), 0)
{
}

void FinderField::reset()
{
    std::fill(m_closed.begin(), m_closed.end(), 0);
}

void FinderField::markClosed(const V2 &loc)
{
    if (loc.getX() >= 0 && loc.getX() < m_w && loc.getY() >= 0 && loc.getY() < m_h) {
        m_closed[loc.getY() * m_w + loc.getX()] = 1;
    }
}

bool FinderField::isClosed(const V2 &loc) const
{
    if (loc.getX() >= 0 && loc.getX() < m_w && loc.getY() >= 0 && loc.getY() < m_h) {
        return m_closed[loc.getY() * m_w + loc.getX()] != 0;
    }
    return true;
}
