#ifndef HEADER_SCRIPTAGENT_H
#define HEADER_SCRIPTAGENT_H

// Agent "15script": the global script state, in which the configuration
// files, the start-up script and console commands run. Once initialised its
// state also has "sendMsg", "setParam" and "getParam".

#include "gengine/BaseAgent.h"
#include "gengine/Scripter.h"

class ScriptAgent : public BaseAgent, public Scripter {
    protected:
        virtual void ownInit();
    public:
        static ScriptAgent *instance();
        virtual const char *getName() const { return "15script"; }
        /** "dostring" runs its value as Lua code; a failure reaches the sender. */
        virtual void receiveString(const StringMsg *msg);
};

#endif
