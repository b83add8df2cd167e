#include "level/RopeDecor.h"

#include "level/View.h"

#include "SDL_gfxPrimitives.h"

#include <algorithm>

namespace {

/** The coordinate as the 16-bit value the line primitive takes, held at its limits. */
Sint16 toCoord(int value)
{
    return static_cast<Sint16>(std::max(-32768, std::min(32767, value)));
}

}

RopeDecor::RopeDecor(const Cube *model1, const Cube *model2, const V2 &shift1, const V2 &shift2)
    : m_model1(model1), m_model2(model2), m_shift1(shift1), m_shift2(shift2)
{
}

void RopeDecor::drawOnScreen(const View *view, SDL_Surface *screen)
{
    V2 start = view->getScreenPos(m_model1).plus(m_shift1);
    V2 end = view->getScreenPos(m_model2).plus(m_shift2);
    lineColor(screen, toCoord(start.getX()), toCoord(start.getY()),
            toCoord(end.getX()), toCoord(end.getY()), 0x30404eff);
}
