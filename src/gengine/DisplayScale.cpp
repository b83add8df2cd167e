#include "gengine/DisplayScale.h"

float DisplayScale::ms_x = 1.0f;
float DisplayScale::ms_y = 1.0f;

void DisplayScale::update(int logicalWidth, int logicalHeight)
{
    ms_x = static_cast<float>(logicalWidth * (1.0 / DISPLAY_WIDTH));
    ms_y = static_cast<float>(logicalHeight * (1.0 / DISPLAY_HEIGHT));
}

V2 DisplayScale::toLogical(int displayX, int displayY)
{
    // Display coordinates are 16-bit and the factors come from surface
    // sizes, so the products stay far inside the int range.
    return V2(static_cast<int>(displayX * ms_x), static_cast<int>(displayY * ms_y));
}
