#ifndef HEADER_OPTIONSINPUT_H
#define HEADER_OPTIONSINPUT_H

// Input of the options menu: clicks go to its widgets; F10 and Escape close
// it, F1 does nothing here.

#include "plan/StateInput.h"

class MenuOptions;

class OptionsInput : public StateInput {
    private:
        MenuOptions *m_menu;
    protected:
        virtual void enableMenu() { quitState(); }
    public:
        explicit OptionsInput(MenuOptions *menu);
        virtual void mouseEvent(const MouseStroke &stroke);
};

#endif
