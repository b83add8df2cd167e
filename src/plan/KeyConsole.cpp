#include "plan/KeyConsole.h"

#include "plan/ConsoleInput.h"
#include "effect/Font.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/MessagerAgent.h"
#include "gengine/Path.h"
#include "gengine/StringMsg.h"

KeyConsole::KeyConsole()
    : m_font(nullptr), m_input()
{
    m_color.r = 0;
    m_color.g = 200;
    m_color.b = 0;
    m_color.unused = 255;
    m_font = new Font(Path::dataReadPath("font/font_console.ttf"), 16);
    takeHandler(new ConsoleInput(this));
    registerDrawable(this);
}

KeyConsole::~KeyConsole()
{
    delete m_font;
}

bool KeyConsole::executeCommand()
{
    try {
        MessagerAgent::instance()->deliver(new StringMsg("15script", "dostring", m_input));
    } catch (const BaseException &e) {
        LOG_WARNING(e.info());
        return false;
    }
    return true;
}

void KeyConsole::drawOn(SDL_Surface *screen)
{
    // Rendered anew each frame: the line is short and changes with every key.
    SDL_Surface *surface = m_font->renderText("console] " + m_input, m_color);
    SDL_Rect rect;
    rect.x = 10;
    rect.y = 10;
    SDL_BlitSurface(surface, nullptr, screen, &rect);
    SDL_FreeSurface(surface);
}
