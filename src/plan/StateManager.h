#ifndef HEADER_STATEMANAGER_H
#define HEADER_STATEMANAGER_H

// The stack of game states, bottom first. After every change it decides
// again which states run: the top always does, and so does the state under
// an active overlay (which is told it is in the background); all the others
// are paused. The input agent gets the top state's handler and the video
// agent the drawers of the running states, bottom to top. States that left
// the stack are kept in the trash until the end of the frame, so a state may
// remove itself while one of its own operations runs.

#include "gengine/NoCopy.h"

#include <vector>

class GameState;

class StateManager : public NoCopy {
    private:
        typedef std::vector<GameState *> t_states;
        t_states m_states;
        t_states m_trash;

        t_states::iterator findState(GameState *who);
        void insertAbove(GameState *who, GameState *newState);
        void removeState(GameState *who);
        void emptyTrash();
        void checkStack();
        void pausePass();
        void resumePass(t_states::size_type index);
        void handlersPass();
    public:
        StateManager() {}
        /** Deletes the trash and every state still on the stack, uncleaned. */
        virtual ~StateManager();

        /**
         * Puts newState (taken over, also when this throws) directly above
         * who, or on top when who is null; throws LogicException when who is
         * not on the stack.
         */
        void pushState(GameState *who, GameState *newState);
        /** Puts newState (taken over) in the place of who. */
        void changeState(GameState *who, GameState *newState);
        /** Takes who off; an emptied stack sends "quit" to "App". */
        void popState(GameState *who);
        /** One cycle of every active state, bottom to top; then empties the trash. */
        void updateGame();

        bool isEmpty() const { return m_states.empty(); }
        int size() const { return static_cast<int>(m_states.size()); }
        /** The top state or null; the stack keeps it. */
        GameState *top() const { return m_states.empty() ? nullptr : m_states.back(); }
};

#endif
