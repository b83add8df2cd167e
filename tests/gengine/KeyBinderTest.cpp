#include "gengine/KeyBinder.h"

#include "gengine/AgentPack.h"
#include "gengine/BaseException.h"
#include "gengine/MessagerAgent.h"
#include "gengine/SimpleMsg.h"

#include "gengine/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Recorder = testsupport::AppRecorder;

/** A message that counts its deletions. */
class CountedMsg : public SimpleMsg {
    private:
        int *m_deleted;
    public:
        CountedMsg(const std::string &name, int *deleted)
            : SimpleMsg("App", name), m_deleted(deleted) {}
        virtual ~CountedMsg() { ++*m_deleted; }
        virtual CountedMsg *clone() const { return new CountedMsg(*this); }
};

using testsupport::keysym;

class KeyBinderTest : public testing::Test {
    protected:
        AgentPack pack;
        Recorder app;
        KeyBinder binder;
        void SetUp() override
        {
            ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
            MessagerAgent::instance()->addListener(&app);
        }
        void TearDown() override { SDL_Quit(); }
};

TEST_F(KeyBinderTest, CtrlBindingMatchesEitherCtrlWithAnyShiftButNotAPlainKey)
{
    binder.addStroke(KeyStroke(SDLK_s, KMOD_LCTRL), new SimpleMsg("App", "save"));
    struct Case { int mod; bool sends; };
    const Case cases[] = {
        {KMOD_LCTRL, true},
        {KMOD_RCTRL, true},
        {KMOD_LCTRL | KMOD_LSHIFT, true},
        {KMOD_RCTRL | KMOD_CAPS | KMOD_NUM, true},
        {KMOD_NONE, false},
        {KMOD_LSHIFT, false},
        {KMOD_LCTRL | KMOD_LALT, false},
    };
    for (const Case &c : cases) {
        app.got.clear();
        binder.keyDown(keysym(SDLK_s, c.mod));
        EXPECT_EQ(c.sends ? 1u : 0u, app.got.size()) << c.mod;
    }
}

TEST_F(KeyBinderTest, EachPressSendsACopyAndTheBindingStays)
{
    int deleted = 0;
    binder.addStroke(KeyStroke(SDLK_F11, KMOD_NONE), new CountedMsg("fullscreen", &deleted));
    binder.keyDown(keysym(SDLK_F11, KMOD_NONE));
    binder.keyDown(keysym(SDLK_F11, KMOD_NONE));
    EXPECT_EQ((std::vector<std::string>{"fullscreen", "fullscreen"}), app.got);
    EXPECT_EQ(2, deleted);
    EXPECT_EQ(1, binder.size());
}

TEST_F(KeyBinderTest, OccupiedStrokeIsRefusedAndItsMessageFreed)
{
    int deleted = 0;
    binder.addStroke(KeyStroke(SDLK_f, KMOD_LCTRL), new SimpleMsg("App", "first"));
    try {
        binder.addStroke(KeyStroke(SDLK_f, KMOD_RCTRL | KMOD_LCTRL), new CountedMsg("second", &deleted));
        FAIL() << "an occupied stroke was bound";
    } catch (const LogicException &e) {
        EXPECT_STREQ("keystroke is occupied; keystroke='f+192'", e.what());
    }
    EXPECT_EQ(1, deleted);
    binder.keyDown(keysym(SDLK_f, KMOD_RCTRL));
    EXPECT_EQ((std::vector<std::string>{"first"}), app.got);
}

TEST_F(KeyBinderTest, RemovingDeletesTheMessageAndAnUnboundStrokeOnlyWarns)
{
    int deleted = 0;
    binder.addStroke(KeyStroke(SDLK_q, KMOD_NONE), new CountedMsg("quit", &deleted));
    binder.removeStroke(KeyStroke(SDLK_q, KMOD_NONE));
    EXPECT_EQ(1, deleted);
    binder.keyDown(keysym(SDLK_q, KMOD_NONE));
    EXPECT_TRUE(app.got.empty());

    testing::internal::CaptureStderr();
    binder.removeStroke(KeyStroke(SDLK_q, KMOD_NONE));
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, log.find("WARNING keystroke does not exist; keystroke='q+0'")) << log;
}

}
