#ifndef HEADER_INPUTAGENT_H
#define HEADER_INPUTAGENT_H

// Agent "60input": drains SDL's event queue once per frame. Key presses go
// to the global key binder first and then to the installed handler; key
// releases and mouse button presses go to the handler only; a close request
// becomes "quit" for the application. Joystick buttons are rewritten into
// key events by a fixed table, and a held button repeats no more than once
// per frame and no faster than every 150 ms. The handler is never owned.

#include "gengine/BaseAgent.h"
#include "gengine/Clock.h"
#include "gengine/V2.h"

#include "SDL.h"

class InputHandler;
class KeyBinder;

class InputAgent : public BaseAgent {
    public:
        static const Sint64 JOY_REPEAT_MICROS = 150000;
    private:
        Uint8 *m_keys;
        KeyBinder *m_keyBinder;
        InputHandler *m_handler;
        SDLClock m_sdlClock;
        const Clock *m_clock;
        SDL_Event m_lastJoy;
        Sint64 m_lastJoyTime;
    protected:
        virtual void ownInit();
        virtual void ownUpdate();
        virtual void ownShutdown();
    public:
        InputAgent();
        virtual ~InputAgent();
        static InputAgent *instance();
        virtual const char *getName() const { return "60input"; }

        /** Detaches the old handler and attaches the new one (null: none). */
        void installHandler(InputHandler *handler);
        InputHandler *getHandler() const { return m_handler; }
        /** The global bindings; valid from init to shutdown. */
        KeyBinder *getKeyBinder() const { return m_keyBinder; }
        /** Replaces the repeat clock; the caller keeps ownership, null restores SDL's. */
        void setClock(const Clock *clock);

        /** The key a joystick button stands for; SDLK_UNKNOWN when unmapped. */
        static SDLKey joyButtonKey(Uint8 button);
    private:
        void rewriteJoyEvent(SDL_Event *event) const;
        void dispatch(const SDL_Event &event);
        void repeatJoy();
        void handMouseState();
        V2 mouseState(Uint8 *buttons) const;
};

#endif
