#ifndef HEADER_TIMERAGENT_H
#define HEADER_TIMERAGENT_H

// Agent "50timer": paces the main loop to one frame per interval and counts
// the frames. Game logic and animation count these cycles, never wall time,
// so a slow machine plays slower instead of skipping frames. A late frame is
// not made up: the next deadline counts from the end of the wait.

#include "gengine/BaseAgent.h"

class TimerAgent : public BaseAgent {
    public:
        /** Where the timer reads the time; tests drive their own. */
        class Clock {
            public:
                virtual ~Clock() {}
                virtual unsigned getTicks() = 0;
                virtual void delay(unsigned ms) = 0;
                /** Whether a Shift key is held (frames run four times as fast). */
                virtual bool isShiftHeld() = 0;
        };
    private:
        Clock *m_clock;
        int m_interval;
        unsigned m_lastTime;
        unsigned m_nextTime;
        unsigned m_deltaTime;
        int m_cycles;
    protected:
        virtual void ownInit();
        virtual void ownUpdate();
    public:
        /** Takes ownership of the clock; without one it uses SDL's. */
        explicit TimerAgent(Clock *clock = nullptr);
        virtual ~TimerAgent();
        static TimerAgent *instance();
        virtual const char *getName() const { return "50timer"; }

        /** Frames since start. */
        int getCycles() const { return m_cycles; }
        /** Milliseconds between the last two frames. */
        unsigned getDeltaTime() const { return m_deltaTime; }
};

#endif
