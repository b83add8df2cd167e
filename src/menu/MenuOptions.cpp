#include "menu/MenuOptions.h"

#include "menu/Labels.h"
#include "menu/MenuHelp.h"
#include "menu/OptionsInput.h"
#include "menu/SelectLang.h"
#include "plan/StateInput.h"
#include "widget/HBox.h"
#include "widget/RadioBox.h"
#include "widget/Slider.h"
#include "widget/VBox.h"
#include "widget/WiButton.h"
#include "widget/WiPicture.h"
#include "widget/WiSpace.h"
#include "widget/WiStatusBar.h"
#include "effect/Font.h"
#include "effect/SurfaceTool.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/Path.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

#include <memory>

namespace {

/** A row of the menu: its picture, a gap of 10 pixels, the control; the tip explains the row. */
HBox *createRow(const std::string &picture, IWidget *control, const std::string &tip)
{
    std::unique_ptr<IWidget> owned(control);
    std::unique_ptr<HBox> row(new HBox());
    row->addWidget(new WiPicture(Path::dataReadPath(picture)));
    row->addWidget(new WiSpace(10, 0));
    row->addWidget(owned.release());
    row->setTip(tip);
    return row.release();
}

}

MenuOptions::MenuOptions() : m_menu(nullptr), m_statusBar(nullptr), m_needsRefresh(false)
{
    registerDrawable(this);
    prepareMenu();
    takeHandler(new OptionsInput(this));
}

MenuOptions::~MenuOptions()
{
    delete m_menu;
}

GameState *MenuOptions::createState()
{
    return new MenuOptions();
}

void MenuOptions::prepareMenu()
{
    // The new tree is complete before the old one goes, so a failure keeps
    // the menu that works.
    Labels labels(Path::dataReadPath("script/labels.lua"));

    std::unique_ptr<HBox> sound(createRow("images/menu/volume_sound.png",
                new Slider("volume_sound", 0, 100), labels.getLabel("menu_sound")));
    std::unique_ptr<HBox> music(createRow("images/menu/volume_music.png",
                new Slider("volume_music", 0, 100), labels.getLabel("menu_music")));
    std::unique_ptr<HBox> lang(createRow("images/menu/lang.png",
                new SelectLang("lang", Path::dataReadPath("script/select_lang.lua")),
                labels.getLabel("menu_lang")));
    std::unique_ptr<HBox> speech(createRow("images/menu/speech.png",
                new SelectLang("speech", Path::dataReadPath("script/select_speech.lua")),
                labels.getLabel("menu_speech")));

    std::unique_ptr<HBox> subtitles(createRow("images/menu/subtitle.png",
                new RadioBox("subtitles", "1", Path::dataReadPath("images/menu/subtitles/yes.png")),
                labels.getLabel("menu_subtitles")));
    subtitles->addWidget(new RadioBox("subtitles", "0",
                Path::dataReadPath("images/menu/subtitles/no.png")));

    // Each piece is owned before the next is built: a picture that cannot
    // be loaded must not leak the message made beside it.
    std::unique_ptr<WiPicture> backPicture(new WiPicture(Path::dataReadPath("images/menu/back.png")));
    std::unique_ptr<SimpleMsg> backMsg(new SimpleMsg(getName(), "quit"));
    std::unique_ptr<WiButton> back(new WiButton(backPicture.release(), backMsg.release()));
    back->setTip(labels.getLabel("menu_back"));

    const SDL_Color green = {0, 255, 0, 255};
    std::unique_ptr<Font> font(new Font(Path::dataReadPath("font/font_menu.ttf"), 16));
    std::unique_ptr<WiStatusBar> statusBar(new WiStatusBar(font.get(), green,
                music->getW() - back->getW()));
    font.release();

    std::unique_ptr<HBox> bottom(new HBox());
    WiStatusBar *bar = statusBar.get();
    bottom->addWidget(statusBar.release());
    bottom->addWidget(back.release());

    std::unique_ptr<VBox> menu(new VBox());
    menu->addWidget(sound.release());
    menu->addWidget(new WiSpace(0, 10));
    menu->addWidget(music.release());
    menu->addWidget(new WiSpace(0, 10));
    menu->addWidget(lang.release());
    menu->addWidget(new WiSpace(0, 5));
    menu->addWidget(speech.release());
    menu->addWidget(new WiSpace(0, 5));
    menu->addWidget(subtitles.release());
    menu->addWidget(bottom.release());

    if (m_menu) {
        deregisterDrawable(m_menu);
        delete m_menu;
    }
    m_menu = menu.release();
    m_statusBar = bar;
    registerDrawable(m_menu);
}

void MenuOptions::ownInitState()
{
    registerWatcher("lang");
    ownResumeState();
}

void MenuOptions::ownResumeState()
{
    m_menu->setShift(MenuHelp::centredOnScreen(m_menu));
}

void MenuOptions::ownUpdateState()
{
    if (m_needsRefresh) {
        m_needsRefresh = false;
        try {
            prepareMenu();
        } catch (const BaseException &e) {
            // The new language may bring its own broken script or picture;
            // the menu that works stays, so the player can choose again.
            LOG_WARNING(e.info());
        }
        ownResumeState();
    }
    m_statusBar->setLabel(IWidget::getTipAt(m_menu, getInput()->getMouseLoc()));
}

void MenuOptions::receiveString(const StringMsg *msg)
{
    if (msg->getName() == "param_changed" && msg->getValue() == "lang") {
        m_needsRefresh = true;
    } else {
        throw UnknownMsgException(*msg);
    }
}

void MenuOptions::drawOn(SDL_Surface *screen)
{
    const SDL_Color veil = {240, 240, 240, 129};
    SurfaceTool::alphaFill(screen, NULL, veil);
}

void MenuOptions::mouseButton(const MouseStroke &stroke)
{
    m_menu->mouseButton(stroke);
}
