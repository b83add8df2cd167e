#include "gengine/InfoText.h"

InfoText &InfoText::addValue(const std::string &name, const std::string &value)
{
    m_text += "; " + name + "='" + value + "'";
    return *this;
}

InfoText &InfoText::addValue(const std::string &name, const char *value)
{
    return addValue(name, std::string(value ? value : ""));
}

InfoText &InfoText::addValue(const std::string &name, long long value)
{
    m_text += "; " + name + "=" + std::to_string(value);
    return *this;
}
