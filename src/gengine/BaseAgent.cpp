#include "gengine/BaseAgent.h"

#include "gengine/BaseException.h"
#include "gengine/Log.h"

void BaseAgent::init()
{
    LOG_DEBUG(InfoText("init").addValue("name", getName()));
    m_initialized = true;
    ownInit();
}

void BaseAgent::update()
{
    if (!m_initialized) {
        throw LogicException(InfoText("agent is not ready").addValue("name", getName()));
    }
    ownUpdate();
}

void BaseAgent::shutdown()
{
    LOG_DEBUG(InfoText("shutdown").addValue("name", getName()));
    ownShutdown();
    m_initialized = false;
}
