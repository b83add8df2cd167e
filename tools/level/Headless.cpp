#include "Headless.h"

#include "level/Level.h"

#include "effect/Font.h"
#include "gengine/AgentPack.h"
#include "gengine/BaseException.h"
#include "gengine/DummySoundAgent.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ScriptAgent.h"
#include "gengine/TimerAgent.h"
#include "gengine/VideoAgent.h"

#include "SDL.h"
#include "plan/SubTitleAgent.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isDir(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string exeDir()
{
    char buffer[4096];
    ssize_t size = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (size <= 0) {
        return "";
    }
    std::string path(buffer, static_cast<size_t>(size));
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}

/**
 * The display and the subtitles load an icon and a font when they start;
 * a data directory of fixture levels need not have them, so they start
 * over a small directory of their own.
 */
std::string makeStartDir()
{
    char pattern[] = "/tmp/tidepool-level-XXXXXX";
    if (!::mkdtemp(pattern)) {
        throw PathException(InfoText("cannot create dir").addValue("dir", pattern));
    }
    std::string dir = pattern;
    ::mkdir((dir + "/images").c_str(), 0777);
    ::mkdir((dir + "/font").c_str(), 0777);
    SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
    if (icon) {
        SDL_SaveBMP(icon, (dir + "/images/icon.png").c_str());
        SDL_FreeSurface(icon);
    }
    std::string font = std::string(TIDEPOOL_SOURCE_DATA) + "/font/font_subtitle.ttf";
    if (::access(font.c_str(), R_OK) != 0) {
        font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    }
    if (::symlink(font.c_str(), (dir + "/font/font_subtitle.ttf").c_str()) != 0) {
        throw PathException(InfoText("cannot link font").addValue("font", font));
    }
    return dir;
}

void removeStartDir(const std::string &dir)
{
    ::unlink((dir + "/font/font_subtitle.ttf").c_str());
    ::unlink((dir + "/images/icon.png").c_str());
    ::rmdir((dir + "/font").c_str());
    ::rmdir((dir + "/images").c_str());
    ::rmdir(dir.c_str());
}

}

Headless::Headless(const std::string &systemdir)
    : m_startDir(makeStartDir())
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    Font::init();
    m_pack.reset(new AgentPack());
    m_pack->addAgent(new ScriptAgent());
    m_pack->addAgent(new OptionAgent());
    m_pack->addAgent(new VideoAgent());
    m_pack->addAgent(new DummySoundAgent());
    m_pack->addAgent(new SubTitleAgent());
    m_pack->addAgent(new TimerAgent());
    m_pack->init("30video");
    OptionAgent *options = OptionAgent::instance();
    options->setParam("sound", "0");
    options->setParam("systemdir", m_startDir);
    options->setParam("userdir", m_startDir);
    m_pack->init();
    options->setParam("systemdir", systemdir);
    // The tools write nothing; user files are looked up where the data is.
    options->setParam("userdir", systemdir);
}

Headless::~Headless()
{
    m_pack->shutdown();
    m_pack.reset();
    Font::shutdown();
    removeStartDir(m_startDir);
}

std::string Headless::defaultSystemDir(const char * /*argv0*/)
{
    std::string dir = exeDir();
    if (!dir.empty() && isDir(dir + "/../share/tidepool")) {
        return dir + "/../share/tidepool";
    }
    if (isDir(TIDEPOOL_INSTALL_DATA)) {
        return TIDEPOOL_INSTALL_DATA;
    }
    return TIDEPOOL_SOURCE_DATA;
}

std::string Headless::defaultCodename(const std::string &file)
{
    std::string::size_type slash = file.rfind('/');
    std::string base = slash == std::string::npos ? file : file.substr(slash + 1);
    std::string::size_type dot = base.rfind('.');
    return dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
}

Level *Headless::loadLevel(const std::string &file, const std::string &codename)
{
    std::unique_ptr<Level> level(new Level(codename, Path::nativePath(file), 0));
    level->loadLevel();
    if (!level->hasRoom()) {
        throw LogicException(InfoText("level has no room").addValue("file", file));
    }
    return level.release();
}
