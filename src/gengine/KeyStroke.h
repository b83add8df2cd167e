#ifndef HEADER_KEYSTROKE_H
#define HEADER_KEYSTROKE_H

// One key press as bindings see it: the key symbol and the Ctrl and Alt
// modifiers. Shift, Meta, Num and Caps are dropped. Order and equality ask
// only whether a Ctrl and whether an Alt key is held, not which one, so a
// binding with Ctrl matches either Ctrl key whatever the Shift state; the
// mask itself keeps the sides for the description. The Unicode character
// travels along for text input but takes no part in order or equality.

#include "SDL.h"

#include <string>

class KeyStroke {
    private:
        static constexpr int MOD_MASK = KMOD_CTRL | KMOD_ALT;
        int m_sym;
        int m_mod;
        Uint16 m_unicode;

        int sidelessMod() const;
    public:
        explicit KeyStroke(const SDL_keysym &keysym);
        /** Any number is accepted: scripts bind keys by number. */
        KeyStroke(int sym, int mod);

        /** The SDL key symbol as a plain number. */
        int getKey() const { return m_sym; }
        int getMod() const { return m_mod; }
        Uint16 getUnicode() const { return m_unicode; }

        bool operator<(const KeyStroke &other) const;
        bool operator==(const KeyStroke &other) const;
        bool operator!=(const KeyStroke &other) const { return !(*this == other); }
        /** Key name, "+" and the modifier mask in decimal: "f+64". */
        std::string toString() const;
};

#endif
