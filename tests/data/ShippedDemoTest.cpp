// The shipped intro and posters played by the real demo state on the
// shipped data: each starts on its own 320x240 picture from the first frame,
// draws, speaks and ends by itself within a sensible time, without an error.
#include "plan/AgentFixture.h"

#include "menu/DemoMode.h"
#include "plan/GameState.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"
#include "gengine/BaseException.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/VideoAgent.h"

#include <cstdlib>
#include <string>

namespace {

/** The state under the demo, as the world map or a level would be. */
class UnderState : public GameState {
    public:
        UnderState() { takeHandler(new StateInput(this)); }
        virtual const char *getName() const { return "state_under"; }
    protected:
        virtual void ownInitState() {}
        virtual void ownUpdateState() {}
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
};

class ShippedDemoTest : public AgentFixture,
                        public testing::WithParamInterface<const char *> {
    protected:
        virtual void SetUp()
        {
            AgentFixture::SetUp();
            const char *source = getenv("TIDEPOOL_SOURCE_DIR");
            OptionAgent::instance()->setParam("systemdir", std::string(source ? source : ".") + "/data");
            OptionAgent::instance()->setParam("screen_width", 640);
            OptionAgent::instance()->setParam("screen_height", 480);
            VideoAgent::instance()->initVideoMode();
        }
};

TEST_P(ShippedDemoTest, PlaysToItsEnd)
{
    StateManager manager;
    UnderState *under = new UnderState();
    manager.pushState(nullptr, under);
    manager.pushState(under, new DemoMode(Path::dataReadPath(GetParam())));
    EXPECT_EQ(320, OptionAgent::instance()->getInt("screen_width", 0))
        << "the first picture sets the screen before the first frame";
    EXPECT_EQ(240, OptionAgent::instance()->getInt("screen_height", 0));
    int cycles = 0;
    // Lines without audible speech last one cycle per character, so even a
    // long demo is over within two minutes of cycles.
    while (manager.top() && std::string(manager.top()->getName()) == "state_demo" && cycles < 1200) {
        ASSERT_NO_THROW(manager.updateGame());
        VideoAgent::instance()->update();
        tick();
        ++cycles;
    }
    EXPECT_EQ("state_under", std::string(manager.top()->getName())) << "still running after " << cycles;
    EXPECT_GT(cycles, 20) << "a demo the player cannot read";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedDemoTest,
        testing::Values("script/share/demo_intro.lua", "script/share/poster_first_steps.lua",
                        "script/share/poster_steel_gate.lua"));

}  // namespace
