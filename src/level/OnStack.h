#ifndef HEADER_ONSTACK_H
#define HEADER_ONSTACK_H

// Carried by a resting dead model that is itself carried by walls or by a fish.

#include "level/OnCondition.h"

class OnStack : public OnCondition {
    public:
        virtual bool isSatisfy(const Cube *model) const;
        virtual bool isWrong(const Cube *model) const;
};

#endif
