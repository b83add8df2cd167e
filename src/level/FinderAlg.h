#ifndef HEADER_FINDERALG_H
#define HEADER_FINDERALG_H

// Breadth-first search for the first step of a shortest free path of a fish
// to a cell. Every other model is an obstacle, whatever its weight; the
// search ends when the cell lies in the fish's bounding rectangle. Ties go to
// the order left, right, up, down. Nothing survives from one search to the next.

#include "level/Dir.h"
#include "level/FinderField.h"
#include "level/FinderPlace.h"

#include <vector>

class Unit;

class FinderAlg {
    private:
        const Unit *m_unit;
        FinderField m_closedField;
        std::vector<FinderPlace> m_fifo;
        size_t m_head;

        void push(Dir::eDir startDir, const V2 &loc) { m_fifo.push_back(FinderPlace(startDir, loc)); }
    public:
        FinderAlg(int w, int h);
        FinderAlg(const FinderAlg &) = delete;
        FinderAlg &operator=(const FinderAlg &) = delete;

        /** The first step toward dest; DIR_NO when the fish covers it already or no path exists. */
        Dir::eDir findDir(const Unit *unit, const V2 &dest);
};

#endif
