#ifndef HEADER_SIMPLEMSG_H
#define HEADER_SIMPLEMSG_H

// A message that is only its name, such as "quit".

#include "gengine/BaseMsg.h"

class SimpleMsg : public BaseMsg {
    public:
        SimpleMsg(const std::string &listenerName, const std::string &name)
            : BaseMsg(listenerName, name) {}
        virtual SimpleMsg *clone() const;
        virtual void dispatch(BaseListener *listener) const;
};

#endif
