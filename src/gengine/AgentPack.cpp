#include "gengine/AgentPack.h"

#include "gengine/BaseAgent.h"
#include "gengine/MessagerAgent.h"

#include <memory>

AgentPack *AgentPack::ms_singleton = nullptr;

AgentPack::AgentPack()
{
    if (ms_singleton) {
        throw LogicException(InfoText("AgentPack is singleton"));
    }
    ms_singleton = this;
    try {
        std::unique_ptr<MessagerAgent> messager(new MessagerAgent());
        messager->init();
        addAgent(messager.get());
        messager.release();
    } catch (...) {
        ms_singleton = nullptr;
        throw;
    }
}

AgentPack::~AgentPack()
{
    for (t_agents::iterator it = m_agents.begin(); it != m_agents.end(); ++it) {
        delete it->second;
    }
    m_agents.clear();
    ms_singleton = nullptr;
}

void AgentPack::addAgent(BaseAgent *agent)
{
    const std::string name = agent->getName();
    if (!m_agents.insert(std::make_pair(name, agent)).second) {
        throw NameException(InfoText("agent already exists").addValue("name", name));
    }
    MessagerAgent::instance()->addListener(agent);
}

BaseAgent *AgentPack::getAgent(const std::string &name)
{
    if (!ms_singleton) {
        throw LogicException(InfoText("AgentPack is not ready"));
    }
    t_agents::iterator it = ms_singleton->m_agents.find(name);
    if (it == ms_singleton->m_agents.end()) {
        throw NameException(InfoText("cannot find agent").addValue("name", name));
    }
    if (!it->second->isInitialized()) {
        throw LogicException(InfoText("agent is not initialized").addValue("name", name));
    }
    return it->second;
}

void AgentPack::init(const std::string &stopName)
{
    // Stop at the first name not below stopName rather than at an exact
    // match, so a stage of the start-up sequence whose agent is absent does
    // not start the later agents early. An agent's ownInit may add agents;
    // map iterators stay valid on insert.
    for (t_agents::iterator it = m_agents.begin();
         it != m_agents.end() && (stopName.empty() || it->first < stopName); ++it) {
        if (!it->second->isInitialized()) {
            it->second->init();
        }
    }
}

void AgentPack::update()
{
    for (t_agents::iterator it = m_agents.begin(); it != m_agents.end(); ++it) {
        it->second->update();
    }
}

void AgentPack::shutdown()
{
    for (t_agents::reverse_iterator it = m_agents.rbegin(); it != m_agents.rend(); ++it) {
        if (it->second->isInitialized()) {
            it->second->shutdown();
        }
    }
}
