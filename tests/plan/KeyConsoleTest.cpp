#include "plan/AgentFixture.h"
#include "plan/CountingState.h"

#include "plan/ConsoleInput.h"
#include "plan/GameState.h"
#include "plan/KeyConsole.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"
#include "effect/PixelTool.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/TestSupport.h"
#include "gengine/VideoAgent.h"

#include "SDL.h"

#include <cctype>
#include <filesystem>
#include <string>

namespace {

using testsupport::captureLog;
using testsupport::contains;

GameState *makeConsole()
{
    return new KeyConsole();
}

class KeyConsoleTest : public AgentFixture {
    protected:
        StateManager *m_manager = nullptr;
        /** The screen the console opens over. */
        CountingState *m_scene = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            std::filesystem::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
                    m_dir + "/font/font_console.ttf");
            OptionAgent::instance()->setParam("screen_width", 200);
            OptionAgent::instance()->setParam("screen_height", 60);
            VideoAgent::instance()->initVideoMode();
            StateInput::setConsoleMaker(makeConsole);
            m_manager = new StateManager();
            m_scene = new CountingState("state_scene");
            m_manager->pushState(nullptr, m_scene);
        }
        virtual void TearDown()
        {
            delete m_manager;
            StateInput::setConsoleMaker(nullptr);
            AgentFixture::TearDown();
        }

        /** Opens the console with backquote over the scene. */
        KeyConsole *open()
        {
            press(SDLK_BACKQUOTE);
            m_manager->updateGame();
            return console();
        }
        /** The console on top, or null. */
        KeyConsole *console() const
        {
            GameState *top = m_manager->top();
            return top && std::string(top->getName()) == "state_console"
                ? static_cast<KeyConsole *>(top) : nullptr;
        }
        void stroke(int sym, int mod, Uint16 unicode)
        {
            SDL_keysym keysym;
            keysym.scancode = 0;
            keysym.sym = static_cast<SDLKey>(sym);
            keysym.mod = static_cast<SDLMod>(mod);
            keysym.unicode = unicode;
            m_manager->top()->getInput()->keyEvent(KeyStroke(keysym));
        }
        void press(int sym, int mod = KMOD_NONE) { stroke(sym, mod, 0); }
        /** Types ASCII text as the keyboard would: lower-case symbols, Shift for capitals. */
        void type(const std::string &text)
        {
            for (char c : text) {
                int mod = std::isupper(static_cast<unsigned char>(c)) ? KMOD_LSHIFT : KMOD_NONE;
                stroke(std::tolower(static_cast<unsigned char>(c)), mod,
                        static_cast<Uint16>(static_cast<unsigned char>(c)));
            }
        }
        std::string line() const { return console()->getInputText(); }
};

TEST_F(KeyConsoleTest, ReturnOnAnEmptyLineClosesTheConsole)
{
    ASSERT_NE(nullptr, open());
    std::string log = captureLog([&]() {
        press(SDLK_RETURN);
        m_manager->updateGame();
    }, LOG_LEVEL_WARNING);
    EXPECT_EQ(nullptr, console());
    EXPECT_EQ("", log);
}

TEST_F(KeyConsoleTest, LineRunsInTheGlobalStateAndUpRecallsIt)
{
    open();
    type("setParam('probe', 'Abc')");
    EXPECT_EQ("setParam('probe', 'Abc')", line());
    press(SDLK_RETURN);
    EXPECT_EQ("Abc", OptionAgent::instance()->getParam("probe"));
    EXPECT_EQ("", line());
    type("junk");
    press(SDLK_UP);
    EXPECT_EQ("setParam('probe', 'Abc')", line()) << "Up replaces what was typed";
    press(SDLK_UP, KMOD_LSHIFT);
    EXPECT_EQ("setParam('probe', 'Abc')", line());
    ASSERT_NE(nullptr, console());
    m_manager->updateGame();
    EXPECT_EQ(2, m_scene->updates) << "the scene keeps running below";
}

TEST_F(KeyConsoleTest, FailingLineIsLoggedAndStaysOnThePrompt)
{
    open();
    type("nosuch()");
    std::string log = captureLog([&]() { press(SDLK_RETURN); }, LOG_LEVEL_WARNING);
    EXPECT_TRUE(contains(log, "src/plan/KeyConsole")) << log;
    EXPECT_TRUE(contains(log, "WARNING")) << log;
    EXPECT_EQ("nosuch()", line());
    press(SDLK_UP);
    EXPECT_EQ("", line()) << "nothing has succeeded yet";

    type("x = 1");
    press(SDLK_RETURN);
    type("sendMsg('nobody', 'hello')");
    log = captureLog([&]() { press(SDLK_RETURN); }, LOG_LEVEL_WARNING);
    EXPECT_TRUE(contains(log, "WARNING")) << log;
    EXPECT_EQ("sendMsg('nobody', 'hello')", line());
    press(SDLK_UP);
    EXPECT_EQ("x = 1", line()) << "the history keeps the last line that succeeded";
}

TEST_F(KeyConsoleTest, EditingKeys)
{
    open();
    press(SDLK_BACKSPACE);
    EXPECT_EQ("", line());
    type("ab");
    press(SDLK_BACKSPACE);
    EXPECT_EQ("a", line());
    stroke(SDLK_u, KMOD_NONE, 'u');
    EXPECT_EQ("au", line());
    stroke(SDLK_u, KMOD_LCTRL, 0x15);
    EXPECT_EQ("", line());
    type("xy");
    stroke(SDLK_u, KMOD_RCTRL, 0x15);
    EXPECT_EQ("", line());
    stroke(SDLK_x, KMOD_LALT, 'x');
    EXPECT_EQ("x", line()) << "Alt strokes are typed by their character";
    stroke(SDLK_TAB, KMOD_NONE, '\t');
    stroke(SDLK_KP_ENTER, KMOD_NONE, '\r');
    press(SDLK_LEFT);
    press(SDLK_F3);
    EXPECT_EQ("x", line());
}

TEST_F(KeyConsoleTest, CharactersOutsideAsciiAreTypedAsUtf8)
{
    open();
    type("caf");
    stroke(0, KMOD_NONE, 0xE9);
    EXPECT_EQ("caf\xC3\xA9", line()) << "not the low seven bits ('i')";
    stroke(0, KMOD_NONE, 0x20AC);
    EXPECT_EQ("caf\xC3\xA9\xE2\x82\xAC", line());
    press(SDLK_BACKSPACE);
    EXPECT_EQ("caf\xC3\xA9", line()) << "Backspace takes a whole character";
    press(SDLK_BACKSPACE);
    EXPECT_EQ("caf", line());

    for (Uint16 control : {0x7F, 0x85, 0x9F, 0xD800, 0xDFFF, 0x01}) {
        stroke(0, KMOD_NONE, control);
    }
    EXPECT_EQ("caf", line()) << "control characters and lone surrogates are ignored";

    struct Case {
        Uint16 unicode;
        const char *bytes;
    } cases[] = {
        {' ', " "}, {'~', "~"}, {0xA0, "\xC2\xA0"}, {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"}, {0xFFFD, "\xEF\xBF\xBD"}, {0xFFFF, "\xEF\xBF\xBF"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.bytes, ConsoleInput::typedText(c.unicode)) << c.unicode;
    }
}

TEST_F(KeyConsoleTest, BackspaceCopesWithBrokenUtf8)
{
    struct Case {
        const char *text;
        const char *left;
    } cases[] = {
        {"", ""}, {"a", ""}, {"a\xC3\xA9", "a"}, {"\xF0\x9F\x90\x9F", ""},
        {"a\x80", "a"}, {"\xC3", ""}, {"\x80\x80\x80\x80\x80", "\x80\x80\x80\x80"},
        {"\xE2\x82", "\xE2"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.left, ConsoleInput::withoutLastChar(c.text)) << c.text;
    }
}

TEST_F(KeyConsoleTest, BackquoteAndEscapeCloseAndAReopenedConsoleStartsEmpty)
{
    open();
    type("x = 2");
    press(SDLK_RETURN);
    type("half");
    OptionAgent::instance()->setParam("subtitles", "1");
    press(SDLK_F6);
    EXPECT_TRUE(OptionAgent::instance()->getBool("subtitles", false)) << "F6 does nothing here";
    press(SDLK_BACKQUOTE, KMOD_LSHIFT);
    m_manager->updateGame();
    EXPECT_EQ(nullptr, console());

    open();
    EXPECT_EQ("", line());
    press(SDLK_UP);
    EXPECT_EQ("", line()) << "a new console has no history";
    press(SDLK_ESCAPE);
    m_manager->updateGame();
    EXPECT_EQ(nullptr, console());
    EXPECT_EQ(m_scene, m_manager->top());
}

TEST_F(KeyConsoleTest, PromptIsDrawnInGreenNearTheTopLeftCorner)
{
    open();
    type("xyz");
    SDL_Surface *screen = VideoAgent::instance()->getSurface();
    SDL_FillRect(screen, nullptr, 0);
    console()->drawOn(screen);
    int green = 0;
    int elsewhere = 0;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            SDL_Color color = PixelTool::getColor(screen, x, y);
            // The screen may have fewer bits per colour than the text.
            if (color.r < 16 && color.g > 180 && color.g < 220 && color.b < 16) {
                if (x >= 10 && y >= 10) {
                    ++green;
                } else {
                    ++elsewhere;
                }
            }
        }
    }
    EXPECT_GT(green, 20);
    EXPECT_EQ(0, elsewhere);
}

}
