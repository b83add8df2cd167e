#ifndef HEADER_POSTERSCROLLER_H
#define HEADER_POSTERSCROLLER_H

// A tall picture (the credits) that climbs over the state below, 4 pixels a
// cycle: it enters at the bottom edge, stops when its bottom edge is a third
// of the screen height from the top, and the state quits once the scroll
// position has run past the picture's height. The screen size stays.

#include "menu/PosterState.h"

class PosterScroller : public PosterState {
    private:
        int m_shift;
        int m_screenH;
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState();
    public:
        explicit PosterScroller(const Path &picture);

        virtual bool allowBg() const { return true; }
};

#endif
