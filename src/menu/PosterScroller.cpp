#include "menu/PosterScroller.h"

#include "effect/Picture.h"
#include "gengine/OptionAgent.h"
#include "gengine/VideoAgent.h"

#include <algorithm>

namespace {

const int SCROLL_STEP = 4;

}

PosterScroller::PosterScroller(const Path &picture)
    : PosterState(picture), m_shift(0), m_screenH(0)
{
}

void PosterScroller::ownInitState()
{
    // The parameter may hold any number; the display never exceeds this side.
    int height = OptionAgent::instance()->getInt("screen_height", 0);
    m_screenH = std::max(0, std::min(height, VideoAgent::MAX_SCREEN_SIDE));
    m_shift = SCROLL_STEP - m_screenH;
}

void PosterScroller::ownUpdateState()
{
    int h = m_poster->getH();
    m_poster->setLoc(V2(0, -std::min(m_shift, h - m_screenH / 3)));
    m_shift += SCROLL_STEP;
    if (m_shift > h) {
        quitState();
    }
}
