#include "menu/Pedometer.h"

#include "menu/NodeDrawer.h"
#include "menu/PedoInput.h"
#include "menu/SolverDrawer.h"

#include "level/DescFinder.h"
#include "level/Level.h"
#include "level/LevelStatus.h"

#include "effect/LayeredPicture.h"
#include "gengine/Path.h"
#include "gengine/ResImagePack.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"
#include "plan/StateInput.h"

#include <memory>

namespace {

struct SurfaceFree {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};
typedef std::unique_ptr<SDL_Surface, SurfaceFree> t_surfacePtr;

}

Pedometer::Pedometer(LevelStatus *status, Level *level)
    : m_levelStatus(status), m_level(nullptr), m_bg(nullptr), m_rack(nullptr),
    m_numbers(nullptr), m_maskRun(0), m_maskReplay(0), m_maskCancel(0),
    m_activeMask(LayeredPicture::MASK_NO), m_phase(0)
{
    m_solution = m_levelStatus->readSolvedMoves();
    // Built into guards first: the destructor does not run when a load fails.
    struct Parts {
        std::unique_ptr<LayeredPicture> rack;
        t_surfacePtr numbers;
    } parts;
    parts.rack.reset(new LayeredPicture(
                Path::dataReadPath("images/menu/pedometer.png"), V2(193, 141),
                Path::dataReadPath("images/menu/pedometer_lower.png"),
                Path::dataReadPath("images/menu/pedometer_mask.png")));
    parts.numbers.reset(ResImagePack::loadImage(Path::dataReadPath("images/menu/numbers.png")));
    m_level = level;
    try {
        prepareBg();
    } catch (...) {
        m_level = nullptr;
        throw;
    }
    m_rack = parts.rack.release();
    m_numbers = parts.numbers.release();
    m_maskRun = m_rack->getMaskAt(V2(86, 100));
    m_maskReplay = m_rack->getMaskAt(V2(128, 100));
    m_maskCancel = m_rack->getMaskAt(V2(170, 100));

    takeHandler(new PedoInput(this));
    registerDrawable(m_bg);
    registerDrawable(m_rack);
    registerDrawable(this);
}

Pedometer::~Pedometer()
{
    removeWatchers();
    delete m_level;
    delete m_bg;
    delete m_rack;
    if (m_numbers) {
        SDL_FreeSurface(m_numbers);
    }
}

void Pedometer::prepareBg()
{
    t_surfacePtr surface(ResImagePack::loadImage(Path::dataReadPath("images/menu/map.png")));
    {
        NodeDrawer drawer;
        drawer.setScreen(surface.get());
        const DescFinder *desc = m_level->getDescFinder();
        drawer.drawSelected(desc ? desc->findLevelName(m_level->getCodename())
                : m_level->getCodename());
    }
    SolverDrawer solver(m_levelStatus);
    solver.setShift(V2((surface->w - solver.getW()) / 2, surface->h - 150));
    solver.drawOn(surface.get());

    if (m_bg) {
        m_bg->changePicture(surface.release());
    } else {
        m_bg = new Picture(surface.release(), V2(0, 0));
    }
}

void Pedometer::ownInitState()
{
    registerWatcher("lang");
    ownResumeState();
}

void Pedometer::ownUpdateState()
{
    watchCursor();
}

void Pedometer::receiveString(const StringMsg *msg)
{
    if (msg->getName() == "param_changed" && msg->getValue() == "lang") {
        prepareBg();
    } else {
        throw UnknownMsgException(*msg);
    }
}

void Pedometer::watchCursor()
{
    m_activeMask = m_rack->getMaskAtWorld(getInput()->getMouseLoc());
    if (m_activeMask == m_maskRun || m_activeMask == m_maskReplay
            || m_activeMask == m_maskCancel) {
        m_rack->setActiveMask(m_activeMask);
    } else {
        m_rack->setNoActive();
    }
}

Level *Pedometer::takeLevel()
{
    Level *level = m_level;
    m_level = nullptr;
    return level;
}

void Pedometer::runSelected()
{
    if (m_activeMask != LayeredPicture::MASK_NO && m_activeMask == m_maskRun) {
        Level *level = takeLevel();
        GameState *poster = nullptr;
        try {
            poster = m_levelStatus->createPoster();
        } catch (...) {
            delete level;
            throw;
        }
        if (poster) {
            poster->setNextState(level);
            changeState(poster);
        } else {
            changeState(level);
        }
    } else if (m_activeMask != LayeredPicture::MASK_NO && m_activeMask == m_maskReplay) {
        Level *level = takeLevel();
        changeState(level);
        level->loadReplay(m_solution);
    } else {
        quitState();
    }
}

void Pedometer::drawNumber(SDL_Surface *screen, int digit, int x)
{
    int h = m_numbers->h / 10;
    int target = h * (9 - digit);
    int minimum = 9 * h - 8 * m_phase;
    // Once every digit has reached its cell the roll no longer matters;
    // stopping there keeps the counter from overflowing.
    if (minimum > -h) {
        ++m_phase;
    }
    SDL_Rect src;
    src.x = 0;
    src.y = static_cast<Sint16>(target > minimum ? target : minimum);
    src.w = static_cast<Uint16>(m_numbers->w);
    src.h = static_cast<Uint16>(h);
    SDL_Rect dest;
    dest.x = static_cast<Sint16>(x);
    dest.y = 177;
    SDL_BlitSurface(m_numbers, &src, screen, &dest);
}

void Pedometer::drawOn(SDL_Surface *screen)
{
    std::string::size_type number = m_solution.size();
    int w = m_numbers->w;
    for (int place = 4; place >= 0; --place) {
        drawNumber(screen, static_cast<int>(number % 10), 275 + place * w);
        number /= 10;
    }
}
