#ifndef HEADER_BASELISTENER_H
#define HEADER_BASELISTENER_H

// A receiver of messages, found by the message bus under its name. Each
// receive operation rejects its kind of message with UnknownMsgException
// unless the listener overrides it; a listener overrides only what it accepts.
// A listener may watch parameters; it must drop its watchers (removeWatchers)
// before it goes away, or the first change after that logs a warning.

#include "gengine/INamed.h"

#include <string>

class SimpleMsg;
class IntMsg;
class StringMsg;

class BaseListener : public INamed {
    public:
        virtual void receiveSimple(const SimpleMsg *msg);
        virtual void receiveInt(const IntMsg *msg);
        virtual void receiveString(const StringMsg *msg);

        /** From now on every change of param sends "param_changed"(param) here. */
        void registerWatcher(const std::string &param);
        /** Drops every parameter watcher addressed to this listener. */
        void removeWatchers();
};

#endif
