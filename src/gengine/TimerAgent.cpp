#include "gengine/TimerAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/OptionAgent.h"

#include "SDL.h"

namespace {
class SDLClock : public TimerAgent::Clock {
    public:
        virtual unsigned getTicks() { return SDL_GetTicks(); }
        virtual void delay(unsigned ms) { SDL_Delay(ms); }
        virtual bool isShiftHeld() { return (SDL_GetModState() & KMOD_SHIFT) != 0; }
};

const int DEFAULT_INTERVAL = 100;
}

TimerAgent::TimerAgent(Clock *clock)
    : m_clock(clock ? clock : new SDLClock()), m_interval(DEFAULT_INTERVAL), m_lastTime(0),
      m_nextTime(0), m_deltaTime(1), m_cycles(0)
{
}

TimerAgent::~TimerAgent()
{
    delete m_clock;
}

TimerAgent *TimerAgent::instance()
{
    return AgentPack::getAgentAs<TimerAgent>("50timer");
}

void TimerAgent::ownInit()
{
    m_interval = OptionAgent::instance()->getInt("timeinterval", DEFAULT_INTERVAL);
    m_lastTime = m_nextTime = m_clock->getTicks();
    m_deltaTime = 1;
    m_cycles = 0;
}

void TimerAgent::ownUpdate()
{
    ++m_cycles;
    unsigned now = m_clock->getTicks();
    if (now < m_nextTime) {
        m_clock->delay(m_nextTime - now);
    }
    now = m_clock->getTicks();
    // A negative interval from a configuration file counts as no wait at all.
    unsigned interval = m_interval > 0 ? static_cast<unsigned>(m_interval) : 0;
    if (m_clock->isShiftHeld()) {
        interval /= 4;
    }
    m_deltaTime = now - m_lastTime;
    m_lastTime = now;
    m_nextTime = now + interval;
}
