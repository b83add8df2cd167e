#include "widget/WiPara.h"

#include "widget/WiLabel.h"
#include "gengine/TextTool.h"

WiPara::WiPara(const std::string &text, const Font &font, const SDL_Color &color)
{
    for (const std::string &line : TextTool::split(text, '\n')) {
        addWidget(new WiLabel(line.empty() ? " " : line, font, color));
    }
}
