#include "effect/Font.h"

#include "effect/Outline.h"
#include "gengine/Log.h"
#include "gengine/Path.h"
#include "gengine/SDLException.h"

void Font::init()
{
    if (TTF_Init() < 0) {
        throw TTFException(InfoText("Init"));
    }
}

void Font::shutdown()
{
    TTF_Quit();
}

Font::Font(const Path &file, int height)
    : m_ttfFont(TTF_OpenFont(file.getNative().c_str(), height))
{
    if (!m_ttfFont) {
        throw TTFException(InfoText("OpenFont").addValue("file", file.getNative()));
    }
    m_bg.r = 10;
    m_bg.g = 10;
    m_bg.b = 10;
    m_bg.unused = 0;
}

Font::~Font()
{
    TTF_CloseFont(m_ttfFont);
}

int Font::getHeight() const
{
    return TTF_FontHeight(m_ttfFont);
}

int Font::calcTextWidth(const std::string &text) const
{
    int width = 0;
    TTF_SizeUTF8(m_ttfFont, text.c_str(), &width, NULL);
    return width;
}

SDL_Surface *Font::renderText(const std::string &text, const SDL_Color &color) const
{
    std::string content = text;
    if (content.empty()) {
        content = " ";
        LOG_WARNING(InfoText("empty text to render")
                .addValue("r", color.r)
                .addValue("g", color.g)
                .addValue("b", color.b));
    }

    SDL_Surface *raw = TTF_RenderUTF8_Shaded(m_ttfFont, content.c_str(), color, m_bg);
    if (!raw) {
        throw TTFException(InfoText("RenderUTF8").addValue("text", content));
    }
    // Palette index 0 is the background; it becomes the transparent colour.
    if (SDL_SetColorKey(raw, SDL_SRCCOLORKEY, 0) < 0) {
        SDL_FreeSurface(raw);
        throw SDLException(InfoText("SetColorKey"));
    }
    SDL_Surface *surface = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    if (!surface) {
        throw SDLException(InfoText("DisplayFormat"));
    }
    return surface;
}

SDL_Surface *Font::renderTextOutlined(const std::string &text, const SDL_Color &color,
        int outlineWidth) const
{
    SDL_Surface *surface = renderText(" " + text + " ", color);
    SDL_Color black;
    black.r = 0;
    black.g = 0;
    black.b = 0;
    black.unused = 255;
    Outline(black, outlineWidth).drawOnColorKey(surface);
    return surface;
}
