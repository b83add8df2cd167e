#include "menu/WorldInput.h"

#include "menu/WorldMap.h"

#include "gengine/MouseStroke.h"

namespace {

enum {
    KEY_NEXT = 101,
    KEY_RUN = 102
};

}

WorldInput::WorldInput(WorldMap *world) : GameInput(world), m_world(world)
{
    registerKey(KeyStroke(SDLK_TAB, KMOD_NONE), KEY_NEXT, "select next level");
    registerKey(KeyStroke(SDLK_RETURN, KMOD_NONE), KEY_RUN, "run selected");
}

void WorldInput::specKey(int keyIndex)
{
    switch (keyIndex) {
        case KEY_NEXT:
            m_world->selectNextLevel();
            break;
        case KEY_RUN:
            m_world->runSelected();
            break;
        default:
            GameInput::specKey(keyIndex);
            break;
    }
}

void WorldInput::mouseEvent(const MouseStroke &stroke)
{
    if (stroke.isLeft()) {
        m_world->runSelected();
    }
}
