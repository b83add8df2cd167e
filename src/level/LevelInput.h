#ifndef HEADER_LEVELINPUT_H
#define HEADER_LEVELINPUT_H

// The keys of a level: switch fish, save, load, restart, the step display,
// undo and redo (held down they keep stepping; releasing them ends the
// undo). Other keys go to the room's fish controls, and a left click
// selects the fish under the pointer.

#include "plan/GameInput.h"

class Level;

class LevelInput : public GameInput {
    private:
        enum {
            KEY_SWITCH = 101,
            KEY_SAVE,
            KEY_LOAD,
            KEY_RESTART,
            KEY_SHOW_STEPS,
            KEY_UNDO,
            KEY_REDO
        };
        Level *m_level;
    protected:
        virtual void specKey(int keyIndex);
        virtual void specStroke(const KeyStroke &stroke);
    public:
        explicit LevelInput(Level *level);
        virtual void keyUpEvent(const KeyStroke &stroke);
        virtual void mouseEvent(const MouseStroke &stroke);
};

#endif
