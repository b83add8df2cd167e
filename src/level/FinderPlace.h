#ifndef HEADER_FINDERPLACE_H
#define HEADER_FINDERPLACE_H

// A location the searched fish could reach, with the first step that leads there.

#include "level/Dir.h"

class FinderPlace {
    private:
        Dir::eDir m_startDir;
        V2 m_loc;
    public:
        FinderPlace(Dir::eDir startDir, const V2 &loc) : m_startDir(startDir), m_loc(loc) {}
        Dir::eDir getStartDir() const { return m_startDir; }
        const V2 &getLoc() const { return m_loc; }
};

#endif
