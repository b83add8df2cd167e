#ifndef HEADER_MENUOPTIONS_H
#define HEADER_MENUOPTIONS_H

// The options menu: a column of widgets bound to parameters (volumes,
// language, speech, subtitles) and a back button, centred over a light veil
// above the state that opened it, which keeps running beneath. A status line
// shows the tip under the mouse. The whole widget tree is built anew, in the
// new language, in the update after "lang" changes.

#include "plan/GameState.h"
#include "gengine/Drawable.h"

class MouseStroke;
class VBox;
class WiStatusBar;

class MenuOptions : public GameState, public Drawable {
    private:
        VBox *m_menu;
        WiStatusBar *m_statusBar;
        bool m_needsRefresh;

        void prepareMenu();
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState();
        virtual void ownPauseState() {}
        virtual void ownResumeState();
        virtual void ownCleanState() {}
    public:
        /** Builds the menu; missing labels, pictures or fonts throw. */
        MenuOptions();
        virtual ~MenuOptions();
        /** A new options menu, as the state to push: what F10 and the world
         * map's options button open (for GameInput::setMenuMaker). */
        static GameState *createState();

        virtual const char *getName() const { return "state_options"; }
        virtual bool allowBg() const { return true; }
        /** Accepts "param_changed" of "lang" only. */
        virtual void receiveString(const StringMsg *msg);
        virtual void drawOn(SDL_Surface *screen);

        void mouseButton(const MouseStroke &stroke);
        VBox *getMenu() const { return m_menu; }
        const WiStatusBar *getStatusBar() const { return m_statusBar; }
};

#endif
