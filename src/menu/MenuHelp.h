#ifndef HEADER_MENUHELP_H
#define HEADER_MENUHELP_H

// The help screen: the "help" label as a paragraph centred over a dark veil,
// an overlay above the state that opened it, which keeps running beneath.
// The text is read once, when the screen opens; any key or click closes it.

#include "plan/GameState.h"
#include "gengine/Drawable.h"
#include "gengine/V2.h"

class IWidget;
class WiPara;

class MenuHelp : public GameState, public Drawable {
    private:
        WiPara *m_para;
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState() {}
        virtual void ownPauseState() {}
        virtual void ownResumeState();
        virtual void ownCleanState() {}
    public:
        /** Reads the labels and the menu font; their errors pass to the caller. */
        MenuHelp();
        virtual ~MenuHelp();
        /** A new help screen, as the state to push (for GameInput::setHelpMaker). */
        static GameState *createState();

        virtual const char *getName() const { return "state_help"; }
        virtual bool allowBg() const { return true; }
        virtual void drawOn(SDL_Surface *screen);
        const WiPara *getPara() const { return m_para; }

        /** Where the widget's top-left corner goes to centre it on the screen
         * ("screen_width", "screen_height"). */
        static V2 centredOnScreen(const IWidget *widget);
};

#endif
