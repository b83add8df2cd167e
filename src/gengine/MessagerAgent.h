#ifndef HEADER_MESSAGERAGENT_H
#define HEADER_MESSAGERAGENT_H

// The message bus, agent "10messager". It refers to listeners by name
// without owning them and delivers each message at once, synchronously, to
// exactly one listener; a handler's own messages are delivered nested.

#include "gengine/BaseAgent.h"

#include <map>
#include <string>

class BaseMsg;

class MessagerAgent : public BaseAgent {
    private:
        typedef std::map<std::string, BaseListener *> t_listeners;
        t_listeners m_listeners;
    public:
        static MessagerAgent *instance();
        virtual const char *getName() const { return "10messager"; }

        /** Stores the listener under its name, replacing an earlier one. */
        void addListener(BaseListener *listener);
        void removeListener(const std::string &name);
        /** Takes ownership and frees the message even when delivery throws. */
        void deliver(BaseMsg *msg);
};

#endif
