#include "menu/DemoInput.h"

#include "gengine/KeyStroke.h"

namespace {

// The index StateInput itself handles by quitting the state.
const int KEY_QUIT = 1;

}

DemoInput::DemoInput(GameState *state) : GameInput(state)
{
    registerKey(KeyStroke(SDLK_SPACE, KMOD_NONE), KEY_QUIT, "quit");
}

void DemoInput::mouseEvent(const MouseStroke &/*stroke*/)
{
    quitState();
}
