#ifndef HEADER_GAMESTATE_H
#define HEADER_GAMESTATE_H

// One screen of the game (world map, level, menu, console, ...). States live
// on the stack of a StateManager and change it only through their own
// pushState, changeState and quitState. A state is active while it is
// updated every frame, onBg while it stays active under an overlay; only a
// state on the stack has a manager. The state owns its input handler, its
// drawer (but not the drawables in it) and, until it is handed to the stack,
// its next state.

#include "gengine/BaseListener.h"
#include "gengine/NoCopy.h"

class StateManager;
class StateInput;
class MultiDrawer;
class Drawable;

class GameState : public BaseListener, public NoCopy {
    private:
        bool m_active;
        bool m_onBg;
        GameState *m_nextState;
        StateInput *m_handler;
        MultiDrawer *m_drawer;
        StateManager *m_manager;

        StateManager *manager() const;
    protected:
        virtual void ownInitState() = 0;
        virtual void ownUpdateState() = 0;
        virtual void ownPauseState() = 0;
        virtual void ownResumeState() = 0;
        virtual void ownCleanState() = 0;
        virtual void ownNoteBg() {}
        virtual void ownNoteFg() {}

        /** Installs a new handler (owned), deleting the old one. */
        void takeHandler(StateInput *handler);
        /** Adds a drawable (not owned) to be painted while the state is active. */
        void registerDrawable(Drawable *drawable);
        void deregisterDrawable(const Drawable *drawable);
    public:
        GameState();
        virtual ~GameState();

        /** "quit" quits the state; other names are logged and ignored. */
        virtual void receiveSimple(const SimpleMsg *msg);

        /** Overlays (help, menu, console) let the state below keep running. */
        virtual bool allowBg() const { return false; }

        void initState(StateManager *manager);
        /** One cycle; throws LogicException when the state is not active. */
        void updateState();
        void pauseState();
        void resumeState();
        void cleanState();
        void noteBg();
        void noteFg();

        void installHandlers();
        void removeHandlers();

        /** Pushes newState (taken over by the stack) directly above this one. */
        void pushState(GameState *newState);
        /** Replaces this state by newState (taken over by the stack). */
        void changeState(GameState *newState);
        /** Leaves the stack, replaced by the next state when there is one. */
        void quitState();

        StateInput *getInput() { return m_handler; }
        /** The state (owned from now on) that replaces this one when it quits. */
        void setNextState(GameState *nextState);
        bool isActive() const { return m_active; }
        bool isOnBg() const { return m_onBg; }
};

#endif
