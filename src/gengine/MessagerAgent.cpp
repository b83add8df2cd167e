#include "gengine/MessagerAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/BaseMsg.h"
#include "gengine/Log.h"

#include <memory>

MessagerAgent *MessagerAgent::instance()
{
    return AgentPack::getAgentAs<MessagerAgent>("10messager");
}

void MessagerAgent::addListener(BaseListener *listener)
{
    m_listeners[listener->getName()] = listener;
}

void MessagerAgent::removeListener(const std::string &name)
{
    m_listeners.erase(name);
}

void MessagerAgent::deliver(BaseMsg *msg)
{
    std::unique_ptr<BaseMsg> owned(msg);
    LOG_DEBUG(InfoText("received new message").addValue("msg", owned->describe()));
    t_listeners::iterator it = m_listeners.find(owned->getListenerName());
    if (it == m_listeners.end()) {
        throw NameException(
            InfoText("cannot find listener").addValue("name", owned->getListenerName()));
    }
    owned->dispatch(it->second);
}
