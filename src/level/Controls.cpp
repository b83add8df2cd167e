#include "level/Controls.h"

#include "level/RoundLock.h"
#include "level/Unit.h"

#include <climits>

namespace {

// Past this the pace no longer changes; the cap keeps the count from overflowing.
const int SPEEDUP_CAP = 1000;

}

Controls::Controls(RoundLock *lock)
    : m_active(-1), m_speedup(0), m_arrows(), m_switched(true), m_lock(lock), m_stroke(0)
{
}

Controls::~Controls()
{
}

Unit *Controls::activeUnit() const
{
    return m_active >= 0 ? m_units[m_active].get() : nullptr;
}

void Controls::ensurePhases(int phases)
{
    if (m_lock) {
        m_lock->ensurePhases(phases);
    }
}

void Controls::addUnit(Unit *unit)
{
    m_units.emplace_back(unit);
    m_active = 0;
    for (size_t i = 0; i < m_units.size(); ++i) {
        if (m_units[i]->startActive()) {
            m_active = static_cast<int>(i);
            break;
        }
    }
}

void Controls::setActive(int active)
{
    if (active != m_active) {
        m_active = active;
        m_speedup = 0;
    }
}

bool Controls::driving(const InputProvider *input)
{
    if (useSwitch()) {
        return false;
    }
    if (makeStroke()) {
        return true;
    }
    return driveUnit(input);
}

bool Controls::useSwitch()
{
    if (!activeUnit()) {
        m_switched = false;
        return false;
    }
    if (!activeUnit()->canMove()) {
        checkActive();
    }
    if (m_switched) {
        ensurePhases(3);
        activeUnit()->activate();
        m_switched = false;
        return true;
    }
    return false;
}

bool Controls::makeStroke()
{
    if (m_stroke == 0) {
        return false;
    }
    const char stroke = m_stroke;
    m_stroke = 0;
    makeMove(stroke);
    return true;
}

bool Controls::driveUnit(const InputProvider *input)
{
    if (Unit *active = activeUnit()) {
        const char symbol = active->drive(input, m_arrows);
        if (symbol) {
            m_moves += symbol;
            return true;
        }
    }
    for (size_t i = 0; i < m_units.size(); ++i) {
        const char symbol = m_units[i]->drive(input, m_units[i]->getKeys());
        if (symbol) {
            setActive(static_cast<int>(i));
            m_moves += symbol;
            return true;
        }
    }
    return false;
}

bool Controls::makeMove(char symbol)
{
    if (symbol == 0) {
        return false;
    }
    for (size_t i = 0; i < m_units.size(); ++i) {
        if (m_units[i]->driveOrder(symbol) == symbol) {
            setActive(static_cast<int>(i));
            m_moves += symbol;
            return true;
        }
    }
    return false;
}

void Controls::setStroke(SDLKey key)
{
    if (m_stroke != 0) {
        return;
    }
    if (Unit *active = activeUnit()) {
        m_stroke = active->myStroke(key, m_arrows);
    }
    for (size_t i = 0; m_stroke == 0 && i < m_units.size(); ++i) {
        m_stroke = m_units[i]->myStroke(key, m_units[i]->getKeys());
    }
}

void Controls::switchActive()
{
    if (m_units.empty()) {
        return;
    }
    const int count = static_cast<int>(m_units.size());
    const int start = m_active < 0 ? count - 1 : m_active;
    for (int i = (start + 1) % count; i != start; i = (i + 1) % count) {
        if (m_units[i]->canDrive()) {
            m_active = i;
            m_switched = true;
            m_speedup = 0;
            return;
        }
    }
}

void Controls::checkActive()
{
    if (!activeUnit() || !activeUnit()->canDrive()) {
        switchActive();
    }
}

bool Controls::activateSelected(const Cube *model)
{
    for (size_t i = 0; i < m_units.size(); ++i) {
        if (m_units[i]->equalsModel(model)) {
            setActive(static_cast<int>(i));
            m_switched = true;
            return true;
        }
    }
    return false;
}

void Controls::setMoves(const std::string &moves)
{
    m_moves = moves;
    if (moves.empty()) {
        return;
    }
    for (size_t i = 0; i < m_units.size(); ++i) {
        if (m_units[i]->hasSymbol(moves.back())) {
            setActive(static_cast<int>(i));
            m_switched = true;
            return;
        }
    }
}

bool Controls::cannotMove() const
{
    for (const std::unique_ptr<Unit> &unit : m_units) {
        if (unit->canMove()) {
            return false;
        }
    }
    return true;
}

void Controls::lockPhases()
{
    Unit *active = activeUnit();
    if (!active || !active->isMoving()) {
        m_speedup = 0;
        return;
    }
    if (active->isPushing()) {
        m_speedup = 0;
    } else if (!active->isTurning() && m_speedup < SPEEDUP_CAP) {
        ++m_speedup;
    }
    ensurePhases(getNeededPhases());
}

int Controls::getNeededPhases() const
{
    Unit *active = activeUnit();
    if (!active) {
        return 3;
    }
    if (active->isTurning()) {
        return active->countAnimPhases("turn");
    }
    const int swam = active->countAnimPhases("swam");
    if (m_speedup <= 6) {
        return swam / 2;
    }
    if (m_speedup <= 10) {
        return swam / 3;
    }
    return swam / 6;
}

int Controls::getStepCount() const
{
    return m_moves.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(m_moves.size());
}

bool Controls::isPowerful() const
{
    return activeUnit() && activeUnit()->isPowerful();
}

bool Controls::isPushing() const
{
    return activeUnit() && activeUnit()->isPushing();
}
