#ifndef HEADER_KEYCONSOLE_H
#define HEADER_KEYCONSOLE_H

// The debug console: a one-line prompt over whatever screen opened it. The
// typed line runs as Lua code in the global script state; the state below
// keeps running and painting. Nothing of a console (line, history) outlives
// its closing. The console owns its font.

#include "plan/GameState.h"
#include "gengine/Drawable.h"

#include "SDL.h"

#include <string>

class Font;

class KeyConsole : public GameState, public Drawable {
    private:
        Font *m_font;
        SDL_Color m_color;
        std::string m_input;
    protected:
        virtual void ownInitState() {}
        virtual void ownUpdateState() {}
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
    public:
        /** Throws TTFException when the console font cannot be opened. */
        KeyConsole();
        virtual ~KeyConsole();
        virtual const char *getName() const { return "state_console"; }
        virtual bool allowBg() const { return true; }

        const std::string &getInputText() const { return m_input; }
        void setInputText(const std::string &text) { m_input = text; }
        /** Runs the line in the global script state; a failure is logged
         * as a warning and gives false. */
        bool executeCommand();

        virtual void drawOn(SDL_Surface *screen);
};

#endif
