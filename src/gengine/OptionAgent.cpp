#include "gengine/OptionAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/BaseException.h"
#include "gengine/Environ.h"
#include "gengine/FileSys.h"
#include "gengine/Log.h"
#include "gengine/OptionParams.h"
#include "gengine/Path.h"
#include "gengine/ScriptAgent.h"
#include "gengine/StringMsg.h"
#include "gengine/TextTool.h"
#include "gengine/UnknownMsgException.h"

#include <clocale>
#include <cstring>

namespace {
const char *const CONFIG_FILE = "script/options.lua";

/** Makes another store current for the lifetime of the guard. */
class EnvironSwap {
    private:
        Environ *&m_current;
        Environ *m_kept;
    public:
        EnvironSwap(Environ *&current, Environ *replacement)
            : m_current(current), m_kept(current) { m_current = replacement; }
        ~EnvironSwap() { m_current = m_kept; }
        EnvironSwap(const EnvironSwap &) = delete;
        EnvironSwap &operator=(const EnvironSwap &) = delete;
};
}

OptionAgent::~OptionAgent()
{
    delete m_environ;
}

OptionAgent *OptionAgent::instance()
{
    return AgentPack::getAgentAs<OptionAgent>("20option");
}

void OptionAgent::ownInit()
{
    delete m_environ;
    m_environ = new Environ();
    setParam("version", "0.9.3");
    setParam("package", "tidepool");

    registerWatcher("systemdir");
    registerWatcher("userdir");
    setParam("systemdir", "");
    setParam("userdir", FileSys::join(".", ".tidepool"));

    setlocale(LC_ALL, "");
    // Numbers in scripts and files are always written with a dot.
    setlocale(LC_NUMERIC, "C");
    if (getParam("lang").empty()) {
        const std::string lang = localeLanguage(setlocale(LC_MESSAGES, nullptr));
        if (!lang.empty()) {
            setParam("lang", lang);
        }
    }
}

std::string OptionAgent::localeLanguage(const char *locale)
{
    if (!locale || strlen(locale) < 2) {
        return "";
    }
    const std::string name(locale);
    // The portable locales name no language; their code would only make
    // every localised lookup miss.
    const std::string base = name.substr(0, name.find_first_of(".@"));
    if (base == "C" || base == "POSIX") {
        return "";
    }
    return name.substr(0, 5);
}

void OptionAgent::ownShutdown()
{
    delete m_environ;
    m_environ = nullptr;
}

void OptionAgent::receiveString(const StringMsg *msg)
{
    if (msg->getName() == "param_changed") {
        if (msg->getValue() == "systemdir") {
            readSystemConfig();
            return;
        }
        if (msg->getValue() == "userdir") {
            readUserConfig();
            return;
        }
    }
    throw UnknownMsgException(*msg);
}

void OptionAgent::readSystemConfig()
{
    readConfig(Path::dataSystemPath(CONFIG_FILE).getNative());
}

void OptionAgent::readUserConfig()
{
    readConfig(Path::dataUserPath(CONFIG_FILE).getNative());
}

void OptionAgent::readConfig(const std::string &path)
{
    Path file = Path::nativePath(path);
    if (file.exists()) {
        try {
            ScriptAgent::instance()->doFile(file);
        } catch (const BaseException &e) {
            LOG_WARNING(e.info());
        }
    }
}

void OptionAgent::setParam(const std::string &name, const std::string &value)
{
    m_environ->setParam(name, value);
}

void OptionAgent::setParam(const std::string &name, long long value)
{
    m_environ->setParam(name, value);
}

std::string OptionAgent::getParam(const std::string &name, const std::string &defaultValue) const
{
    return m_environ->getParam(name, defaultValue);
}

int OptionAgent::getInt(const std::string &name, int defaultValue) const
{
    return m_environ->getInt(name, defaultValue);
}

bool OptionAgent::getBool(const std::string &name, bool defaultValue) const
{
    return m_environ->getBool(name, defaultValue);
}

void OptionAgent::addWatcher(const std::string &name, BaseMsg *msg)
{
    m_environ->addWatcher(name, msg);
}

void OptionAgent::removeWatchers(const std::string &listenerName)
{
    m_environ->removeWatchers(listenerName);
}

void OptionAgent::setDefault(const std::string &name, const std::string &value)
{
    setParam(name, getParam(name, value));
}

void OptionAgent::setDefault(const std::string &name, int value)
{
    setParam(name, getInt(name, value));
}

void OptionAgent::storeParam(const std::string &name, long long value)
{
    storeParam(name, TextTool::toText(value));
}

void OptionAgent::storeParam(const std::string &name, const std::string &value)
{
    Path path = Path::dataWritePath(CONFIG_FILE);
    {
        // The file's own setParam calls fill a fresh store without watchers,
        // so the file keeps exactly what it held plus this parameter.
        Environ stored;
        EnvironSwap swap(m_environ, &stored);
        if (path.exists()) {
            try {
                ScriptAgent::instance()->doFile(path);
            } catch (const BaseException &e) {
                LOG_WARNING(e.info());
                // Rewriting would throw away whatever the file held; keep it.
                const std::string backup = path.getNative() + ".bak";
                try {
                    FileSys::replaceFile(backup, FileSys::readFile(path.getNative()));
                    LOG_WARNING(InfoText("unreadable config kept as backup")
                                .addValue("file", path.getNative()).addValue("backup", backup));
                } catch (const BaseException &copyError) {
                    LOG_WARNING(copyError.info());
                }
            }
        }
        stored.setParam(name, value);
        stored.save(path);
    }
    setParam(name, value);
}

std::string OptionAgent::getHelpText(const OptionParams &params) const
{
    return "Usage: " + getParam("program") + " [options] [name=value ...]\n"
           "  -h, --help               Show this help\n"
           "  -v, --version            Show version\n"
           "  -c, --config             Show config\n"
           "\n"
           "Config variables:\n" +
           params.getHelp();
}

void OptionAgent::parseCmdOpt(int argc, const char *const argv[], const OptionParams &params)
{
    if (argc > 0) {
        setParam("program", argv[0]);
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (TextTool::startsWith(arg, "-")) {
            if (arg == "-h" || arg == "--help") {
                throw HelpException(InfoText(getHelpText(params)));
            } else if (arg == "-v" || arg == "--version") {
                throw HelpException(InfoText(getParam("package") + " " + getParam("version")));
            } else if (arg == "-c" || arg == "--config") {
                throw HelpException(InfoText(params.getConfig(*m_environ)));
            }
            throw LogicException(InfoText("unknown option").addValue("arg", arg)
                                 .addValue("use", getParam("program") + " --help"));
        }
        std::string::size_type equal = arg.find('=');
        if (equal == std::string::npos || equal + 1 == arg.size()) {
            throw LogicException(InfoText("unknown option").addValue("arg", arg)
                                 .addValue("use", getParam("program") + " --help"));
        }
        const std::string name = arg.substr(0, equal);
        params.checkValidity(name);
        setParam(name, arg.substr(equal + 1));
    }
}
