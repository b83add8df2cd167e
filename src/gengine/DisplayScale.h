#ifndef HEADER_DISPLAYSCALE_H
#define HEADER_DISPLAYSCALE_H

// The factors that turn display pixels into the logical pixels of the
// drawing surface. Process-wide, 1.0 until the first mode change; the video
// agent recomputes them on every mode change, the input side only reads them.

#include "gengine/V2.h"

class DisplayScale {
    public:
        static constexpr int DISPLAY_WIDTH = 320;
        static constexpr int DISPLAY_HEIGHT = 240;

        /** Logical size over display size, computed in double, kept as float. */
        static void update(int logicalWidth, int logicalHeight);
        static float getX() { return ms_x; }
        static float getY() { return ms_y; }
        /** A display position in logical pixels, truncated toward zero. */
        static V2 toLogical(int displayX, int displayY);
    private:
        static float ms_x;
        static float ms_y;
};

#endif
