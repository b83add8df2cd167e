#include "gengine/InputAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/DisplayScale.h"
#include "gengine/InputHandler.h"
#include "gengine/KeyBinder.h"
#include "gengine/KeyStroke.h"
#include "gengine/MessagerAgent.h"
#include "gengine/MouseStroke.h"
#include "gengine/SimpleMsg.h"

#include "gengine/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Recorder = testsupport::AppRecorder;

struct KeySeen {
    bool down;
    int sym;
    int unicode;
    bool operator==(const KeySeen &other) const
    { return down == other.down && sym == other.sym && unicode == other.unicode; }
};

class ProbeHandler : public InputHandler {
    public:
        std::vector<KeySeen> keys;
        std::vector<std::string> clicks;
        virtual void keyEvent(const KeyStroke &stroke)
        { keys.push_back(KeySeen{true, stroke.getKey(), stroke.getUnicode()}); }
        virtual void keyUpEvent(const KeyStroke &stroke)
        { keys.push_back(KeySeen{false, stroke.getKey(), stroke.getUnicode()}); }
        virtual void mouseEvent(const MouseStroke &stroke) { clicks.push_back(stroke.toString()); }
        int presses() const
        {
            int count = 0;
            for (const KeySeen &seen : keys) {
                count += seen.down ? 1 : 0;
            }
            return count;
        }
};

class ManualClock : public Clock {
    public:
        Sint64 now = 1000000;
        virtual Sint64 getMicros() const { return now; }
};

void pushJoyButton(Uint8 button, bool down)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.type = event.type;
    event.jbutton.which = 0;
    event.jbutton.button = button;
    event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(0, SDL_PushEvent(&event));
}

void pushKey(SDLKey sym, int mod, Uint16 unicode)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = static_cast<SDLMod>(mod);
    event.key.keysym.unicode = unicode;
    ASSERT_EQ(0, SDL_PushEvent(&event));
}

void pushMouse(Uint8 type, Uint8 button, Uint16 x, Uint16 y)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.type = type;
        event.motion.x = x;
        event.motion.y = y;
    } else {
        event.button.type = type;
        event.button.button = button;
        event.button.x = x;
        event.button.y = y;
    }
    ASSERT_EQ(0, SDL_PushEvent(&event));
}

class InputAgentTest : public testing::Test {
    protected:
        AgentPack pack;
        Recorder app;
        ProbeHandler handler;
        ManualClock clock;
        InputAgent *input = nullptr;

        void SetUp() override
        {
            ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
            pack.addAgent(new InputAgent());
            pack.init();
            input = InputAgent::instance();
            input->setClock(&clock);
            MessagerAgent::instance()->addListener(&app);
            DisplayScale::update(DisplayScale::DISPLAY_WIDTH, DisplayScale::DISPLAY_HEIGHT);
        }
        void TearDown() override
        {
            pack.shutdown();
            SDL_Quit();
        }
        /** One frame that ends at the clock's time plus the step. */
        void frame(Sint64 stepMicros = 0)
        {
            clock.now += stepMicros;
            pack.update();
        }
};

TEST_F(InputAgentTest, JoystickButtonsBecomeKeysByTheTable)
{
    input->installHandler(&handler);
    struct Case { Uint8 button; int sym; int unicode; };
    const Case cases[] = {
        {0, SDLK_UP, 0}, {2, SDLK_LEFT, 0}, {4, SDLK_DOWN, 0}, {6, SDLK_RIGHT, 0},
        {8, SDLK_F10, 0}, {9, SDLK_ESCAPE, 27}, {10, SDLK_F2, 0}, {11, SDLK_F3, 0},
        {12, SDLK_RETURN, 13}, {13, SDLK_F5, 0}, {14, SDLK_SPACE, 32},
        {15, SDLK_BACKSPACE, 8}, {1, SDLK_UNKNOWN, 0}, {3, SDLK_UNKNOWN, 0},
        {16, SDLK_UNKNOWN, 0}, {255, SDLK_UNKNOWN, 0},
    };
    for (const Case &c : cases) {
        handler.keys.clear();
        pushJoyButton(c.button, true);
        pushJoyButton(c.button, false);
        frame();
        const std::vector<KeySeen> expected = {{true, c.sym, c.unicode}, {false, c.sym, c.unicode}};
        EXPECT_EQ(expected, handler.keys) << "button " << int(c.button);
    }
}

TEST_F(InputAgentTest, JoystickPressReachesTheBinderBeforeTheHandler)
{
    input->getKeyBinder()->addStroke(KeyStroke(SDLK_RETURN, KMOD_NONE), new SimpleMsg("App", "enter"));
    input->installHandler(&handler);
    pushJoyButton(12, true);
    frame();
    EXPECT_EQ(std::vector<std::string>{"enter"}, app.got);
    EXPECT_EQ((std::vector<KeySeen>{{true, SDLK_RETURN, 13}}), handler.keys);
}

TEST_F(InputAgentTest, HeldButtonRepeatsOncePerFrameAtLeast150msApart)
{
    input->installHandler(&handler);
    pushJoyButton(0, true);
    frame();
    ASSERT_EQ(1, handler.presses());

    // One second of frames 40 ms apart: repeats at 160, 320, ... 960 ms.
    std::vector<Sint64> repeatTimes;
    const Sint64 start = clock.now;
    for (int i = 0; i < 25; ++i) {
        const int before = handler.presses();
        frame(40000);
        const int repeats = handler.presses() - before;
        ASSERT_LE(repeats, 1) << "more than one repeat in one frame";
        if (repeats == 1) {
            repeatTimes.push_back(clock.now - start);
        }
    }
    EXPECT_EQ((std::vector<Sint64>{160000, 320000, 480000, 640000, 800000, 960000}), repeatTimes);

    pushJoyButton(0, false);
    frame(400000);
    const int afterRelease = handler.presses();
    frame(400000);
    EXPECT_EQ(afterRelease, handler.presses());
    EXPECT_FALSE(handler.keys.back().down);
}

TEST_F(InputAgentTest, RepeatNeedsMoreThan150msAndFollowsTheNewestButton)
{
    input->installHandler(&handler);
    pushJoyButton(0, true);
    frame();
    frame(150000);
    EXPECT_EQ(1, handler.presses());
    frame(1);
    EXPECT_EQ(2, handler.presses());

    // A newer press replaces the remembered one and restarts the wait.
    pushJoyButton(6, true);
    frame(100000);
    frame(100000);
    EXPECT_EQ(3, handler.presses());
    frame(60000);
    ASSERT_EQ(4, handler.presses());
    EXPECT_EQ(SDLK_RIGHT, handler.keys.back().sym);
}

TEST_F(InputAgentTest, KeysReachTheBinderWithoutAHandler)
{
    input->getKeyBinder()->addStroke(KeyStroke(SDLK_F11, KMOD_NONE), new SimpleMsg("App", "fullscreen"));
    pushKey(SDLK_F11, KMOD_LSHIFT, 0);
    pushKey(SDLK_a, KMOD_NONE, 'a');
    frame();
    EXPECT_EQ(std::vector<std::string>{"fullscreen"}, app.got);
    EXPECT_TRUE(handler.keys.empty());
}

TEST_F(InputAgentTest, CloseRequestSendsQuitToTheApplication)
{
    input->installHandler(&handler);
    SDL_Event event;
    std::memset(&event, 0, sizeof(event));
    event.type = SDL_QUIT;
    ASSERT_EQ(0, SDL_PushEvent(&event));
    frame();
    EXPECT_EQ(std::vector<std::string>{"quit"}, app.got);
}

TEST_F(InputAgentTest, MousePressesArriveInLogicalPixelsAfterAModeChange)
{
    input->installHandler(&handler);
    DisplayScale::update(640, 480);
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 160, 120);
    pushMouse(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 160, 120);
    pushMouse(SDL_MOUSEMOTION, 0, 10, 10);
    DisplayScale::update(800, 480);
    frame();
    pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 319, 239);
    frame();
    // The factor applies when the event is handled, after the last mode change.
    EXPECT_EQ((std::vector<std::string>{"button=1 loc=[400,240]", "button=3 loc=[797,478]"}),
              handler.clicks);
}

TEST_F(InputAgentTest, InstallingHandsOverKeysAndDetachingClearsThem)
{
    Uint8 *keys = SDL_GetKeyState(NULL);
    keys[SDLK_LEFT] = 1;
    ProbeHandler other;
    input->installHandler(&handler);
    EXPECT_TRUE(handler.isPressed(SDLK_LEFT));
    EXPECT_FALSE(handler.isPressed(SDLK_LAST));

    input->installHandler(&other);
    EXPECT_FALSE(handler.isPressed(SDLK_LEFT));
    EXPECT_EQ("input; mouse='[-1,-1]'; buttons=0", handler.toString());
    EXPECT_TRUE(other.isPressed(SDLK_LEFT));
    EXPECT_NE(-1, other.getMouseLoc().getX());

    input->installHandler(NULL);
    EXPECT_FALSE(other.isPressed(SDLK_LEFT));
    keys[SDLK_LEFT] = 0;
}

}
