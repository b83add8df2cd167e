#ifndef HEADER_CONSOLEINPUT_H
#define HEADER_CONSOLEINPUT_H

// Keys of the debug console: typed characters edit the line (kept as UTF-8),
// Up recalls the last line that ran without an error, Backspace removes the
// last character, Ctrl+U clears the line, Return runs it (or closes the
// console when the line is empty). Backquote and Escape close the console.

#include "plan/StateInput.h"

#include <string>

class KeyConsole;

class ConsoleInput : public StateInput {
    private:
        KeyConsole *m_console;
        std::string m_history;
    protected:
        virtual void enableConsole();
        virtual void enableSubtitles() {}
        virtual void specStroke(const KeyStroke &stroke);
        virtual void specKey(int keyIndex);
    public:
        explicit ConsoleInput(KeyConsole *console);

        const std::string &getHistory() const { return m_history; }
        /** The UTF-8 bytes of a typed character; empty for control characters
         * and for halves of surrogate pairs. */
        static std::string typedText(Uint16 unicode);
        /** The text without its last UTF-8 character (a stray byte counts as one). */
        static std::string withoutLastChar(const std::string &text);
};

#endif
