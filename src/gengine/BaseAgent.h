#ifndef HEADER_BASEAGENT_H
#define HEADER_BASEAGENT_H

// A long-lived engine singleton with a fixed name, owned by the AgentPack,
// which initialises, updates and shuts the agents down in name order. An
// agent counts as initialised from the moment init() starts its ownInit, so
// it can reach itself through its typed accessor there, and one that fails
// in ownInit is still shut down later.

#include "gengine/BaseListener.h"
#include "gengine/NoCopy.h"

class BaseAgent : public NoCopy, public BaseListener {
    private:
        bool m_initialized;
    protected:
        virtual void ownInit() {}
        virtual void ownUpdate() {}
        virtual void ownShutdown() {}
    public:
        BaseAgent() : m_initialized(false) {}

        void init();
        /** One frame of work; throws LogicException before init(). */
        void update();
        void shutdown();
        bool isInitialized() const { return m_initialized; }
};

#endif
