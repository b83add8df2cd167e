#include "level/FinderAlg.h"

#include "level/Unit.h"

namespace {

bool covers(const V2 &corner, int w, int h, const V2 &dest)
{
    return corner.getX() <= dest.getX() && dest.getX() < corner.getX() + w
        && corner.getY() <= dest.getY() && dest.getY() < corner.getY() + h;
}

}

FinderAlg::FinderAlg(int w, int h)
    : m_unit(nullptr), m_closedField(w, h), m_fifo(), m_head(0)
{
}

Dir::eDir FinderAlg::findDir(const Unit *unit, const V2 &dest)
{
    if (m_unit) {
        m_closedField.reset();
        m_fifo.clear();
        m_head = 0;
    }
    m_unit = unit;

    const V2 start = unit->getLoc();
    const int w = unit->getW();
    const int h = unit->getH();
    if (covers(start, w, h, dest)) {
        return Dir::DIR_NO;
    }

    m_closedField.markClosed(start);
    push(Dir::DIR_LEFT, start.plus(V2(-1, 0)));
    push(Dir::DIR_RIGHT, start.plus(V2(1, 0)));
    push(Dir::DIR_UP, start.plus(V2(0, -1)));
    push(Dir::DIR_DOWN, start.plus(V2(0, 1)));

    static const V2 neighbours[4] = { V2(-1, 0), V2(1, 0), V2(0, -1), V2(0, 1) };
    while (m_head < m_fifo.size()) {
        const FinderPlace place = m_fifo[m_head++];
        if (!unit->isFreePlace(place.getLoc())) {
            continue;
        }
        if (covers(place.getLoc(), w, h, dest)) {
            return place.getStartDir();
        }
        for (const V2 &shift : neighbours) {
            const V2 next = place.getLoc().plus(shift);
            if (!m_closedField.isClosed(next)) {
                m_closedField.markClosed(next);
                push(place.getStartDir(), next);
            }
        }
    }
    return Dir::DIR_NO;
}
