#include "game/Application.h"

#include "game/GameAgent.h"

#include "effect/Font.h"
#include "gengine/AgentPack.h"
#include "gengine/DummySoundAgent.h"
#include "gengine/InputAgent.h"
#include "gengine/Log.h"
#include "gengine/MessagerAgent.h"
#include "gengine/OptionAgent.h"
#include "gengine/OptionParams.h"
#include "gengine/Path.h"
#include "gengine/Random.h"
#include "gengine/SDLSoundAgent.h"
#include "gengine/ScriptAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/TimerAgent.h"
#include "gengine/VideoAgent.h"
#include "plan/SubTitleAgent.h"

#include <cstdio>

namespace {
void addDocumentedParams(OptionParams &params)
{
    params.addParam("cache_images", OptionParams::TYPE_BOOLEAN, "Cache images (default=true)");
    params.addParam("fullscreen", OptionParams::TYPE_BOOLEAN, "Turn fullscreen on/off");
    params.addParam("lang", OptionParams::TYPE_STRING, "2-letter code (e.g., en, cs, fr, de)");
    params.addParam("loglevel", OptionParams::TYPE_NUMBER, "Debug with loglevel 7 (default=6)");
    params.addParam("show_steps", OptionParams::TYPE_BOOLEAN, "Show a step counter in levels");
    params.addParam("sound", OptionParams::TYPE_BOOLEAN, "Turn sound on/off");
    params.addParam("sound_frequency", OptionParams::TYPE_NUMBER,
                    "Sound sample rate (default=44100)");
    params.addParam("speech", OptionParams::TYPE_STRING, "Lang for speech");
    params.addParam("subtitles", OptionParams::TYPE_BOOLEAN, "Enable subtitles");
    params.addParam("systemdir", OptionParams::TYPE_PATH, "Path to game data");
    params.addParam("userdir", OptionParams::TYPE_PATH, "Path to game data");
    params.addParam("volume_music", OptionParams::TYPE_NUMBER, "Music volume in percentage");
    params.addParam("volume_sound", OptionParams::TYPE_NUMBER, "Sound volume in percentage");
    params.addParam("worldmap", OptionParams::TYPE_STRING, "Path to the worldmap file");
}

const int MAX_LOG_LEVEL = 7;
const int MIN_LOG_LEVEL = 3;
}

Application::Application() : m_quit(false)
{
    Random::init();
    Font::init();
    try {
        m_agents.reset(new AgentPack());
        // The pack orders agents by name; this is only the order of creation.
        // The sound agent is chosen during start-up.
        m_agents->addAgent(new ScriptAgent());
        m_agents->addAgent(new OptionAgent());
        m_agents->addAgent(new VideoAgent());
        m_agents->addAgent(new InputAgent());
        m_agents->addAgent(new SubTitleAgent());
        m_agents->addAgent(new GameAgent());
        m_agents->addAgent(new TimerAgent());
    } catch (...) {
        // No destructor runs for a half-built application.
        m_agents.reset();
        Font::shutdown();
        throw;
    }
}

Application::~Application()
{
    m_agents.reset();
    Font::shutdown();
}

void Application::init(int argc, const char *const argv[])
{
    MessagerAgent::instance()->addListener(this);
    m_agents->init("30video");

    OptionAgent *options = OptionAgent::instance();
    registerWatcher("loglevel");
    options->setDefault("loglevel", getLogLevel());

    OptionParams params;
    addDocumentedParams(params);
    options->parseCmdOpt(argc, argv, params);

    runInitScript();

    // Opens the display.
    m_agents->init("50timer");
    prepareSound();
    m_agents->init("");
}

void Application::prepareSound()
{
    std::unique_ptr<SoundAgent> sound;
    if (OptionAgent::instance()->getBool("sound", true)) {
        sound.reset(new SDLSoundAgent());
        try {
            sound->init();
        } catch (const BaseException &e) {
            // A machine without a usable audio device still plays, silently.
            LOG_WARNING(e.info());
            sound.reset();
        }
    }
    if (!sound) {
        // Initialised with the agents after the display, in name order.
        sound.reset(new DummySoundAgent());
    }
    m_agents->addAgent(sound.get());
    sound.release();
}

void Application::runInitScript()
{
    Path init = Path::dataReadPath("script/init.lua");
    if (!init.exists()) {
        OptionAgent *options = OptionAgent::instance();
        throw ResourceException(InfoText("init file not found")
                                .addValue("path", init.getNative())
                                .addValue("systemdir", options->getParam("systemdir"))
                                .addValue("userdir", options->getParam("userdir"))
                                .addValue("hint", "try command line option \"systemdir=path/to/data\""));
    }
    ScriptAgent::instance()->doFile(init);
}

void Application::run()
{
    while (!m_quit) {
        m_agents->update();
    }
}

void Application::shutdown()
{
    m_agents->shutdown();
}

void Application::receiveSimple(const SimpleMsg *msg)
{
    if (msg->getName() == "quit") {
        m_quit = true;
    } else if (msg->getName() == "inc_loglevel") {
        int level = getLogLevel() + 1;
        if (level <= MAX_LOG_LEVEL) {
            OptionAgent::instance()->setParam("loglevel", level);
        }
    } else if (msg->getName() == "dec_loglevel") {
        int level = getLogLevel() - 1;
        if (level >= MIN_LOG_LEVEL) {
            OptionAgent::instance()->setParam("loglevel", level);
        }
    } else if (msg->getName() == "flush_stdout") {
        fflush(stdout);
    } else {
        LOG_WARNING(InfoText("unknown msg").addValue("msg", msg->describe()));
    }
}

void Application::receiveString(const StringMsg *msg)
{
    if (msg->getName() == "param_changed") {
        if (msg->getValue() == "loglevel") {
            setLogLevel(OptionAgent::instance()->getInt("loglevel", 0));
        }
    } else {
        LOG_WARNING(InfoText("unknown msg").addValue("msg", msg->describe()));
    }
}
