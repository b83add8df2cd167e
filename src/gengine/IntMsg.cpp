#include "gengine/IntMsg.h"

#include "gengine/BaseListener.h"

IntMsg *IntMsg::clone() const
{
    return new IntMsg(*this);
}

void IntMsg::dispatch(BaseListener *listener) const
{
    listener->receiveInt(this);
}

std::string IntMsg::describe() const
{
    return BaseMsg::describe() + "(" + std::to_string(m_value) + ")";
}
