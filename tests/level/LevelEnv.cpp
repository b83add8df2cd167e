#include "LevelEnv.h"

#include "level/Level.h"
#include "level/LevelScript.h"

#include "effect/Font.h"
#include "gengine/DummySoundAgent.h"
#include "gengine/InputAgent.h"
#include "gengine/OptionAgent.h"
#include "gengine/ScriptAgent.h"
#include "gengine/TimerAgent.h"
#include "gengine/VideoAgent.h"
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

}

void LevelEnv::SetUp()
{
    char pattern[] = "/tmp/tidepool_level_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    m_dir = pattern;
    namespace fs = std::filesystem;
    fs::create_directories(systemDir() + "/images");
    fs::create_directories(systemDir() + "/font");
    fs::create_directories(systemDir() + "/script");
    SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
    ASSERT_NE(nullptr, icon);
    ASSERT_EQ(0, SDL_SaveBMP(icon, (systemDir() + "/images/icon.png").c_str()));
    SDL_FreeSurface(icon);
    fs::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
            systemDir() + "/font/font_subtitle.ttf");
    const char *source = std::getenv("TIDEPOOL_SOURCE_DIR");
    ASSERT_NE(nullptr, source);
    fs::copy_file(std::string(source) + "/data/script/level_lib.lua",
            systemDir() + "/script/level_lib.lua");

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
    OptionAgent::instance()->setParam("systemdir", systemDir());
    OptionAgent::instance()->setParam("userdir", userDir());
    m_pack->init();
    m_manager.reset(new StateManager());
    m_bottom = new BottomState();
    m_manager->pushState(nullptr, m_bottom);
    m_status.reset(new LevelStatus());
}

void LevelEnv::TearDown()
{
    m_manager.reset();
    m_status.reset();
    if (m_pack) {
        m_pack->shutdown();
        delete m_pack;
        m_pack = nullptr;
    }
    Font::shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

void LevelEnv::writeData(const std::string &file, const std::string &content) const
{
    std::string path = systemDir() + "/" + file;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
}

Level *LevelEnv::startLevel(const std::string &codename, const std::string &script)
{
    writeData("levels/" + codename + ".lua", script);
    m_level = new Level(codename, Path::dataReadPath("levels/" + codename + ".lua"), 3);
    m_level->fillDesc(&m_desc);
    m_status->prepareRun(codename, "", -1, "");
    m_level->fillStatus(m_status.get());
    m_bottom->pushState(m_level);
    return m_level;
}

void LevelEnv::cycle()
{
    TimerAgent::instance()->update();
    m_manager->updateGame();
}

void LevelEnv::cycles(int count)
{
    for (int i = 0; i < count; ++i) {
        cycle();
    }
}

Room *LevelEnv::room() const
{
    return m_level->getRoom();
}

std::string LevelEnv::readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
