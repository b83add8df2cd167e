#include "menu/PosterState.h"

#include "menu/DemoInput.h"
#include "effect/Picture.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/VideoAgent.h"

PosterState::PosterState(const Path &picture)
    : m_poster(new Picture(picture, V2(0, 0)))
{
    takeHandler(new DemoInput(this));
    registerDrawable(m_poster);
}

PosterState::~PosterState()
{
    delete m_poster;
}

void PosterState::ownInitState()
{
    OptionAgent *options = OptionAgent::instance();
    options->setParam("screen_width", m_poster->getW());
    options->setParam("screen_height", m_poster->getH());
    VideoAgent::instance()->initVideoMode();
}
