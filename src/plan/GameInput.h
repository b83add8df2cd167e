#ifndef HEADER_GAMEINPUT_H
#define HEADER_GAMEINPUT_H

// The input handler base of the playing states (world map, level,
// pedometer, demo): F1 pushes the help screen and F10 the options menu above
// the state. Those screens belong to a higher layer, which installs their
// makers at start-up.

#include "plan/StateInput.h"

class GameInput : public StateInput {
    private:
        static t_stateMaker ms_helpMaker;
        static t_stateMaker ms_menuMaker;
    protected:
        virtual void enableHelp();
        virtual void enableMenu();
    public:
        explicit GameInput(GameState *state) : StateInput(state) {}

        /** Installs what F1 pushes (the help screen). */
        static void setHelpMaker(t_stateMaker maker) { ms_helpMaker = maker; }
        /** Installs what F10 pushes (the options menu). */
        static void setMenuMaker(t_stateMaker maker) { ms_menuMaker = maker; }
};

#endif
