#include "plan/AgentFixture.h"

#include "gengine/MessagerAgent.h"
#include "gengine/SimpleMsg.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

void AgentFixture::SetUp()
{
    char pattern[] = "/tmp/tidepool_plan_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    m_dir = pattern;
    m_agents.reset(new testsupport::MediaAgents(m_dir, m_dir + "/user"));
    MessagerAgent::instance()->addListener(&m_app);
}

void AgentFixture::TearDown()
{
    m_agents.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

void AgentFixture::tick()
{
    TimerAgent::instance()->update();
}

int AgentFixture::cycles() const
{
    return TimerAgent::instance()->getCycles();
}

std::string AgentFixture::userConfig() const
{
    std::ifstream file(m_dir + "/user/script/options.lua");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
