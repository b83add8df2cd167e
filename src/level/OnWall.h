#ifndef HEADER_ONWALL_H
#define HEADER_ONWALL_H

// Carried by something fixed: a wall, a pipe, the border. A fish carries nothing.

#include "level/OnCondition.h"

class OnWall : public OnCondition {
    public:
        virtual bool isSatisfy(const Cube *model) const;
        virtual bool isWrong(const Cube *model) const;
};

#endif
