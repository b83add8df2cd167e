#include "level/OnWall.h"

#include "level/Cube.h"

bool OnWall::isSatisfy(const Cube *model) const
{
    return model->getWeight() > Cube::HEAVY;
}

bool OnWall::isWrong(const Cube *model) const
{
    return model->isAlive();
}
