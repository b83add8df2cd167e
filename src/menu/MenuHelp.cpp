#include "menu/MenuHelp.h"

#include "menu/HelpInput.h"
#include "menu/Labels.h"
#include "widget/WiPara.h"
#include "effect/Font.h"
#include "effect/SurfaceTool.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"

MenuHelp::MenuHelp() : m_para(nullptr)
{
    Labels labels(Path::dataReadPath("script/labels.lua"));
    Font font(Path::dataReadPath("font/font_menu.ttf"), 14);
    const SDL_Color white = {255, 255, 255, 255};
    m_para = new WiPara(labels.getLabel("help"), font, white);

    registerDrawable(this);
    registerDrawable(m_para);
    takeHandler(new HelpInput(this));
}

MenuHelp::~MenuHelp()
{
    delete m_para;
}

GameState *MenuHelp::createState()
{
    return new MenuHelp();
}

void MenuHelp::ownInitState()
{
    ownResumeState();
}

void MenuHelp::ownResumeState()
{
    m_para->setShift(centredOnScreen(m_para));
}

V2 MenuHelp::centredOnScreen(const IWidget *widget)
{
    OptionAgent *options = OptionAgent::instance();
    // In long long: the screen size is a parameter anybody may set.
    long long x = (static_cast<long long>(options->getInt("screen_width", 0)) - widget->getW()) / 2;
    long long y = (static_cast<long long>(options->getInt("screen_height", 0)) - widget->getH()) / 2;
    return V2(static_cast<int>(x), static_cast<int>(y));
}

void MenuHelp::drawOn(SDL_Surface *screen)
{
    const SDL_Color veil = {0, 0, 0, 129};
    SurfaceTool::alphaFill(screen, NULL, veil);
}
