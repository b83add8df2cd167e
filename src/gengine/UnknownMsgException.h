#ifndef HEADER_UNKNOWNMSGEXCEPTION_H
#define HEADER_UNKNOWNMSGEXCEPTION_H

// Thrown by a listener that does not accept a message: "unknown message"
// with the message's description under "msg".

#include "gengine/BaseException.h"

class BaseMsg;

class UnknownMsgException : public BaseException {
    public:
        explicit UnknownMsgException(const BaseMsg &msg);
};

#endif
