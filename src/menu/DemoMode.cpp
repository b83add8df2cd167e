#include "menu/DemoMode.h"

#include "menu/DemoInput.h"
#include "plan/SubTitleAgent.h"
#include "effect/Picture.h"
#include "effect/SurfaceTool.h"
#include "gengine/LuaGuard.h"
#include "gengine/OptionAgent.h"
#include "gengine/VideoAgent.h"

#include <algorithm>
#include <climits>

namespace {

int toInt(lua_Integer value)
{
    return static_cast<int>(std::max<lua_Integer>(INT_MIN, std::min<lua_Integer>(INT_MAX, value)));
}

int script_demo_display(lua_State *L)
{
    size_t size = 0;
    const char *picture = luaL_checklstring(L, 1, &size);
    lua_Integer x = luaL_checkinteger(L, 2);
    lua_Integer y = luaL_checkinteger(L, 3);
    DemoMode *demo = static_cast<DemoMode *>(getLeader(L));
    return luaGuard(L, [&]() {
        demo->display(std::string(picture, size), V2(toInt(x), toInt(y)));
        return 0;
    });
}

}

DemoMode::DemoMode(const Path &demoscript)
    : m_demoPath(demoscript), m_display(nullptr), m_buffer(nullptr),
    m_oldLimitY(SubTitleAgent::instance()->getLimitY())
{
    registerFunc("demo_display", script_demo_display);
    takeHandler(new DemoInput(this));
    registerDrawable(this);
    registerDrawable(SubTitleAgent::instance());
}

DemoMode::~DemoMode()
{
    // A stack that is torn down deletes its states without cleaning them.
    freeDisplay();
}

GameState *DemoMode::makeDemo(const Path &demoscript)
{
    return new DemoMode(demoscript);
}

void DemoMode::freeDisplay()
{
    if (m_buffer) {
        SDL_FreeSurface(m_buffer);
        m_buffer = nullptr;
    }
    delete m_display;
    m_display = nullptr;
}

void DemoMode::ownInitState()
{
    m_oldLimitY = SubTitleAgent::instance()->getLimitY();
    doFile(m_demoPath);
}

void DemoMode::ownUpdateState()
{
    if (satisfyPlan()) {
        quitState();
    }
}

void DemoMode::ownCleanState()
{
    freeDisplay();
    SubTitleAgent::instance()->setLimitY(m_oldLimitY);
    interruptPlan();
}

void DemoMode::display(const std::string &picture, const V2 &loc)
{
    // Load first: a missing picture must not leave the demo without one.
    Picture *next = new Picture(Path::dataReadPath(picture), loc);
    delete m_display;
    m_display = next;

    if (!m_buffer) {
        OptionAgent *options = OptionAgent::instance();
        options->setParam("screen_width", next->getW());
        options->setParam("screen_height", next->getH());
        VideoAgent::instance()->initVideoMode();
        SubTitleAgent::instance()->setLimitY(2 * next->getH());
    }
}

void DemoMode::drawOn(SDL_Surface *screen)
{
    if (!m_buffer) {
        m_buffer = SurfaceTool::createEmpty(screen, 0, 0);
    }
    if (m_display) {
        m_display->drawOn(m_buffer);
    }
    SDL_BlitSurface(m_buffer, nullptr, screen, nullptr);
}
