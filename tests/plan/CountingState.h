#ifndef HEADER_COUNTINGSTATE_H
#define HEADER_COUNTINGSTATE_H

// A bare state for tests to push under the one they exercise: it answers to
// the usual keys, counts its update cycles and does nothing else, so the
// count shows whether it kept running below another state.

#include "plan/GameState.h"
#include "plan/StateInput.h"

class CountingState : public GameState {
    private:
        const char *m_name;
    public:
        int updates = 0;
        explicit CountingState(const char *name) : m_name(name) { takeHandler(new StateInput(this)); }
        virtual const char *getName() const { return m_name; }
    protected:
        virtual void ownInitState() {}
        virtual void ownUpdateState() { ++updates; }
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
};

#endif
