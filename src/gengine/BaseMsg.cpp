#include "gengine/BaseMsg.h"

#include "gengine/MessagerAgent.h"

BaseMsg::BaseMsg(const std::string &listenerName, const std::string &name)
    : m_listenerName(listenerName), m_name(name)
{
}

std::string BaseMsg::describe() const
{
    return m_listenerName + "->" + m_name;
}

void BaseMsg::send() const
{
    MessagerAgent::instance()->deliver(clone());
}
