#include "widget/WidgetFixture.h"

#include "gengine/DisplayScale.h"
#include "gengine/MessagerAgent.h"
#include "gengine/SimpleMsg.h"

#include <filesystem>
#include <fstream>

void MsgRecorder::receiveSimple(const SimpleMsg *msg)
{
    got.push_back(msg->getName());
}

void WidgetFixture::SetUp()
{
    AgentFixture::SetUp();
    std::filesystem::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
            m_dir + "/font/font_menu.ttf");
    m_screen = fixture::makeRgba(320, 240);
    clearScreen();
}

void WidgetFixture::writePicture(const std::string &file, int w, int h,
        const SDL_Color &color) const
{
    std::filesystem::create_directories(std::filesystem::path(dataFile(file)).parent_path());
    fixture::SurfacePtr picture(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0, 0, 0, 0));
    ASSERT_TRUE(picture);
    SDL_FillRect(picture.get(), NULL, SDL_MapRGB(picture->format, color.r, color.g, color.b));
    // Pictures are recognised by their content, so a BMP serves as .png.
    ASSERT_EQ(0, SDL_SaveBMP(picture.get(), dataFile(file).c_str()));
}

void WidgetFixture::writeData(const std::string &file, const std::string &text) const
{
    std::filesystem::create_directories(std::filesystem::path(dataFile(file)).parent_path());
    std::ofstream out(dataFile(file), std::ios::binary);
    out << text;
}

MouseStroke WidgetFixture::stroke(const V2 &loc, Uint8 button)
{
    // Display and logical pixels agree at the display's own size.
    DisplayScale::update(DisplayScale::DISPLAY_WIDTH, DisplayScale::DISPLAY_HEIGHT);
    SDL_MouseButtonEvent event = SDL_MouseButtonEvent();
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button = button;
    event.state = SDL_PRESSED;
    event.x = static_cast<Uint16>(loc.getX());
    event.y = static_cast<Uint16>(loc.getY());
    return MouseStroke(event);
}

SDL_Color WidgetFixture::pixel(int x, int y) const
{
    SDL_Color color = fixture::rgba(0, 0, 0);
    SDL_GetRGB(fixture::rawAt(m_screen.get(), x, y), m_screen->format,
            &color.r, &color.g, &color.b);
    return color;
}

void WidgetFixture::clearScreen()
{
    SDL_FillRect(m_screen.get(), NULL, SDL_MapRGBA(m_screen->format, 0, 0, 0, 255));
}

bool sameRgb(const SDL_Color &a, const SDL_Color &b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
