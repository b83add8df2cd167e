#ifndef HEADER_AGENTPACK_H
#define HEADER_AGENTPACK_H

// The one registry of agents. It owns them, keeps them ordered by name (the
// two-digit prefix of each name is its place) and registers each one as a
// listener on the message bus, which it creates and starts itself. At most
// one pack exists; getAgent reaches it through a process-wide pointer.

#include "gengine/BaseException.h"
#include "gengine/NoCopy.h"

#include <map>
#include <string>

class BaseAgent;

class AgentPack : public NoCopy {
    private:
        typedef std::map<std::string, BaseAgent *> t_agents;
        static AgentPack *ms_singleton;
        t_agents m_agents;
    public:
        /** Throws LogicException when a pack already exists. */
        AgentPack();
        virtual ~AgentPack();

        /** Takes ownership; throws NameException (and keeps nothing) for a taken name. */
        void addAgent(BaseAgent *agent);
        /** The initialised agent of that name; throws when absent or not initialised. */
        static BaseAgent *getAgent(const std::string &name);
        /** getAgent cast to T; throws NameException "cannot cast agent" otherwise. */
        template <class T> static T *getAgentAs(const std::string &name);

        /**
         * Initialises, in name order, every uninitialised agent whose name
         * sorts before stopName (every one for the empty name).
         */
        void init(const std::string &stopName = "");
        void update();
        /** Shuts the initialised agents down in reverse name order. */
        void shutdown();
};

template <class T> T *AgentPack::getAgentAs(const std::string &name)
{
    T *agent = dynamic_cast<T *>(getAgent(name));
    if (!agent) {
        throw NameException(InfoText("cannot cast agent").addValue("name", name));
    }
    return agent;
}

#endif
