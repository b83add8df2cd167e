#include "gengine/VideoAgent.h"

#include "gengine/DisplayScale.h"
#include "gengine/MouseStroke.h"
#include "gengine/SDLException.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

#include "TestSupport.h"

#include <cstring>
#include <memory>

namespace {

using testsupport::EngineCore;

/** Fills one rectangle of the logical surface with one colour. */
class Filler : public Drawable {
    private:
        SDL_Rect m_rect;
        Uint8 m_r, m_g, m_b;
    public:
        Filler(Sint16 x, Sint16 y, Uint16 w, Uint16 h, Uint8 r, Uint8 g, Uint8 b)
            : m_r(r), m_g(g), m_b(b)
        {
            m_rect.x = x;
            m_rect.y = y;
            m_rect.w = w;
            m_rect.h = h;
        }
        virtual void drawOn(SDL_Surface *screen)
        {
            SDL_Rect rect = m_rect;
            SDL_FillRect(screen, &rect, SDL_MapRGB(screen->format, m_r, m_g, m_b));
        }
};

void writeIcon(const std::string &file)
{
    // Pictures are recognised by their content, so a BMP serves as icon.png.
    SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
    ASSERT_NE(nullptr, icon);
    ASSERT_EQ(0, SDL_SaveBMP(icon, file.c_str()));
    SDL_FreeSurface(icon);
}

Uint32 pixelAt(SDL_Surface *surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint8 *row = static_cast<const Uint8 *>(surface->pixels) + y * surface->pitch;
    Uint32 pixel = 0;
    switch (surface->format->BytesPerPixel) {
        case 2: pixel = reinterpret_cast<const Uint16 *>(row)[x]; break;
        case 4: pixel = reinterpret_cast<const Uint32 *>(row)[x]; break;
        default: ADD_FAILURE() << "unexpected depth";
    }
    SDL_UnlockSurface(surface);
    return pixel;
}

class VideoAgentTest : public testing::Test {
    protected:
        std::unique_ptr<EngineCore> core;
        VideoAgent *video = nullptr;

        /** Starts the video agent after the given parameters are set. */
        void start(const std::vector<std::pair<std::string, std::string>> &params = {})
        {
            core.reset(new EngineCore());
            core->dir.write("system/images/icon.png", "");
            writeIcon(core->dir.file("system/images/icon.png"));
            for (const auto &param : params) {
                EngineCore::options()->setParam(param.first, param.second);
            }
            core->pack().addAgent(new VideoAgent());
            core->pack().init();
            video = VideoAgent::instance();
        }
        void TearDown() override { core.reset(); }
};

TEST_F(VideoAgentTest, OpensTheFixedDisplayAndALogicalSurfaceInItsFormat)
{
    start();
    SDL_Surface *display = video->getDisplay();
    SDL_Surface *screen = video->getSurface();
    ASSERT_NE(nullptr, display);
    ASSERT_NE(nullptr, screen);
    EXPECT_NE(display, screen);
    EXPECT_EQ(320, display->w);
    EXPECT_EQ(240, display->h);
    EXPECT_EQ(16, display->format->BitsPerPixel);
    EXPECT_EQ(800, screen->w);
    EXPECT_EQ(480, screen->h);
    EXPECT_EQ(display->format->BitsPerPixel, screen->format->BitsPerPixel);
    EXPECT_EQ(display->format->Rmask, screen->format->Rmask);
    EXPECT_EQ(display->format->Gmask, screen->format->Gmask);
    EXPECT_EQ(display->format->Bmask, screen->format->Bmask);
    EXPECT_EQ(0u, screen->format->Amask);
    EXPECT_FLOAT_EQ(2.5f, DisplayScale::getX());
    EXPECT_FLOAT_EQ(2.0f, DisplayScale::getY());
}

TEST_F(VideoAgentTest, SameSizeKeepsTheSurfaceAndANewSizeRescalesTheMouse)
{
    start();
    SDL_Surface *first = video->getSurface();
    EngineCore::options()->setParam("caption", "Another");
    video->initVideoMode();
    EXPECT_EQ(first, video->getSurface());

    EngineCore::options()->setParam("screen_width", 640);
    EngineCore::options()->setParam("screen_height", 480);
    video->initVideoMode();
    ASSERT_EQ(640, video->getSurface()->w);
    EXPECT_FLOAT_EQ(2.0f, DisplayScale::getX());
    EXPECT_FLOAT_EQ(2.0f, DisplayScale::getY());

    SDL_MouseButtonEvent click;
    std::memset(&click, 0, sizeof(click));
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button = SDL_BUTTON_LEFT;
    click.x = 160;
    click.y = 120;
    EXPECT_EQ(V2(320, 240), MouseStroke(click).getLoc());
}

TEST_F(VideoAgentTest, FramePaintsDrawablesInOrderAndStretchesThemOntoTheDisplay)
{
    start({{"screen_width", "640"}, {"screen_height", "480"}});
    Filler red(0, 0, 640, 480, 255, 0, 0);
    Filler blue(320, 0, 320, 480, 0, 0, 255);
    video->acceptDrawer(&red);
    video->acceptDrawer(&blue);
    core->pack().update();

    SDL_Surface *display = video->getDisplay();
    EXPECT_EQ(SDL_MapRGB(display->format, 255, 0, 0), pixelAt(display, 10, 10));
    EXPECT_EQ(SDL_MapRGB(display->format, 0, 0, 255), pixelAt(display, 300, 230));

    video->removeDrawer(&blue);
    video->removeDrawer(&blue);
    core->pack().update();
    EXPECT_EQ(SDL_MapRGB(display->format, 255, 0, 0), pixelAt(display, 300, 230));
    video->removeDrawer(&red);
}

TEST_F(VideoAgentTest, WindowUnlessFullScreenIsAskedFor)
{
    start();
    EXPECT_FALSE(video->isFullScreen());
    EXPECT_EQ(0u, video->getDisplay()->flags & SDL_FULLSCREEN);
    core.reset();

    start({{"fullscreen", "1"}});
    EXPECT_TRUE(video->isFullScreen());
    EXPECT_NE(0u, video->getDisplay()->flags & SDL_FULLSCREEN);
}

TEST_F(VideoAgentTest, FullScreenMessageTogglesTheStoredParameterAndTheDisplayFollows)
{
    start();
    const int width = video->getSurface()->w;
    SimpleMsg toggle("30video", "fullscreen");
    toggle.send();
    EXPECT_TRUE(EngineCore::options()->getBool("fullscreen", false));
    EXPECT_TRUE(video->isFullScreen());
    EXPECT_NE(0u, video->getDisplay()->flags & SDL_FULLSCREEN);
    EXPECT_TRUE(testsupport::contains(core->dir.read("user/script/options.lua"), "\"fullscreen\", \"1\""));
    EXPECT_EQ(width, video->getSurface()->w);

    toggle.send();
    EXPECT_FALSE(EngineCore::options()->getBool("fullscreen", true));
    EXPECT_FALSE(video->isFullScreen());
    EXPECT_EQ(0u, video->getDisplay()->flags & SDL_FULLSCREEN);
    EXPECT_TRUE(testsupport::contains(core->dir.read("user/script/options.lua"), "\"fullscreen\", \"0\""));
}

TEST_F(VideoAgentTest, OtherMessagesAreRejected)
{
    start();
    EXPECT_THROW(StringMsg("30video", "param_changed", "sound").send(), UnknownMsgException);
    EXPECT_THROW(SimpleMsg("30video", "volume").send(), UnknownMsgException);
    EXPECT_THROW(StringMsg("30video", "dostring", "fullscreen").send(), UnknownMsgException);
}

TEST_F(VideoAgentTest, UnusableScreenSizeIsRefusedAndTheOldSurfaceStays)
{
    start();
    SDL_Surface *first = video->getSurface();
    const char *sizes[][2] = {{"0", "480"}, {"-640", "480"}, {"640", "100000"}};
    for (const auto &size : sizes) {
        EngineCore::options()->setParam("screen_width", size[0]);
        EngineCore::options()->setParam("screen_height", size[1]);
        EXPECT_THROW(video->initVideoMode(), LogicException) << size[0] << "x" << size[1];
        EXPECT_EQ(first, video->getSurface());
    }
}

TEST(VideoAgentIcon, MissingIconStopsTheStartWithTheFileNamed)
{
    EngineCore core;
    core.pack().addAgent(new VideoAgent());
    try {
        core.pack().init();
        FAIL() << "started without an icon";
    } catch (const ImgException &e) {
        EXPECT_TRUE(testsupport::contains(e.what(),
                "Load; file='" + core.dir.file("system/images/icon.png") + "'; IMG=")) << e.what();
    }
}

}
