#ifndef HEADER_BASELISTENER_H
#define HEADER_BASELISTENER_H

// A receiver of messages, found by the message bus under its name. Each
// receive operation rejects its kind of message with UnknownMsgException
// unless the listener overrides it; a listener overrides only what it accepts.

#include "gengine/INamed.h"

class SimpleMsg;
class IntMsg;
class StringMsg;

class BaseListener : public INamed {
    public:
        virtual void receiveSimple(const SimpleMsg *msg);
        virtual void receiveInt(const IntMsg *msg);
        virtual void receiveString(const StringMsg *msg);
};

#endif
