#include "gengine/StringMsg.h"

#include "gengine/BaseListener.h"

StringMsg *StringMsg::clone() const
{
    return new StringMsg(*this);
}

void StringMsg::dispatch(BaseListener *listener) const
{
    listener->receiveString(this);
}

std::string StringMsg::describe() const
{
    return BaseMsg::describe() + "(\"" + m_value + "\")";
}
