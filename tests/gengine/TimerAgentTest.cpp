#include "gengine/AgentPack.h"
#include "gengine/TimerAgent.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

/** A clock that moves only when the timer waits or the test works. */
class FakeClock : public TimerAgent::Clock {
    public:
        unsigned now = 1000;
        bool shift = false;
        std::vector<unsigned> delays;
        virtual unsigned getTicks() { return now; }
        virtual void delay(unsigned ms) { delays.push_back(ms); now += ms; }
        virtual bool isShiftHeld() { return shift; }
};

class TimerAgentTest : public testing::Test {
    protected:
        testsupport::EngineCore core;
        FakeClock *clock = new FakeClock();
        TimerAgent *timer = new TimerAgent(clock);
        void SetUp() override
        {
            core.pack().addAgent(timer);
            core.pack().init();
        }
};

TEST_F(TimerAgentTest, WaitsForTheRestOfTheIntervalAndCountsFrames)
{
    EXPECT_EQ(timer, TimerAgent::instance());
    EXPECT_EQ(0, timer->getCycles());
    timer->update(); // the first deadline is the start time: no wait
    clock->now += 30; // a frame's work took 30 ms
    timer->update();
    EXPECT_EQ((std::vector<unsigned>{70}), clock->delays);
    EXPECT_EQ(100u, timer->getDeltaTime());
    EXPECT_EQ(2, timer->getCycles());
}

TEST_F(TimerAgentTest, LateFrameIsNotMadeUp)
{
    timer->update();
    clock->now += 250;
    timer->update();
    EXPECT_TRUE(clock->delays.empty());
    EXPECT_EQ(250u, timer->getDeltaTime());
    clock->now += 10;
    timer->update(); // the deadline counts from the late frame's end
    EXPECT_EQ((std::vector<unsigned>{90}), clock->delays);
}

TEST_F(TimerAgentTest, ShiftRunsFourTimesAsFast)
{
    clock->shift = true;
    timer->update();
    timer->update();
    EXPECT_EQ((std::vector<unsigned>{25}), clock->delays);
}

TEST(TimerAgentInterval, ComesFromTheParameterReadAtStart)
{
    struct Case { const char *value; bool shift; unsigned wait; };
    const Case cases[] = {
        {"40", false, 40},
        {"40", true, 10},
        {"3", true, 0},       // a quarter of 3 ms rounds down to no wait
        {"-5", false, 0},
        {"fast", false, 100}, // unreadable: the default
    };
    for (const Case &c : cases) {
        testsupport::EngineCore core;
        core.options()->setParam("timeinterval", c.value);
        FakeClock *clock = new FakeClock();
        clock->shift = c.shift;
        core.pack().addAgent(new TimerAgent(clock));
        core.pack().init();
        TimerAgent::instance()->update();
        TimerAgent::instance()->update();
        unsigned waited = clock->delays.empty() ? 0 : clock->delays[0];
        EXPECT_EQ(c.wait, waited) << c.value << (c.shift ? " with shift" : "");
    }
}

}
