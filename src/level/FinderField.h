#ifndef HEADER_FINDERFIELD_H
#define HEADER_FINDERFIELD_H

// The cells a path search has already reached. Outside the room counts as reached.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"

#include <vector>

class FinderField : public NoCopy {
    private:
        int m_w;
        int m_h;
        std::vector<unsigned char> m_closed;
    public:
        FinderField(int w, int h);
        virtual ~FinderField() {}

        void reset();
        /** Positions outside the room are ignored. */
        void markClosed(const V2 &loc);
        bool isClosed(const V2 &loc) const;
};

#endif
