#ifndef HEADER_DIR_H
#define HEADER_DIR_H

// The four directions of a move and "no move". The numbers are fixed:
// rules store them, level scripts read and give them, units switch on them.

#include "gengine/V2.h"

class Dir {
    public:
        enum eDir : int {
            DIR_NO = 0,
            DIR_UP = 1,
            DIR_DOWN = 2,
            DIR_LEFT = 3,
            DIR_RIGHT = 4
        };

        /** The unit shift of a direction; (0,0) for DIR_NO. Other values are a programming error. */
        static V2 dir2xy(Dir::eDir dir);
};

#endif
