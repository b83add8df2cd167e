#ifndef HEADER_WILABEL_H
#define HEADER_WILABEL_H

// One line of text as a picture: rendered once, outlined in black so it
// reads over any background.

#include "widget/WiPicture.h"

#include <string>

class Font;

class WiLabel : public WiPicture {
    public:
        /** Rendering errors of the font pass to the caller. */
        WiLabel(const std::string &text, const Font &font, const SDL_Color &color);
};

#endif
