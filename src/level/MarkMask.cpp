#include "level/MarkMask.h"

#include "level/Cube.h"
#include "level/Field.h"
#include "level/Rules.h"
#include "level/Shape.h"

#include <algorithm>

MarkMask::MarkMask(Cube *model, Field *field)
    : m_model(model), m_field(field)
{
}

void MarkMask::mask()
{
    const V2 loc = m_model->getLoc();
    for (const V2 &cell : *m_model->getShape()) {
        m_field->setModel(loc.plus(cell), m_model, nullptr);
    }
}

void MarkMask::unmask()
{
    const V2 loc = m_model->getLoc();
    for (const V2 &cell : *m_model->getShape()) {
        m_field->setModel(loc.plus(cell), nullptr, m_model);
    }
}

CubeList MarkMask::getPlacedResist(const V2 &loc) const
{
    CubeList result;
    for (const V2 &cell : *m_model->getShape()) {
        Cube *other = m_field->getModel(loc.plus(cell));
        // Shapes are small and meet few models: keep the first-met order.
        if (other && other != m_model
                && std::find(result.begin(), result.end(), other) == result.end()) {
            result.push_back(other);
        }
    }
    return result;
}

CubeList MarkMask::getResist(Dir::eDir dir) const
{
    return getPlacedResist(m_model->getLoc().plus(Dir::dir2xy(dir)));
}

bool MarkMask::isFreeAt(const V2 &loc) const
{
    for (const V2 &cell : *m_model->getShape()) {
        const Cube *other = m_field->getModel(loc.plus(cell));
        if (other && other != m_model) {
            return false;
        }
    }
    return true;
}

Dir::eDir MarkMask::getBorderDir() const
{
    const V2 loc = m_model->getLoc();
    Rules *rules = m_model->getRules();
    for (const V2 &cell : *m_model->getShape()) {
        const V2 pos = loc.plus(cell);
        if (pos.getX() == 0 && rules->canMoveOthers(Dir::DIR_LEFT, Cube::FIXED)) {
            return Dir::DIR_LEFT;
        }
        if (pos.getX() + 1 == m_field->getW() && rules->canMoveOthers(Dir::DIR_RIGHT, Cube::FIXED)) {
            return Dir::DIR_RIGHT;
        }
        if (pos.getY() == 0 && rules->canMoveOthers(Dir::DIR_UP, Cube::FIXED)) {
            return Dir::DIR_UP;
        }
        if (pos.getY() + 1 == m_field->getH() && rules->canMoveOthers(Dir::DIR_DOWN, Cube::FIXED)) {
            return Dir::DIR_DOWN;
        }
    }
    return Dir::DIR_NO;
}

bool MarkMask::isFullyOut() const
{
    const V2 loc = m_model->getLoc();
    for (const V2 &cell : *m_model->getShape()) {
        const Cube *other = m_field->getModel(loc.plus(cell));
        if (!other || other->getIndex() != -1) {
            return false;
        }
    }
    return true;
}
