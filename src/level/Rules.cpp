#include "level/Rules.h"

#include "level/Anim.h"
#include "level/Field.h"
#include "level/OnStack.h"
#include "level/OnStrongPad.h"
#include "level/OnWall.h"
#include "effect/ViewEffect.h"
#include "gengine/BaseException.h"

#include <cassert>
#include <cstdlib>

Rules::Rules(Cube *model)
    : m_dir(Dir::DIR_NO), m_readyToDie(false), m_readyToTurn(false),
      m_readyToActive(false), m_pushing(false), m_lastFall(false),
      m_outDepth(0), m_touchDir(Dir::DIR_NO), m_model(model), m_mask(), m_found()
{
}

Rules::~Rules()
{
    if (m_mask) {
        m_mask->unmask();
    }
}

void Rules::takeField(Field *field)
{
    const V2 loc = m_model->getLoc();
    if (std::abs(loc.getX()) > MAX_COORD || std::abs(loc.getY()) > MAX_COORD) {
        throw LayoutException(InfoText("bad location")
                .addValue("model", m_model->toString()));
    }
    if (m_mask) {
        m_mask->unmask();
    }
    m_mask.reset(new MarkMask(m_model, field));
    CubeList resist = m_mask->getResist(Dir::DIR_NO);
    if (!resist.empty()) {
        throw LayoutException(InfoText("position is occupied")
                .addValue("model", m_model->toString())
                .addValue("resist", resist.front()->toString()));
    }
    m_mask->mask();
}

void Rules::change_setLocation(const V2 &loc)
{
    if (loc.getX() < 0 && loc.getY() < 0) {
        if (m_mask) {
            m_mask->unmask();
        }
        m_model->change_goOut();
        return;
    }
    if (loc.getX() > MAX_COORD || loc.getY() > MAX_COORD || loc.getX() < -MAX_COORD || loc.getY() < -MAX_COORD) {
        throw LayoutException(InfoText("bad location")
                .addValue("model", m_model->toString())
                .addValue("loc", loc.toString()));
    }
    if (m_mask) {
        m_mask->unmask();
    }
    m_model->change_setLoc(loc);
    if (m_mask) {
        m_mask->mask();
    }
}

void Rules::occupyNewPos()
{
    m_touchDir = Dir::DIR_NO;
    if (m_dir != Dir::DIR_NO) {
        m_pushing = false;
        m_model->change_setLoc(m_model->getLoc().plus(Dir::dir2xy(m_dir)));
        m_mask->mask();
    }
}

bool Rules::checkDead(eAction lastAction)
{
    if (!m_model->isAlive()) {
        return false;
    }
    bool dead = false;
    if (lastAction == ACTION_FALL) {
        dead = isDeadFall();
    } else if (lastAction == ACTION_MOVE) {
        dead = isDeadStress();
    }
    if (!dead) {
        dead = isDeadWeight();
    }
    if (dead) {
        m_readyToDie = true;
    }
    return dead;
}

bool Rules::isDeadFall()
{
    CubeList &falling = m_found;
    falling.clear();
    collectFalling(falling);
    for (Cube *model : falling) {
        if (!model->getRules()->isOnWall()) {
            return true;
        }
    }
    return false;
}

bool Rules::isDeadStress()
{
    return !m_mask->eachResist(Dir::DIR_UP, [](Cube *model) {
        const Dir::eDir dir = model->getRules()->getDir();
        return model->isAlive()
            || !(dir == Dir::DIR_DOWN || dir == Dir::DIR_LEFT || dir == Dir::DIR_RIGHT)
            || model->getRules()->isOnStack();
    });
}

bool Rules::isDeadWeight()
{
    CubeList &heavier = m_found;
    heavier.clear();
    collectHeavier(m_model->getPower(), heavier);
    for (Cube *model : heavier) {
        if (!model->getRules()->isOnStrongPad(model->getWeight())) {
            return true;
        }
    }
    return false;
}

void Rules::collectFalling(CubeList &result)
{
    m_mask->unmask();
    m_mask->eachResist(Dir::DIR_UP, [&result](Cube *model) {
        if (model->getWeight() > Cube::HEAVY || model->isAlive()) {
            return true;
        }
        if (model->getRules()->isFalling()) {
            result.push_back(model);
        } else {
            model->getRules()->collectFalling(result);
        }
        return true;
    });
    m_mask->mask();
}

void Rules::collectHeavier(Cube::eWeight power, CubeList &result)
{
    m_mask->unmask();
    m_mask->eachResist(Dir::DIR_UP, [power, &result](Cube *model) {
        if (model->getWeight() > Cube::HEAVY) {
            return true;
        }
        if (model->getRules()->isHeavier(power)) {
            result.push_back(model);
        } else {
            model->getRules()->collectHeavier(power, result);
        }
        return true;
    });
    m_mask->mask();
}

bool Rules::isHeavier(Cube::eWeight power) const
{
    return m_model->getWeight() <= Cube::HEAVY && !m_model->isAlive() && power < m_model->getWeight();
}

void Rules::changeState()
{
    m_dir = Dir::DIR_NO;
    if (!m_model->isLost() && m_model->getAnim()->getEffect()->isDisintegrated()) {
        m_mask->unmask();
        m_model->change_remove();
    }
    if (m_readyToTurn) {
        m_readyToTurn = false;
        m_model->change_turnSide();
    }
    m_readyToActive = false;
    if (m_readyToDie) {
        m_readyToDie = false;
        m_model->change_die();
    }
}

int Rules::actionOut()
{
    if (m_model->isLost() || m_model->isBusy() || m_dir != Dir::DIR_NO || !shouldGoOut()) {
        return m_outDepth;
    }
    if (m_mask->isFullyOut()) {
        m_model->change_goOut();
        m_outDepth = -1;
        return m_outDepth;
    }
    const Dir::eDir borderDir = m_mask->getBorderDir();
    if (borderDir == Dir::DIR_NO) {
        m_outDepth = 0;
        return m_outDepth;
    }
    m_model->change_goingOut();
    moveDirBrute(borderDir);
    // A leaving model takes one step per round, so this cannot run away;
    // the guard only keeps a script-made oddity from overflowing.
    if (m_outDepth < MAX_COORD) {
        ++m_outDepth;
    }
    return m_outDepth;
}

void Rules::freeOldPos()
{
    if (m_dir != Dir::DIR_NO) {
        m_mask->unmask();
    }
}

bool Rules::moveDir(Dir::eDir dir)
{
    if (canMoveOthers(dir, m_model->getPower())) {
        moveDirBrute(dir);
        return true;
    }
    if (goesIntoOutput(dir)) {
        return true;
    }
    touch(dir);
    return false;
}

bool Rules::canMoveOthers(Dir::eDir dir, Cube::eWeight power)
{
    m_mask->unmask();
    const bool result = m_mask->eachResist(dir, [this, dir, power](Cube *model) {
        return (model->getIndex() == -1 && shouldGoOut()) || model->getRules()->canMoveBy(dir, power);
    });
    m_mask->mask();
    return result;
}

bool Rules::canMoveBy(Dir::eDir dir, Cube::eWeight power)
{
    if (m_model->isAlive()) {
        return false;
    }
    if (power < m_model->getWeight()) {
        return false;
    }
    if (m_model->getWeight() > Cube::HEAVY) {
        return shouldGoOut() && canMoveOthers(dir, power);
    }
    return canMoveOthers(dir, power);
}

void Rules::moveDirBrute(Dir::eDir dir)
{
    m_mask->unmask();
    CubeList resist = m_mask->getResist(dir);
    for (Cube *model : resist) {
        if (model->getIndex() != -1) {
            model->getRules()->moveDirBrute(dir);
            m_pushing = true;
        }
    }
    m_dir = dir;
    m_mask->mask();
}

bool Rules::goesIntoOutput(Dir::eDir dir)
{
    CubeList resist = m_mask->getResist(dir);
    if (resist.size() == 1 && resist.front()->getOutDir() == dir) {
        resist.front()->decOutCapacity();
        m_mask->unmask();
        m_model->change_goOut();
        return true;
    }
    return false;
}

void Rules::touch(Dir::eDir dir)
{
    m_touchDir = dir;
    if (m_model->getWeight() > Cube::HEAVY) {
        return;
    }
    m_mask->unmask();
    m_mask->eachResist(dir, [dir](Cube *model) {
        if (!model->isAlive()) {
            model->getRules()->touch(dir);
        }
        return true;
    });
    m_mask->mask();
}

bool Rules::isOnCond(const OnCondition &cond)
{
    if (cond.isSatisfy(m_model)) {
        return true;
    }
    if (cond.isWrong(m_model)) {
        return false;
    }
    m_mask->unmask();
    const bool result = !m_mask->eachResist(Dir::DIR_DOWN, [&cond](Cube *model) {
        return !model->getRules()->isOnCond(cond);
    });
    m_mask->mask();
    return result;
}

bool Rules::isOnWall()
{
    return isOnCond(OnWall());
}

bool Rules::isOnStack()
{
    return isOnCond(OnStack());
}

bool Rules::isOnStrongPad(Cube::eWeight weight)
{
    return isOnCond(OnStrongPad(weight));
}

std::string Rules::getAction() const
{
    if (m_readyToTurn) {
        return "turn";
    }
    if (m_readyToActive) {
        return "activate";
    }
    if (m_model->isBusy()) {
        return "busy";
    }
    switch (m_dir) {
        case Dir::DIR_NO: return "rest";
        case Dir::DIR_UP: return "move_up";
        case Dir::DIR_DOWN: return "move_down";
        case Dir::DIR_LEFT: return "move_left";
        case Dir::DIR_RIGHT: return "move_right";
    }
    assert(!"unknown dir");
    return "rest";
}

std::string Rules::getState() const
{
    if (m_outDepth == 1) {
        return "goout";
    }
    if (!m_model->isAlive()) {
        return "dead";
    }
    if (m_model->isTalking()) {
        return "talking";
    }
    if (m_pushing) {
        return "pushing";
    }
    return "normal";
}
