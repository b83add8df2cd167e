#ifndef HEADER_GAMEAGENT_H
#define HEADER_GAMEAGENT_H

// Agent "80game": owns the stack of game states and updates it once per
// frame, starts the game with the world map, binds the global keys
// (fullscreen, log level up and down) and adds the seconds of this run to
// "playtime" when it shuts down.

#include "gengine/BaseAgent.h"

class StateManager;

class GameAgent : public BaseAgent {
    private:
        StateManager *m_manager;

        void pushFirstState();
        void keyBinding();
    protected:
        virtual void ownInit();
        virtual void ownUpdate();
        virtual void ownShutdown();
    public:
        GameAgent() : m_manager(nullptr) {}
        virtual ~GameAgent();
        virtual const char *getName() const { return "80game"; }

        /** The state stack; null outside init and shutdown. */
        StateManager *getManager() const { return m_manager; }
};

#endif
