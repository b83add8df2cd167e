#ifndef HEADER_FONT_H
#define HEADER_FONT_H

// A TrueType font at one size that turns UTF-8 text into display-format
// surfaces: text in one colour on a colour-keyed (transparent) background,
// optionally with a black outline so it reads over any picture. Every
// rendered surface belongs to the caller.

#include "gengine/NoCopy.h"

#include "SDL.h"
#include "SDL_ttf.h"

#include <string>

class Path;

class Font : public NoCopy {
    private:
        TTF_Font *m_ttfFont;
        SDL_Color m_bg;
    public:
        /** Starts the font library; throws TTFException "Init". */
        static void init();
        static void shutdown();

        /** Throws TTFException "OpenFont" naming the file. */
        Font(const Path &file, int height);
        virtual ~Font();

        int getHeight() const;
        /** Width in pixels of the UTF-8 text. */
        int calcTextWidth(const std::string &text) const;
        /** Empty text renders as one space, with a warning. Throws
         * TTFException "RenderUTF8", SDLException "SetColorKey" or "DisplayFormat". */
        SDL_Surface *renderText(const std::string &text, const SDL_Color &color) const;
        /** " " + text + " ", ringed outlineWidth times in black. */
        SDL_Surface *renderTextOutlined(const std::string &text, const SDL_Color &color,
                int outlineWidth = 1) const;
};

#endif
