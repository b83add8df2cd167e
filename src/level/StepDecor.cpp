#include "level/StepDecor.h"

#include "level/StepCounter.h"

#include "effect/Font.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/TextTool.h"

StepDecor::StepDecor(const StepCounter *counter)
    : m_fontFailed(false), m_counter(counter)
{
}

Font *StepDecor::font()
{
    // Loaded on first use, so a room without the display (tests, tools) needs no font.
    if (!m_font && !m_fontFailed) {
        try {
            m_font.reset(new Font(Path::dataReadPath("font/font_console.ttf"), 20));
        } catch (const std::exception &e) {
            m_fontFailed = true;
            LOG_WARNING(InfoText(e.what()));
        }
    }
    return m_font.get();
}

StepDecor::~StepDecor()
{
}

void StepDecor::drawOnScreen(const View * /*view*/, SDL_Surface *screen)
{
    if (!OptionAgent::instance()->getBool("show_steps", false)) {
        return;
    }
    Font *steps = font();
    if (!steps) {
        return;
    }
    SDL_Color big = {162, 244, 255, 255};
    SDL_Color small = {255, 197, 102, 255};
    SDL_Surface *text = steps->renderTextOutlined(TextTool::toText(m_counter->getStepCount()),
            m_counter->isPowerful() ? big : small, 1);
    SDL_Rect rect;
    rect.x = static_cast<Sint16>(screen->w - text->w);
    rect.y = 10;
    SDL_BlitSurface(text, NULL, screen, &rect);
    SDL_FreeSurface(text);
}
