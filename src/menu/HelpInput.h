#ifndef HEADER_HELPINPUT_H
#define HEADER_HELPINPUT_H

// Input of the help screen: any key without a binding, any click, F1, F10
// and Escape close it; the console and subtitle keys work as everywhere.

#include "plan/StateInput.h"

class HelpInput : public StateInput {
    protected:
        virtual void enableHelp() { quitState(); }
        virtual void enableMenu() { quitState(); }
        virtual void specStroke(const KeyStroke &/*stroke*/) { quitState(); }
    public:
        explicit HelpInput(GameState *state) : StateInput(state) {}
        virtual void mouseEvent(const MouseStroke &/*stroke*/) { quitState(); }
};

#endif
