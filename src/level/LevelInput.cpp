#include "level/LevelInput.h"

#include "level/Level.h"
#include "level/Room.h"

#include "gengine/MouseStroke.h"
#include "gengine/OptionAgent.h"

LevelInput::LevelInput(Level *level)
    : GameInput(level), m_level(level)
{
    registerKey(KeyStroke(SDLK_SPACE, KMOD_NONE), KEY_SWITCH, "switch");
    registerKey(KeyStroke(SDLK_F2, KMOD_NONE), KEY_SAVE, "save");
    registerKey(KeyStroke(SDLK_F3, KMOD_NONE), KEY_LOAD, "load");
    registerKey(KeyStroke(SDLK_BACKSPACE, KMOD_NONE), KEY_RESTART, "restart");
    registerKey(KeyStroke(SDLK_F5, KMOD_NONE), KEY_SHOW_STEPS, "show number of steps");
    registerKey(KeyStroke(SDLK_MINUS, KMOD_NONE), KEY_UNDO, "undo");
    registerKey(KeyStroke(SDLK_KP_MINUS, KMOD_NONE), KEY_UNDO, "undo");
    registerKey(KeyStroke(SDLK_PLUS, KMOD_NONE), KEY_REDO, "redo");
    registerKey(KeyStroke(SDLK_EQUALS, KMOD_NONE), KEY_REDO, "redo");
    registerKey(KeyStroke(SDLK_KP_PLUS, KMOD_NONE), KEY_REDO, "redo");
}

void LevelInput::specKey(int keyIndex)
{
    switch (keyIndex) {
        case KEY_SWITCH:
            if (!m_level->isBusy()) {
                m_level->switchFish();
            }
            break;
        case KEY_SAVE:
            if (!m_level->isBusy()) {
                m_level->action_save();
            }
            break;
        case KEY_LOAD:
            if (!m_level->isShowing()) {
                m_level->action_load();
            }
            break;
        case KEY_RESTART:
            m_level->removeShow();
            m_level->action_restart(1);
            break;
        case KEY_SHOW_STEPS: {
            OptionAgent *options = OptionAgent::instance();
            options->setParam("show_steps", options->getBool("show_steps", false) ? "0" : "1");
            break;
        }
        case KEY_UNDO:
            if (!m_level->isShowing()) {
                m_level->action_undo(1);
            }
            break;
        case KEY_REDO:
            if (!m_level->isShowing()) {
                m_level->action_undo(-1);
            }
            break;
        default:
            GameInput::specKey(keyIndex);
    }
}

void LevelInput::specStroke(const KeyStroke &stroke)
{
    int key = stroke.getKey();
    if (key > SDLK_UNKNOWN && key < SDLK_LAST && !m_level->isBusy() && m_level->hasRoom()) {
        m_level->getRoom()->controlEvent(static_cast<SDLKey>(key));
    }
}

void LevelInput::keyUpEvent(const KeyStroke &stroke)
{
    std::string desc = getKeyDesc(stroke);
    if (desc == "undo" || desc == "redo") {
        m_level->finishUndo();
    }
}

void LevelInput::mouseEvent(const MouseStroke &stroke)
{
    if (m_level->hasRoom() && !m_level->isBusy()) {
        m_level->getRoom()->selectModel(stroke.getButton(), stroke.getLoc());
    }
}
