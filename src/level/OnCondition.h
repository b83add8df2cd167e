#ifndef HEADER_ONCONDITION_H
#define HEADER_ONCONDITION_H

// A kind of support, asked of a model and then of what it rests on: satisfied
// means the model is carried, wrong means nothing through it can carry.

class Cube;

class OnCondition {
    public:
        virtual ~OnCondition() {}
        virtual bool isSatisfy(const Cube *model) const = 0;
        virtual bool isWrong(const Cube *model) const = 0;
};

#endif
