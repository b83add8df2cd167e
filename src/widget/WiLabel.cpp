#include "widget/WiLabel.h"

#include "effect/Font.h"

WiLabel::WiLabel(const std::string &text, const Font &font, const SDL_Color &color)
    : WiPicture(font.renderTextOutlined(text, color, 1))
{
}
