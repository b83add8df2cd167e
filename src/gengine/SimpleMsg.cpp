#include "gengine/SimpleMsg.h"

#include "gengine/BaseListener.h"

SimpleMsg *SimpleMsg::clone() const
{
    return new SimpleMsg(*this);
}

void SimpleMsg::dispatch(BaseListener *listener) const
{
    listener->receiveSimple(this);
}
