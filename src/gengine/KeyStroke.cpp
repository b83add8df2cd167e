#include "gengine/KeyStroke.h"

KeyStroke::KeyStroke(const SDL_keysym &keysym)
    : m_sym(keysym.sym), m_mod(keysym.mod & MOD_MASK), m_unicode(keysym.unicode)
{
}

KeyStroke::KeyStroke(int sym, int mod)
    : m_sym(sym), m_mod(mod & MOD_MASK), m_unicode(0)
{
}

int KeyStroke::sidelessMod() const
{
    return ((m_mod & KMOD_CTRL) ? 1 : 0) | ((m_mod & KMOD_ALT) ? 2 : 0);
}

bool KeyStroke::operator<(const KeyStroke &other) const
{
    if (m_sym != other.m_sym) {
        return m_sym < other.m_sym;
    }
    return sidelessMod() < other.sidelessMod();
}

bool KeyStroke::operator==(const KeyStroke &other) const
{
    return m_sym == other.m_sym && sidelessMod() == other.sidelessMod();
}

std::string KeyStroke::toString() const
{
    // Scripts may bind any number; SDL's name table only covers real keys.
    const char *name = (m_sym >= 0 && m_sym < SDLK_LAST)
        ? SDL_GetKeyName(static_cast<SDLKey>(m_sym)) : "unknown key";
    return std::string(name) + "+" + std::to_string(m_mod);
}
