#ifndef HEADER_WIPARA_H
#define HEADER_WIPARA_H

// A text of several lines as a column of labels, one per line. An empty line
// keeps its place as a label of one blank; a newline at the very end adds
// no line.

#include "widget/VBox.h"

#include <string>

class Font;

class WiPara : public VBox {
    public:
        /** Rendering errors of the font pass to the caller. */
        WiPara(const std::string &text, const Font &font, const SDL_Color &color);
};

#endif
