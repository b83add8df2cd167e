#include "level/Dir.h"

#include <cassert>

V2 Dir::dir2xy(Dir::eDir dir)
{
    switch (dir) {
        case DIR_NO: return V2(0, 0);
        case DIR_UP: return V2(0, -1);
        case DIR_DOWN: return V2(0, 1);
        case DIR_LEFT: return V2(-1, 0);
        case DIR_RIGHT: return V2(1, 0);
    }
    assert(!"unknown dir");
    return V2(0, 0);
}
