#ifndef HEADER_TESTSUPPORT_H
#define HEADER_TESTSUPPORT_H

// Helpers for engine tests: a temporary directory that removes itself, a
// running engine core (message bus, script and option agents) whose user and
// system directories live in such a directory, the few data files the media
// agents open at start, the agents a game state talks to, a timer clock that
// only the test moves, and log capture.

#include "effect/Font.h"
#include "gengine/AgentPack.h"
#include "gengine/DummySoundAgent.h"
#include "gengine/InputAgent.h"
#include "gengine/Log.h"
#include "gengine/NoCopy.h"
#include "gengine/OptionAgent.h"
#include "gengine/ScriptAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/TimerAgent.h"
#include "gengine/VideoAgent.h"
#include "plan/SubTitleAgent.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

inline int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return remove(path);
}

/** A fresh directory under /tmp, removed with everything in it. */
class TempDir {
    private:
        std::string m_path;
    public:
        TempDir()
        {
            char pattern[] = "/tmp/tidepool-test-XXXXXX";
            const char *made = mkdtemp(pattern);
            if (!made) {
                ADD_FAILURE() << "mkdtemp failed";
                return;
            }
            m_path = made;
        }
        ~TempDir()
        {
            if (!m_path.empty()) {
                nftw(m_path.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
            }
        }
        TempDir(const TempDir &) = delete;
        TempDir &operator=(const TempDir &) = delete;

        const std::string &path() const { return m_path; }
        std::string file(const std::string &relative) const { return m_path + "/" + relative; }

        /** Writes a file, creating its directories. */
        void write(const std::string &relative, const std::string &content) const
        {
            std::string::size_type slash = relative.find('/');
            while (slash != std::string::npos) {
                mkdir(file(relative.substr(0, slash)).c_str(), 0777);
                slash = relative.find('/', slash + 1);
            }
            std::ofstream out(file(relative).c_str(), std::ios::binary);
            out << content;
        }
        std::string read(const std::string &relative) const
        {
            std::ifstream in(file(relative).c_str(), std::ios::binary);
            std::ostringstream content;
            content << in.rdbuf();
            return content.str();
        }
        bool exists(const std::string &relative) const
        {
            struct stat info;
            return stat(file(relative).c_str(), &info) == 0;
        }
};

/** Writes a w x h picture in one colour (a BMP: pictures are recognised by content). */
inline void writeSolidPicture(const std::string &file, int w, int h, Uint32 rgb)
{
    SDL_Surface *surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32,
            0xff0000, 0x00ff00, 0x0000ff, 0);
    ASSERT_NE(nullptr, surface);
    SDL_FillRect(surface, nullptr, rgb);
    int saved = SDL_SaveBMP(surface, file.c_str());
    SDL_FreeSurface(surface);
    ASSERT_EQ(0, saved);
}

/**
 * Writes into dataDir what the world map, the first game state, opens: its
 * pictures (tiny, in one colour), the menu font and "script/worldmap.lua"
 * with a single level "first" at (10, 10) and the caption "Test map".
 */
inline void writeWorldMapFiles(const std::string &dataDir)
{
    for (const char *sub : {"", "/images", "/images/menu", "/font", "/script"}) {
        mkdir((dataDir + sub).c_str(), 0777);
    }
    const std::string menu = dataDir + "/images/menu/";
    for (const char *name : {"map", "map_lower", "map_mask"}) {
        writeSolidPicture(menu + name + ".png", 40, 30, 0);
    }
    for (const char *name : {"n0", "n1", "n2", "n3", "n4", "n_far"}) {
        writeSolidPicture(menu + name + ".png", 4, 4, 0xffffff);
    }
    // Already there when a test writes the files twice.
    int linked = symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
            (dataDir + "/font/font_menu.ttf").c_str());
    (void)linked;
    // The menu music: the shipped one, as music is opened by its file type.
    mkdir((dataDir + "/music").c_str(), 0777);
    if (const char *source = std::getenv("TIDEPOOL_SOURCE_DIR")) {
        std::ifstream in((std::string(source) + "/data/music/menu.ogg").c_str(), std::ios::binary);
        std::ofstream out((dataDir + "/music/menu.ogg").c_str(), std::ios::binary);
        out << in.rdbuf();
    }
    std::ofstream map((dataDir + "/script/worldmap.lua").c_str(), std::ios::binary);
    map << "worldmap_addDesc('menu', 'en', 'Menu', 'Test map')\n"
        << "branch_addNode('', 'first', 'levels/first.lua', 10, 10, false)\n";
}

/**
 * Writes into the data directory dataDir what the display and the subtitles
 * open at start: a tiny "images/icon.png" (pictures are recognised by their
 * content, so a BMP serves) and "font/font_subtitle.ttf". A game agent also
 * needs writeWorldMapFiles.
 */
inline void writeMediaFiles(const std::string &dataDir)
{
    for (const char *sub : {"", "/images", "/font"}) {
        mkdir((dataDir + sub).c_str(), 0777);
    }
    SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
    ASSERT_NE(nullptr, icon);
    int saved = SDL_SaveBMP(icon, (dataDir + "/images/icon.png").c_str());
    SDL_FreeSurface(icon);
    ASSERT_EQ(0, saved);
    ASSERT_EQ(0, symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                         (dataDir + "/font/font_subtitle.ttf").c_str()));
}

/** Runs fn and returns what it logged, at the given log level. */
template <class Fn> std::string captureLog(Fn fn, int level = LOG_LEVEL_DEBUG)
{
    int saved = getLogLevel();
    setLogLevel(level);
    testing::internal::CaptureStderr();
    fn();
    std::string log = testing::internal::GetCapturedStderr();
    setLogLevel(saved);
    return log;
}

inline bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

/**
 * The message bus, "15script" and "20option" running, with "userdir" and
 * "systemdir" pointing into a temporary directory and no language set.
 * Files written before construction into user/ or system/ are read at once.
 */
class EngineCore {
    private:
        AgentPack m_pack;
    public:
        TempDir dir;
        EngineCore()
        {
            m_pack.addAgent(new ScriptAgent());
            m_pack.addAgent(new OptionAgent());
            m_pack.init();
            options()->setParam("lang", "");
            mkdir(dir.file("user").c_str(), 0777);
            mkdir(dir.file("system").c_str(), 0777);
            options()->setParam("systemdir", dir.file("system"));
            options()->setParam("userdir", dir.file("user"));
        }
        ~EngineCore() { m_pack.shutdown(); }
        AgentPack &pack() { return m_pack; }
        static OptionAgent *options() { return OptionAgent::instance(); }
        static ScriptAgent *script() { return ScriptAgent::instance(); }
};

/** Stands in for the application: records the simple messages to "App". */
class AppRecorder : public BaseListener {
    public:
        std::vector<std::string> got;
        virtual const char *getName() const { return "App"; }
        virtual void receiveSimple(const SimpleMsg *msg) { got.push_back(msg->getName()); }
};

/** A key as SDL reports it, without a character. */
inline SDL_keysym keysym(SDLKey sym, int mod)
{
    SDL_keysym result;
    result.scancode = 0;
    result.sym = sym;
    result.mod = static_cast<SDLMod>(mod);
    result.unicode = 0;
    return result;
}

/** A timer clock at a standstill: no time passes, nothing waits, no Shift. */
class StillClock : public TimerAgent::Clock {
    public:
        virtual unsigned getTicks() { return 1000; }
        virtual void delay(unsigned /*ms*/) {}
        virtual bool isShiftHeld() { return false; }
};

/**
 * The agents a game state, a level or a planner talks to, from "15script"
 * to "70subtitle", on SDL's dummy drivers: the silent sound agent and a
 * timer on a StillClock, so every TimerAgent::update is one cycle. The
 * media files are written into systemDir first; the user's files live in
 * userDir. There is no game agent: tests drive their own StateManager.
 */
class MediaAgents : public NoCopy {
    private:
        std::unique_ptr<AgentPack> m_pack;
    public:
        MediaAgents(const std::string &systemDir, const std::string &userDir)
        {
            writeMediaFiles(systemDir);
            Font::init();
            m_pack.reset(new AgentPack());
            m_pack->addAgent(new ScriptAgent());
            m_pack->addAgent(new OptionAgent());
            m_pack->addAgent(new VideoAgent());
            m_pack->addAgent(new DummySoundAgent());
            m_pack->addAgent(new TimerAgent(new StillClock()));
            m_pack->addAgent(new InputAgent());
            m_pack->addAgent(new SubTitleAgent());
            m_pack->init("30video");
            OptionAgent::instance()->setParam("systemdir", systemDir);
            OptionAgent::instance()->setParam("userdir", userDir);
            m_pack->init();
        }
        ~MediaAgents()
        {
            m_pack->shutdown();
            m_pack.reset();
            Font::shutdown();
        }
        AgentPack &pack() { return *m_pack; }
};

}

#endif
