#include "level/OnStack.h"

#include "level/Cube.h"
#include "level/Rules.h"

bool OnStack::isSatisfy(const Cube *model) const
{
    return !model->isAlive()
        && model->getRules()->getDir() == Dir::DIR_NO
        && model->getRules()->isOnStrongPad(Cube::LIGHT);
}

bool OnStack::isWrong(const Cube *model) const
{
    return model->isAlive();
}
