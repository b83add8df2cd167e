#ifndef HEADER_STRINGMSG_H
#define HEADER_STRINGMSG_H

// A message with a text value; described as listener->name("value").

#include "gengine/BaseMsg.h"

class StringMsg : public BaseMsg {
    private:
        std::string m_value;
    public:
        StringMsg(const std::string &listenerName, const std::string &name,
                  const std::string &value)
            : BaseMsg(listenerName, name), m_value(value) {}
        virtual StringMsg *clone() const;
        virtual void dispatch(BaseListener *listener) const;
        virtual std::string describe() const;
        const std::string &getValue() const { return m_value; }
};

#endif
