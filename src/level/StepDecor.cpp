#include "level/StepDecor.h"

#include "level/StepCounter.h"

#include "effect/Font.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/TextTool.h"

StepDecor::StepDecor(const StepCounter *counter)
    : m_font(new Font(Path::dataReadPath("font/font_console.ttf"), 20)), m_counter(counter)
{
}

StepDecor::~StepDecor()
{
}

void StepDecor::drawOnScreen(const View * /*view*/, SDL_Surface *screen)
{
    if (!OptionAgent::instance()->getBool("show_steps", false)) {
        return;
    }
    SDL_Color big = {162, 244, 255, 255};
    SDL_Color small = {255, 197, 102, 255};
    SDL_Surface *text = m_font->renderTextOutlined(TextTool::toText(m_counter->getStepCount()),
            m_counter->isPowerful() ? big : small, 1);
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(screen->w - text->w);
    rect.y = 10;
    SDL_BlitSurface(text, NULL, screen, &rect);
    SDL_FreeSurface(text);
}
