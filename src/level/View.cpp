#include "level/View.h"

#include "level/Anim.h"
#include "level/Cube.h"
#include "level/Decor.h"
#include "level/Room.h"
#include "level/Rules.h"

#include "effect/WavyPicture.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ResSoundPack.h"
#include "gengine/SoundAgent.h"
#include "gengine/TimerAgent.h"

#include <algorithm>
#include <climits>

View::View(const Room *room, const std::string &picture)
    : m_room(room), m_animShift(0), m_shiftSize(CELL), m_screenShift(0, 0),
      m_sounds(new ResSoundPack()), m_startCycles(TimerAgent::instance()->getCycles())
{
    if (!picture.empty()) {
        loadBg(picture);
    }
}

View::~View()
{
    removeDecors();
    m_sounds->removeAll();
}

void View::addDecor(Decor *decor)
{
    m_decors.push_back(std::unique_ptr<Decor>(decor));
}

void View::removeDecors()
{
    m_decors.clear();
}

void View::noteNewRound(int phases)
{
    m_animShift = 0;
    m_shiftSize = phases > 0 ? CELL / phases : CELL;
}

V2 View::getFieldPos(const V2 &screenPos) const
{
    // Integer division truncates toward zero, so a point less than a cell
    // left of or above the room still names column or row 0.
    return V2((screenPos.getX() - m_screenShift.getX()) / CELL,
              (screenPos.getY() - m_screenShift.getY()) / CELL);
}

void View::playSound(const std::string &name, int volume)
{
    if (!OptionAgent::instance()->getBool("sound", true)) {
        return;
    }
    Mix_Chunk *sound = m_sounds->getRandomRes(name);
    if (sound) {
        SoundAgent::instance()->playSound(sound, volume, 0);
    }
}

V2 View::getScreenPos(const Cube *model) const
{
    V2 offset(0, 0);
    Dir::eDir dir = model->getRules()->getDir();
    if (dir != Dir::DIR_NO) {
        V2 unit = Dir::dir2xy(dir);
        offset = V2(unit.getX() * m_animShift, unit.getY() * m_animShift);
    }
    const V2 &shift = model->getAnim()->getViewShift();
    const V2 &loc = model->getLoc();
    // Locations and script shifts are bounded well below overflow; the
    // sum is taken in 64 bits and held to int for shifts a script made huge.
    long long x = (static_cast<long long>(shift.getX()) + loc.getX()) * CELL + m_screenShift.getX() + offset.getX();
    long long y = (static_cast<long long>(shift.getY()) + loc.getY()) * CELL + m_screenShift.getY() + offset.getY();
    x = std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, x));
    y = std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, y));
    return V2(static_cast<int>(x), static_cast<int>(y));
}

void View::addSound(const std::string &name, const Path &file)
{
    m_sounds->addSound(name, file);
}

void View::setWaves(float amplitude, float period, float speed)
{
    if (m_bg) {
        m_bg->setWaves(amplitude, period, speed);
    }
}

void View::loadBg(const std::string &picture)
{
    std::unique_ptr<WavyPicture> bg(new WavyPicture(Path::dataReadPath(picture), V2(0, 0)));
    if (m_bg) {
        bg->setWaves(m_bg->getWamp(), m_bg->getWperiod(), m_bg->getWspeed());
    }
    m_bg = std::move(bg);
}

int View::getRoomCycles() const
{
    return TimerAgent::instance()->getCycles() - m_startCycles;
}

void View::drawModel(const Cube *model, SDL_Surface *screen) const
{
    if (model->isLost()) {
        return;
    }
    V2 pos = getScreenPos(model);
    model->getAnim()->drawAt(screen, pos.getX(), pos.getY(), model->isLeft() ? 0 : 1);
}

void View::drawOn(SDL_Surface *screen)
{
    if (m_bg) {
        m_bg->drawAtCycle(screen, getRoomCycles());
    }
    m_animShift = std::min(m_animShift + m_shiftSize, CELL);
    for (int i = 0; i < m_room->getModelCount(); ++i) {
        drawModel(m_room->getModel(i), screen);
    }
    for (const std::unique_ptr<Decor> &decor : m_decors) {
        decor->drawOnScreen(this, screen);
    }
}
