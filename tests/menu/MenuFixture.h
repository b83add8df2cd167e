#ifndef HEADER_MENUFIXTURE_H
#define HEADER_MENUFIXTURE_H

// A small data set for the menus on running agents: a labels file in two
// languages, a language script with six flags 48 pixels wide, a speech
// script with two, the menu pictures and font; a state stack and a 320x240
// screen with the player's language English.

#include "widget/WidgetFixture.h"

#include "plan/StateManager.h"

#include <string>

class MenuFixture : public WidgetFixture {
    protected:
        StateManager *m_manager = nullptr;

        virtual void SetUp();
        virtual void TearDown();
        /** Pushes the state on top of the stack, which owns it from now on. */
        void push(GameState *state) { m_manager->pushState(nullptr, state); }
        void pressKey(int sym, int mod = KMOD_NONE);
        /** A left click handed to the top state's input. */
        void click(const V2 &loc, Uint8 button = SDL_BUTTON_LEFT);
        /** Moves the mouse as the top state's input sees it. */
        void moveMouse(const V2 &loc);
        /** Writes select_addFlag lines of count flags w pixels wide into the script. */
        void writeFlags(const std::string &script, int count, int w);
};

#endif
