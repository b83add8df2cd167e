#ifndef HEADER_ONSTRONGPAD_H
#define HEADER_ONSTRONGPAD_H

// Carried by something fixed or by a fish strong enough for the given weight.

#include "level/Cube.h"
#include "level/OnCondition.h"

class OnStrongPad : public OnCondition {
    private:
        Cube::eWeight m_weight;
    public:
        explicit OnStrongPad(Cube::eWeight weight) : m_weight(weight) {}
        virtual bool isSatisfy(const Cube *model) const;
        virtual bool isWrong(const Cube *model) const;
};

#endif
