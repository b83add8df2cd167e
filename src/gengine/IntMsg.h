#ifndef HEADER_INTMSG_H
#define HEADER_INTMSG_H

// A message with an integer value; described as "listener->name(value)".

#include "gengine/BaseMsg.h"

class IntMsg : public BaseMsg {
    private:
        int m_value;
    public:
        IntMsg(const std::string &listenerName, const std::string &name, int value)
            : BaseMsg(listenerName, name), m_value(value) {}
        virtual IntMsg *clone() const;
        virtual void dispatch(BaseListener *listener) const;
        virtual std::string describe() const;
        int getValue() const { return m_value; }
};

#endif
