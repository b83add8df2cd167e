#include "plan/AgentFixture.h"

#include "plan/GameInput.h"
#include "plan/GameState.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"
#include "gengine/Drawable.h"
#include "gengine/InputAgent.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/VideoAgent.h"

#include <functional>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

/** A state that logs every hook, is its own drawable and may act in its update. */
class ProbeState : public GameState, public Drawable {
    public:
        std::function<void(ProbeState *)> onUpdate;

        ProbeState(const std::string &name, Log *log, bool overlay = false, bool playing = false)
            : m_name(name), m_log(log), m_overlay(overlay)
        {
            takeHandler(playing ? new GameInput(this) : new StateInput(this));
            registerDrawable(this);
        }
        virtual ~ProbeState() { note("deleted"); }
        virtual const char *getName() const { return m_name.c_str(); }
        virtual bool allowBg() const { return m_overlay; }
        virtual void drawOn(SDL_Surface * /*screen*/) { note("drawn"); }
        void pressKey(SDLKey key, int mod = KMOD_NONE)
        { getInput()->keyEvent(KeyStroke(key, mod)); }
    protected:
        virtual void ownInitState() { note("init"); }
        virtual void ownUpdateState()
        {
            note("update");
            if (onUpdate) {
                onUpdate(this);
            }
        }
        virtual void ownPauseState() { note("pause"); }
        virtual void ownResumeState() { note("resume"); }
        virtual void ownCleanState() { note("clean"); }
        virtual void ownNoteBg() { note("bg"); }
        virtual void ownNoteFg() { note("fg"); }
    private:
        std::string m_name;
        Log *m_log;
        bool m_overlay;

        void note(const std::string &what) { m_log->push_back(m_name + " " + what); }
};

class StateManagerTest : public AgentFixture {
    protected:
        Log m_log;
        StateManager *m_manager = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            m_manager = new StateManager();
        }
        virtual void TearDown()
        {
            delete m_manager;
            AgentFixture::TearDown();
        }
        ProbeState *state(const std::string &name, bool overlay = false)
        { return new ProbeState(name, &m_log, overlay); }
        /** The log since the last call. */
        Log taken()
        {
            Log result;
            result.swap(m_log);
            return result;
        }
        /** What the video agent paints, in order. */
        Log painted()
        {
            Log before;
            before.swap(m_log);
            VideoAgent::instance()->drawOn(VideoAgent::instance()->getSurface());
            Log result;
            result.swap(m_log);
            m_log.swap(before);
            return result;
        }
        const InputHandler *inputOwner() const { return InputAgent::instance()->getHandler(); }
};

TEST_F(StateManagerTest, MapLevelHelpAndBackToAnEmptyStack)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    EXPECT_EQ(Log({"W init"}), taken());
    EXPECT_EQ(map->getInput(), inputOwner());

    ProbeState *level = state("L");
    map->pushState(level);
    EXPECT_EQ(Log({"L init", "W pause"}), taken());
    EXPECT_FALSE(map->isActive());
    EXPECT_EQ(level->getInput(), inputOwner());

    ProbeState *help = state("H", true);
    level->pushState(help);
    EXPECT_EQ(Log({"H init", "L bg"}), taken());
    EXPECT_TRUE(level->isActive());
    EXPECT_TRUE(level->isOnBg());
    EXPECT_EQ(Log({"L drawn", "H drawn"}), painted());
    EXPECT_EQ(help->getInput(), inputOwner());

    m_manager->updateGame();
    EXPECT_EQ(Log({"L update", "H update"}), taken());

    help->pressKey(SDLK_ESCAPE);
    EXPECT_EQ(Log({"H clean", "L fg"}), taken());
    EXPECT_FALSE(level->isOnBg());
    EXPECT_EQ(level->getInput(), inputOwner());
    EXPECT_EQ(Log({"L drawn"}), painted());
    m_manager->updateGame();
    EXPECT_EQ(Log({"L update", "H deleted"}), taken());

    level->pressKey(SDLK_ESCAPE);
    EXPECT_EQ(Log({"L clean", "W resume"}), taken());
    EXPECT_EQ(map->getInput(), inputOwner());
    EXPECT_TRUE(m_app.got.empty());

    map->quitState();
    EXPECT_EQ(Log({"W clean"}), taken());
    EXPECT_EQ(std::vector<std::string>({"quit"}), m_app.got);
    EXPECT_TRUE(m_manager->isEmpty());
    EXPECT_EQ(nullptr, inputOwner());
    EXPECT_EQ(Log(), painted());
    m_manager->updateGame();
    EXPECT_EQ(Log({"L deleted", "W deleted"}), taken());
}

TEST_F(StateManagerTest, StateQuittingInItsUpdateIsDeletedAfterTheFrame)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    ProbeState *level = state("L");
    map->pushState(level);
    level->pushState(state("H", true));
    level->onUpdate = [](ProbeState *self) { self->quitState(); };
    taken();

    m_manager->updateGame();
    EXPECT_EQ(Log({"L update", "L clean", "W resume", "W bg", "H update", "L deleted"}),
              taken());
    EXPECT_EQ(2, m_manager->size());
    EXPECT_TRUE(map->isOnBg());
}

TEST_F(StateManagerTest, OverlayOnOverlayKeepsBothLowerStatesRunning)
{
    ProbeState *level = state("L");
    m_manager->pushState(nullptr, level);
    ProbeState *menu = state("M", true);
    level->pushState(menu);
    ProbeState *console = state("C", true);
    menu->pushState(console);
    EXPECT_EQ(Log({"L init", "M init", "L bg", "C init", "L bg", "M bg"}), taken());
    EXPECT_TRUE(level->isActive() && level->isOnBg());
    EXPECT_TRUE(menu->isActive() && menu->isOnBg());
    EXPECT_EQ(Log({"L drawn", "M drawn", "C drawn"}), painted());
    EXPECT_EQ(console->getInput(), inputOwner());

    // A plain state pushed on top pauses everything under it.
    ProbeState *level2 = state("X");
    console->pushState(level2);
    EXPECT_EQ(Log({"X init", "C pause", "M pause", "L pause"}), taken());
    EXPECT_FALSE(level->isOnBg());
    EXPECT_EQ(Log({"X drawn"}), painted());
}

TEST_F(StateManagerTest, PushBelowTheTopInsertsAPausedStateAndTheTopKeepsTheInput)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    ProbeState *level = state("L");
    map->pushState(level);
    taken();
    map->pushState(state("X"));
    EXPECT_EQ(Log({"X init", "X pause"}), taken());
    EXPECT_EQ(3, m_manager->size());
    EXPECT_EQ(level, m_manager->top());
    EXPECT_EQ(level->getInput(), inputOwner());
}

TEST_F(StateManagerTest, ChangeAndNextStateReplaceAStateInPlace)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    ProbeState *menu = state("M");
    map->changeState(menu);
    EXPECT_EQ(Log({"W init", "W clean", "M init"}), taken());
    EXPECT_EQ(1, m_manager->size());
    EXPECT_EQ(menu->getInput(), inputOwner());

    ProbeState *level = state("L");
    level->setNextState(state("P"));
    menu->pushState(level);
    taken();
    level->pressKey(SDLK_ESCAPE);
    EXPECT_EQ(Log({"L clean", "P init"}), taken());
    EXPECT_EQ(2, m_manager->size());
    EXPECT_EQ("P", std::string(m_manager->top()->getName()));
    EXPECT_TRUE(m_app.got.empty());
}

TEST_F(StateManagerTest, QuitMessageQuitsTheStateAndOtherMessagesAreIgnored)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    map->pushState(state("L"));
    SimpleMsg("L", "jump").send();
    EXPECT_EQ(2, m_manager->size());
    SimpleMsg("L", "quit").send();
    EXPECT_EQ(1, m_manager->size());
    EXPECT_TRUE(map->isActive());
}

TEST_F(StateManagerTest, MisuseIsRefused)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    ProbeState stranger("S", &m_log);
    try {
        m_manager->pushState(&stranger, state("N"));
        FAIL() << "pushed above a state that is not on the stack";
    } catch (const LogicException &e) {
        EXPECT_EQ("game state is not found in stack; state='S'", std::string(e.what()));
    }
    EXPECT_THROW(m_manager->popState(nullptr), LogicException);
    EXPECT_THROW(stranger.updateState(), LogicException);
    EXPECT_THROW(stranger.pauseState(), LogicException);
    EXPECT_THROW(map->resumeState(), LogicException);
    EXPECT_EQ(1, m_manager->size());
}

TEST_F(StateManagerTest, KeysOfEveryState)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    ProbeState *level = state("L");
    map->pushState(level);

    level->pressKey(SDLK_ESCAPE, KMOD_LCTRL);
    EXPECT_EQ(2, m_manager->size()) << "Ctrl+Escape is not Escape";

    EXPECT_EQ("", OptionAgent::instance()->getParam("subtitles"));
    level->pressKey(SDLK_F6);
    EXPECT_EQ("1", OptionAgent::instance()->getParam("subtitles"));
    EXPECT_NE(std::string::npos, userConfig().find("setParam(\"subtitles\", \"1\")"));
    level->pressKey(SDLK_F6);
    EXPECT_EQ("0", OptionAgent::instance()->getParam("subtitles"));
    EXPECT_NE(std::string::npos, userConfig().find("setParam(\"subtitles\", \"0\")"));

    EXPECT_EQ("debug console", level->getInput()->getKeyDesc(KeyStroke(SDLK_BACKQUOTE, 0)));
    EXPECT_EQ("", level->getInput()->getKeyDesc(KeyStroke(SDLK_F6, KMOD_LALT)));
}

Log *s_madeLog = nullptr;

GameState *makeOverlay()
{
    return new ProbeState("O", s_madeLog, true);
}

TEST_F(StateManagerTest, HelpMenuAndConsoleKeysPushTheInstalledOverlays)
{
    s_madeLog = &m_log;
    ProbeState *level = new ProbeState("L", &m_log, false, true);
    m_manager->pushState(nullptr, level);
    ProbeState *menu = state("M");
    level->pushState(menu);
    taken();

    // Without makers the keys push nothing.
    menu->pressKey(SDLK_BACKQUOTE);
    level->pressKey(SDLK_F1);
    EXPECT_EQ(2, m_manager->size());

    StateInput::setConsoleMaker(makeOverlay);
    GameInput::setHelpMaker(makeOverlay);
    GameInput::setMenuMaker(makeOverlay);
    menu->pressKey(SDLK_F1);
    menu->pressKey(SDLK_F10);
    EXPECT_EQ(2, m_manager->size()) << "a plain state has no help or menu";
    menu->pressKey(SDLK_BACKQUOTE);
    EXPECT_EQ(Log({"O init", "M bg"}), taken());
    m_manager->top()->quitState();
    menu->quitState();
    taken();
    for (SDLKey key : {SDLK_F1, SDLK_F10, SDLK_BACKQUOTE}) {
        level->pressKey(key);
        EXPECT_EQ(Log({"O init", "L bg"}), taken()) << key;
        m_manager->top()->quitState();
        taken();
    }
    StateInput::setConsoleMaker(nullptr);
    GameInput::setHelpMaker(nullptr);
    GameInput::setMenuMaker(nullptr);
}

TEST_F(StateManagerTest, DetachedHandlerSeesNothingHeld)
{
    ProbeState *map = state("W");
    m_manager->pushState(nullptr, map);
    ProbeState *level = state("L");
    map->pushState(level);
    const InputHandler *paused = map->getInput();
    EXPECT_EQ(V2(-1, -1), paused->getMouseLoc());
    for (int key = 0; key < SDLK_LAST; ++key) {
        ASSERT_FALSE(paused->isPressed(static_cast<SDLKey>(key)));
    }
}

}
