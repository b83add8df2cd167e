#ifndef HEADER_STATEINPUT_H
#define HEADER_STATEINPUT_H

// The input handler of a game state, with the keys every state understands:
// Escape quits the state, backquote opens the debug console, F1 the help,
// F10 the game menu and F6 toggles the subtitles. A key table maps strokes
// (symbol and Ctrl/Alt mask, matched exactly) to an index and a description;
// the first binding of a stroke wins. Subclasses bind further keys with
// their own indexes and handle them in specKey; unbound strokes go to
// specStroke.

#include "gengine/InputHandler.h"
#include "gengine/KeyStroke.h"

#include <map>
#include <string>

class GameState;

class StateInput : public InputHandler {
    public:
        /** Makes a new state to push above the state of the pressed key. */
        typedef GameState *(*t_stateMaker)();
    private:
        struct KeyDesc {
            int index;
            std::string desc;
        };
        typedef std::map<KeyStroke, KeyDesc> t_keys;
        t_keys m_keys;
        static t_stateMaker ms_consoleMaker;
    protected:
        GameState *m_state;

        /** Binds a stroke unless it is bound already. */
        void registerKey(const KeyStroke &stroke, int index, const std::string &desc);
        /** Pushes a new state from maker above the state; logs when there is no
         * maker or when making the state throws. */
        void pushMade(t_stateMaker maker, const char *what);

        virtual void quitState();
        virtual void enableConsole();
        virtual void enableHelp() {}
        virtual void enableMenu() {}
        virtual void enableSubtitles();
        virtual void specStroke(const KeyStroke &/*stroke*/) {}
        virtual void specKey(int keyIndex);
    public:
        explicit StateInput(GameState *state);

        virtual void keyEvent(const KeyStroke &stroke);

        /** The description bound to the stroke, empty when it is not bound. */
        std::string getKeyDesc(const KeyStroke &stroke) const;
        /** Installs what the backquote key pushes (the debug console). */
        static void setConsoleMaker(t_stateMaker maker) { ms_consoleMaker = maker; }
};

#endif
