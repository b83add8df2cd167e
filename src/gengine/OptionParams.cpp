#include "gengine/OptionParams.h"

#include "gengine/BaseException.h"
#include "gengine/Environ.h"
#include "gengine/Log.h"

#include <cstring>

void OptionParams::addParam(const std::string &name, int type, const std::string &help)
{
    Entry entry;
    entry.type = type;
    entry.help = help;
    m_params.insert(std::make_pair(name, entry));
    std::string::size_type size = name.size() + strlen(typeName(type));
    if (size > m_maxSize) {
        m_maxSize = size;
    }
}

const char *OptionParams::typeName(int type)
{
    switch (type) {
        case TYPE_NUMBER: return "number";
        case TYPE_BOOLEAN: return "boolean";
        case TYPE_STRING: return "string";
        case TYPE_PATH: return "path";
        default:
            LOG_WARNING(InfoText("unknown param type").addValue("type", type));
            return "unknown";
    }
}

void OptionParams::checkValidity(const std::string &name) const
{
    if (m_params.find(name) == m_params.end()) {
        throw LogicException(InfoText("unknown option").addValue("name", name));
    }
}

std::string OptionParams::getHelp() const
{
    std::string help;
    for (t_params::const_iterator it = m_params.begin(); it != m_params.end(); ++it) {
        const std::string type = typeName(it->second.type);
        help += "  " + it->first + "=<" + type + ">";
        help.append(m_maxSize - it->first.size() - type.size(), ' ');
        help += "    " + it->second.help + "\n";
    }
    return help;
}

std::string OptionParams::getConfig(const Environ &env) const
{
    std::string config;
    for (t_params::const_iterator it = m_params.begin(); it != m_params.end(); ++it) {
        config += it->first + "='" + env.getParam(it->first, "") + "'\n";
    }
    return config;
}
