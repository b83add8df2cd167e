#ifndef HEADER_KEYBINDER_H
#define HEADER_KEYBINDER_H

// Global key bindings: each bound stroke owns one message, and a press of
// the stroke sends a copy of it, so the binding stays for the next press.
// A stroke is bound at most once; the binder deletes its messages.

#include "gengine/KeyStroke.h"
#include "gengine/NoCopy.h"

#include <map>

class BaseMsg;

class KeyBinder : public NoCopy {
    private:
        typedef std::map<KeyStroke, BaseMsg*> t_strokes;
        t_strokes m_strokes;
    public:
        virtual ~KeyBinder();
        /** Takes the message; throws LogicException "keystroke is occupied". */
        void addStroke(const KeyStroke &stroke, BaseMsg *msg);
        /** Deletes the binding; an unbound stroke only logs a warning. */
        void removeStroke(const KeyStroke &stroke);
        /** Sends a copy of the message bound to the pressed key, if any. */
        void keyDown(const SDL_keysym &keysym) const;
        int size() const { return static_cast<int>(m_strokes.size()); }
};

#endif
