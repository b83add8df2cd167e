#include "level/OnStrongPad.h"

bool OnStrongPad::isSatisfy(const Cube *model) const
{
    return model->getWeight() > Cube::HEAVY
        || (model->isAlive() && model->getPower() >= m_weight);
}

bool OnStrongPad::isWrong(const Cube *model) const
{
    return model->isAlive() && model->getPower() < m_weight;
}
