#ifndef HEADER_APPLICATION_H
#define HEADER_APPLICATION_H

// The top of the program, listener "App": creates every agent, runs the
// start-up sequence, updates the agents once per frame until "quit" arrives
// and shuts them down in reverse order. It is not an agent itself. It keeps
// the process-wide log level equal to the parameter "loglevel".

#include "gengine/BaseListener.h"
#include "gengine/NoCopy.h"

#include <memory>

class AgentPack;

class Application : public NoCopy, public BaseListener {
    private:
        std::unique_ptr<AgentPack> m_agents;
        bool m_quit;

        void runInitScript();
        void prepareSound();
    public:
        /** Starts the font library and creates the agents; only the message
         *  bus is initialised here. Throws TTFException "Init". */
        Application();
        virtual ~Application();
        virtual const char *getName() const { return "App"; }

        /**
         * The start-up sequence. Throws HelpException for -h, -v and -c,
         * LogicException for a bad command line and ResourceException when
         * "script/init.lua" is missing.
         */
        void init(int argc, const char *const argv[]);
        /** Updates every agent once per frame until "quit" has arrived. */
        void run();
        /** Shuts the initialised agents down, the last one first. */
        void shutdown();

        virtual void receiveSimple(const SimpleMsg *msg);
        virtual void receiveString(const StringMsg *msg);
};

#endif
