#include "level/Unit.h"

#include "level/Anim.h"
#include "level/Cube.h"
#include "level/Rules.h"
#include "level/Shape.h"
#include "gengine/InputProvider.h"

#include <cassert>

Unit::Unit(const KeyControl &keys, const ControlSym &symbols, bool startActive)
    : m_keys(keys), m_symbols(symbols), m_model(nullptr), m_startActive(startActive)
{
}

bool Unit::canDrive() const
{
    return m_model && m_model->isAlive() && !m_model->isLost() && !m_model->isBusy();
}

bool Unit::canMove() const
{
    return m_model && m_model->isAlive() && !m_model->isLost();
}

char Unit::goUp()
{
    return m_model->getRules()->moveDir(Dir::DIR_UP) ? m_symbols.getUp() : 0;
}

char Unit::goDown()
{
    return m_model->getRules()->moveDir(Dir::DIR_DOWN) ? m_symbols.getDown() : 0;
}

char Unit::goLeft()
{
    if (!m_model->isLeft()) {
        m_model->getRules()->setReadyToTurn();
        return m_symbols.getLeft();
    }
    return m_model->getRules()->moveDir(Dir::DIR_LEFT) ? m_symbols.getLeft() : 0;
}

char Unit::goRight()
{
    if (m_model->isLeft()) {
        m_model->getRules()->setReadyToTurn();
        return m_symbols.getRight();
    }
    return m_model->getRules()->moveDir(Dir::DIR_RIGHT) ? m_symbols.getRight() : 0;
}

char Unit::drive(const InputProvider *input, const KeyControl &keys)
{
    if (!canDrive() || !input) {
        return 0;
    }
    if (input->isPressed(keys.getLeft())) {
        return goLeft();
    }
    if (input->isPressed(keys.getRight())) {
        return goRight();
    }
    if (input->isPressed(keys.getUp())) {
        return goUp();
    }
    if (input->isPressed(keys.getDown())) {
        return goDown();
    }
    return 0;
}

char Unit::driveOrder(char symbol)
{
    if (!canDrive()) {
        return 0;
    }
    if (symbol == m_symbols.getLeft()) {
        return goLeft();
    }
    if (symbol == m_symbols.getRight()) {
        return goRight();
    }
    if (symbol == m_symbols.getUp()) {
        return goUp();
    }
    if (symbol == m_symbols.getDown()) {
        return goDown();
    }
    return 0;
}

char Unit::myStroke(SDLKey key, const KeyControl &keys) const
{
    if (key == keys.getLeft()) {
        return m_symbols.getLeft();
    }
    if (key == keys.getRight()) {
        return m_symbols.getRight();
    }
    if (key == keys.getUp()) {
        return m_symbols.getUp();
    }
    if (key == keys.getDown()) {
        return m_symbols.getDown();
    }
    return 0;
}

bool Unit::hasSymbol(char symbol) const
{
    return symbol == m_symbols.getUp() || symbol == m_symbols.getDown()
        || symbol == m_symbols.getLeft() || symbol == m_symbols.getRight();
}

char Unit::myOrder(Dir::eDir dir) const
{
    switch (dir) {
        case Dir::DIR_UP: return m_symbols.getUp();
        case Dir::DIR_DOWN: return m_symbols.getDown();
        case Dir::DIR_LEFT: return m_symbols.getLeft();
        case Dir::DIR_RIGHT: return m_symbols.getRight();
        default: break;
    }
    assert(!"unknown dir");
    return 0;
}

void Unit::activate()
{
    m_model->getRules()->setReadyToActive();
}

bool Unit::isMoving() const
{
    if (!canDrive()) {
        return false;
    }
    const std::string action = m_model->getRules()->getAction();
    return action == "move_left" || action == "move_right" || action == "move_up"
        || action == "move_down" || action == "turn";
}

bool Unit::isTurning() const
{
    return m_model->getRules()->getAction() == "turn";
}

bool Unit::isPushing() const
{
    return m_model->getRules()->isPushing();
}

bool Unit::isPowerful() const
{
    return m_model->getPower() > Cube::LIGHT;
}

int Unit::countAnimPhases(const std::string &anim) const
{
    return m_model->getAnim()->countAnims(anim, 0);
}

V2 Unit::getLoc() const
{
    return m_model->getLoc();
}

int Unit::getW() const
{
    return m_model->getShape()->getW();
}

int Unit::getH() const
{
    return m_model->getShape()->getH();
}

bool Unit::isFreePlace(const V2 &loc) const
{
    return m_model->getRules()->isFreePlace(loc);
}
