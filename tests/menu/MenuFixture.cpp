#include "menu/MenuFixture.h"

#include "plan/GameState.h"
#include "plan/StateInput.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"

namespace {

const char *const FLAGS[] = {"en", "cs", "de", "fr", "nl", "sv", "it", "pl"};

const char *const LABELS =
    "label_text('menu_sound', 'en', 'Sound')\n"
    "label_text('menu_music', 'en', 'Music')\n"
    "label_text('menu_lang', 'en', 'Language')\n"
    "label_text('menu_speech', 'en', 'Speech')\n"
    "label_text('menu_subtitles', 'en', 'Subtitles')\n"
    "label_text('menu_back', 'en', 'Back')\n"
    "label_text('help', 'en', 'Keys:\\n\\nF1 help\\nF10 menu\\n')\n"
    "label_text('steps', 'en', '%1 steps, best %2')\n"
    "label_text('menu_music', 'cs', 'Hudba')\n"
    "label_text('menu_back', 'cs', 'Zp\\196\\155t')\n"
    "label_text('help', 'cs', 'Kl\\195\\161vesy')\n";

}

void MenuFixture::SetUp()
{
    WidgetFixture::SetUp();
    OptionAgent *options = OptionAgent::instance();
    options->setParam("lang", "en");
    options->setParam("screen_width", "320");
    options->setParam("screen_height", "240");

    writeData("script/labels.lua", LABELS);
    writeFlags("script/select_lang.lua", 6, 48);
    writeFlags("script/select_speech.lua", 2, 48);
    for (const char *row : {"volume_sound", "volume_music", "lang", "speech", "subtitle"}) {
        writePicture(std::string("images/menu/") + row + ".png", 30, 30);
    }
    writePicture("images/menu/subtitles/yes.png", 40, 20);
    writePicture("images/menu/subtitles/no.png", 40, 20);
    writePicture("images/menu/back.png", 40, 30);
    m_manager = new StateManager();
}

void MenuFixture::TearDown()
{
    delete m_manager;
    m_manager = nullptr;
    WidgetFixture::TearDown();
}

void MenuFixture::writeFlags(const std::string &script, int count, int w)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string picture = std::string("images/flags/") + FLAGS[i] + ".png";
        writePicture(picture, w, 20);
        text += std::string("select_addFlag('") + FLAGS[i] + "', '" + picture + "')\n";
    }
    writeData(script, text);
}

void MenuFixture::pressKey(int sym, int mod)
{
    m_manager->top()->getInput()->keyEvent(KeyStroke(sym, mod));
}

void MenuFixture::click(const V2 &loc, Uint8 button)
{
    m_manager->top()->getInput()->mouseEvent(stroke(loc, button));
}

void MenuFixture::moveMouse(const V2 &loc)
{
    m_manager->top()->getInput()->mouseState(loc, 0);
}
