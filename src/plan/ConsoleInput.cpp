#include "plan/ConsoleInput.h"

#include "plan/KeyConsole.h"
#include "gengine/KeyStroke.h"

namespace {

enum {
    KEY_HISTORY = 101,
    KEY_BACKSPACE = 102,
    KEY_CLEAR = 103,
    KEY_ENTER = 104
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

/** The length of the UTF-8 sequence a lead byte starts, 0 for no lead byte. */
std::string::size_type sequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 0;
    }
    return lead >= 0xC0 ? 2 : 0;
}

}

ConsoleInput::ConsoleInput(KeyConsole *console)
    : StateInput(console), m_console(console), m_history()
{
    registerKey(KeyStroke(SDLK_UP, KMOD_NONE), KEY_HISTORY, "input history");
    registerKey(KeyStroke(SDLK_BACKSPACE, KMOD_NONE), KEY_BACKSPACE, "backspace");
    registerKey(KeyStroke(SDLK_u, KMOD_LCTRL), KEY_CLEAR, "clear");
    registerKey(KeyStroke(SDLK_u, KMOD_RCTRL), KEY_CLEAR, "clear");
    registerKey(KeyStroke(SDLK_RETURN, KMOD_NONE), KEY_ENTER, "enter");
}

void ConsoleInput::enableConsole()
{
    // Backquote closes the console instead of opening another one.
    quitState();
}

std::string ConsoleInput::typedText(Uint16 unicode)
{
    std::string text;
    if (unicode < 0x80) {
        if (unicode >= 32 && unicode <= 126) {
            text += static_cast<char>(unicode);
        }
    } else if (unicode < 0xA0) {
        // C1 control characters are not typed either.
    } else if (unicode < 0x800) {
        text += static_cast<char>(0xC0 | (unicode >> 6));
        text += static_cast<char>(0x80 | (unicode & 0x3F));
    } else if (unicode < 0xD800 || unicode > 0xDFFF) {
        text += static_cast<char>(0xE0 | (unicode >> 12));
        text += static_cast<char>(0x80 | ((unicode >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (unicode & 0x3F));
    }
    return text;
}

std::string ConsoleInput::withoutLastChar(const std::string &text)
{
    if (text.empty()) {
        return text;
    }
    std::string::size_type end = text.size();
    std::string::size_type start = end - 1;
    while (start > 0 && end - start < 4 && isContinuation(text[start])) {
        --start;
    }
    if (sequenceLength(static_cast<unsigned char>(text[start])) == end - start) {
        return text.substr(0, start);
    }
    // Not one whole character: take off a single byte.
    return text.substr(0, end - 1);
}

void ConsoleInput::specStroke(const KeyStroke &stroke)
{
    m_console->setInputText(m_console->getInputText() + typedText(stroke.getUnicode()));
}

void ConsoleInput::specKey(int keyIndex)
{
    switch (keyIndex) {
        case KEY_HISTORY:
            m_console->setInputText(m_history);
            break;
        case KEY_BACKSPACE:
            m_console->setInputText(withoutLastChar(m_console->getInputText()));
            break;
        case KEY_CLEAR:
            m_console->setInputText("");
            break;
        case KEY_ENTER:
            if (m_console->getInputText().empty()) {
                quitState();
            } else if (m_console->executeCommand()) {
                // The command may have closed the console; it is still alive
                // until the end of the frame.
                m_history = m_console->getInputText();
                m_console->setInputText("");
            }
            break;
        default:
            StateInput::specKey(keyIndex);
            break;
    }
}
