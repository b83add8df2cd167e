#include "LevelEnv.h"

#include "level/Level.h"
#include "level/LevelScript.h"

#include "gengine/Path.h"
#include "gengine/TimerAgent.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

void LevelEnv::SetUp()
{
    char pattern[] = "/tmp/tidepool_level_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    m_dir = pattern;
    namespace fs = std::filesystem;
    fs::create_directories(systemDir() + "/script");
    const char *source = std::getenv("TIDEPOOL_SOURCE_DIR");
    ASSERT_NE(nullptr, source);
    fs::copy_file(std::string(source) + "/data/script/level_lib.lua",
            systemDir() + "/script/level_lib.lua");

    m_agents.reset(new testsupport::MediaAgents(systemDir(), userDir()));
    m_manager.reset(new StateManager());
    m_bottom = new BottomState();
    m_manager->pushState(nullptr, m_bottom);
    m_status.reset(new LevelStatus());
}

void LevelEnv::TearDown()
{
    m_manager.reset();
    m_status.reset();
    m_agents.reset();
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
