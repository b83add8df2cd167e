#ifndef HEADER_STEPCOUNTER_H
#define HEADER_STEPCOUNTER_H

// The moves of a room as the step display and the level read them.

#include <string>

class StepCounter {
    public:
        virtual ~StepCounter() {}
        /** The length of the moves string. */
        virtual int getStepCount() const = 0;
        virtual std::string getMoves() const = 0;
        /** The active fish is a strong one; false without an active fish. */
        virtual bool isPowerful() const = 0;
        /** The active fish pushed another model in its last move; false without an active fish. */
        virtual bool isPushing() const = 0;
};

#endif
