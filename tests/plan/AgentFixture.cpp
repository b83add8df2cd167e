#include "plan/AgentFixture.h"

#include "gengine/DummySoundAgent.h"
#include "gengine/InputAgent.h"
#include "gengine/MessagerAgent.h"
#include "gengine/OptionAgent.h"
#include "gengine/ScriptAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/VideoAgent.h"
#include "effect/Font.h"
#include "plan/SubTitleAgent.h"

#include "SDL.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

class StillClock : public TimerAgent::Clock {
    public:
        virtual unsigned getTicks() { return 1000; }
        virtual void delay(unsigned /*ms*/) {}
        virtual bool isShiftHeld() { return false; }
};

void writeIcon(const std::string &file)
{
    // Pictures are recognised by their content, so a BMP serves as icon.png.
    SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
    ASSERT_NE(nullptr, icon);
    ASSERT_EQ(0, SDL_SaveBMP(icon, file.c_str()));
    SDL_FreeSurface(icon);
}

}

void AppRecorder::receiveSimple(const SimpleMsg *msg)
{
    got.push_back(msg->getName());
}

void AgentFixture::SetUp()
{
    char pattern[] = "/tmp/tidepool_plan_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    m_dir = pattern;
    std::filesystem::create_directories(m_dir + "/images");
    std::filesystem::create_directories(m_dir + "/font");
    writeIcon(m_dir + "/images/icon.png");
    std::filesystem::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
            m_dir + "/font/font_subtitle.ttf");

    Font::init();
    m_pack = new AgentPack();
    m_pack->addAgent(new ScriptAgent());
    m_pack->addAgent(new OptionAgent());
    m_pack->addAgent(new VideoAgent());
    m_pack->addAgent(new DummySoundAgent());
    m_pack->addAgent(new TimerAgent(new StillClock()));
    m_pack->addAgent(new InputAgent());
    m_pack->addAgent(new SubTitleAgent());
    m_pack->init("30video");
    OptionAgent::instance()->setParam("systemdir", m_dir);
    OptionAgent::instance()->setParam("userdir", m_dir + "/user");
    m_pack->init();
    MessagerAgent::instance()->addListener(&m_app);
}

void AgentFixture::TearDown()
{
    if (m_pack) {
        m_pack->shutdown();
        delete m_pack;
        m_pack = nullptr;
    }
    Font::shutdown();
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
