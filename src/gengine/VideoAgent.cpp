#include "gengine/VideoAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/DisplayScale.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/SDLException.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"

#include "SDL_image.h"

#include <cstdlib>

VideoAgent::VideoAgent()
    : m_screen(NULL), m_display(NULL), m_fullscreen(true)
{
}

VideoAgent::~VideoAgent()
{
    if (m_screen && m_screen != m_display) {
        SDL_FreeSurface(m_screen);
    }
}

VideoAgent *VideoAgent::instance()
{
    return AgentPack::getAgentAs<VideoAgent>("30video");
}

void VideoAgent::ownInit()
{
    m_screen = NULL;
    m_display = NULL;
    m_fullscreen = true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) < 0) {
        throw SDLException(InfoText("Init"));
    }
    SDL_JoystickEventState(SDL_ENABLE);
    SDL_JoystickOpen(0);

    static bool quitRegistered = false;
    if (!quitRegistered) {
        std::atexit(SDL_Quit);
        quitRegistered = true;
    }

    setIcon(Path::dataReadPath("images/icon.png"));
    registerWatcher("fullscreen");
    initVideoMode();
}

void VideoAgent::ownUpdate()
{
    drawOn(m_screen);
    if (m_screen != m_display) {
        SDL_SoftStretch(m_screen, NULL, m_display, NULL);
    }
    SDL_Flip(m_display);
}

void VideoAgent::ownShutdown()
{
    // SDL_Quit frees the display; the drawing surface is ours.
    if (m_screen && m_screen != m_display) {
        SDL_FreeSurface(m_screen);
    }
    m_screen = NULL;
    m_display = NULL;
    SDL_Quit();
}

void VideoAgent::setIcon(const Path &file)
{
    SDL_Surface *icon = IMG_Load(file.getNative().c_str());
    if (!icon) {
        throw ImgException(InfoText("Load").addValue("file", file.getNative()));
    }
    SDL_WM_SetIcon(icon, NULL);
    SDL_FreeSurface(icon);
}

void VideoAgent::initVideoMode()
{
    OptionAgent *options = OptionAgent::instance();
    const int width = options->getInt("screen_width", 800);
    const int height = options->getInt("screen_height", 480);
    const std::string caption = options->getParam("caption", "A game");
    SDL_WM_SetCaption(caption.c_str(), NULL);
    if (!m_screen || m_screen->w != width || m_screen->h != height) {
        // On a desktop the window follows "fullscreen"; the device's
        // framebuffer is full screen whatever the flag says.
        changeVideoMode(width, height, options->getBool("fullscreen", false));
    }
}

void VideoAgent::setDisplayMode(bool fullscreen)
{
    Uint32 flags = SDL_HWPALETTE | SDL_ANYFORMAT;
    if (fullscreen) {
        flags |= SDL_FULLSCREEN;
    }
    SDL_Surface *display = SDL_SetVideoMode(DisplayScale::DISPLAY_WIDTH,
            DisplayScale::DISPLAY_HEIGHT, DISPLAY_BPP, flags);
    if (!display) {
        throw SDLException(InfoText("SetVideoMode")
                .addValue("width", DisplayScale::DISPLAY_WIDTH)
                .addValue("height", DisplayScale::DISPLAY_HEIGHT)
                .addValue("bpp", DISPLAY_BPP));
    }
    m_display = display;
    m_fullscreen = fullscreen;
}

void VideoAgent::changeVideoMode(int width, int height, bool fullscreen)
{
    // Sizes come from parameters that scripts set: keep them sane before
    // SDL multiplies them into a 16-bit pitch.
    if (width <= 0 || height <= 0 || width > MAX_SCREEN_SIDE || height > MAX_SCREEN_SIDE) {
        throw LogicException(InfoText("bad screen size")
                .addValue("width", width).addValue("height", height));
    }
    if (!m_display || fullscreen != m_fullscreen) {
        setDisplayMode(fullscreen);
    }
    const SDL_PixelFormat *format = m_display->format;
    SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height,
            format->BitsPerPixel, format->Rmask, format->Gmask, format->Bmask, 0);
    if (!screen) {
        throw SDLException(InfoText("CreateRGBSurface")
                .addValue("width", width).addValue("height", height));
    }
    if (m_screen && m_screen != m_display) {
        SDL_FreeSurface(m_screen);
    }
    m_screen = screen;

    SDL_FillRect(m_screen, NULL, 0);
    SDL_FillRect(m_display, NULL, 0);
    SDL_Flip(m_display);
    DisplayScale::update(width, height);
    SDL_WarpMouse(DisplayScale::DISPLAY_WIDTH / 2, DisplayScale::DISPLAY_HEIGHT / 2);
    SDL_WarpMouse(DisplayScale::DISPLAY_WIDTH / 2, DisplayScale::DISPLAY_HEIGHT / 2);
}

void VideoAgent::toggleFullScreen()
{
    // SDL can only toggle the video surface itself; where it refuses (most
    // drivers) the mode is set again with the wanted state.
    if (m_display && SDL_WM_ToggleFullScreen(m_display)) {
        m_fullscreen = !m_fullscreen;
    } else if (m_screen) {
        changeVideoMode(m_screen->w, m_screen->h, !m_fullscreen);
    }
}

void VideoAgent::receiveSimple(const SimpleMsg *msg)
{
    if (msg->getName() == "fullscreen") {
        OptionAgent *options = OptionAgent::instance();
        const bool fullscreen = options->getBool("fullscreen", false);
        options->storeParam("fullscreen", fullscreen ? 0 : 1);
    } else {
        BaseAgent::receiveSimple(msg);
    }
}

void VideoAgent::receiveString(const StringMsg *msg)
{
    if (msg->getName() == "param_changed" && msg->getValue() == "fullscreen") {
        const bool fullscreen = OptionAgent::instance()->getBool("fullscreen", false);
        if (fullscreen != m_fullscreen) {
            toggleFullScreen();
        }
    } else {
        BaseAgent::receiveString(msg);
    }
}
