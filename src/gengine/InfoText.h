#ifndef HEADER_INFOTEXT_H
#define HEADER_INFOTEXT_H

// A description followed by named values: "cannot find agent; name='30video'".
// Every exception and every log record carries one. Text values are quoted,
// integer values are not; the record only grows, values are never removed.

#include <string>

class InfoText {
    private:
        std::string m_text;
    public:
        explicit InfoText(const std::string &description) : m_text(description) {}
        explicit InfoText(const char *description) : m_text(description) {}

        InfoText &addValue(const std::string &name, const std::string &value);
        InfoText &addValue(const std::string &name, const char *value);
        InfoText &addValue(const std::string &name, long long value);
        InfoText &addValue(const std::string &name, int value)
        { return addValue(name, static_cast<long long>(value)); }
        InfoText &addValue(const std::string &name, long value)
        { return addValue(name, static_cast<long long>(value)); }
        InfoText &addValue(const std::string &name, unsigned value)
        { return addValue(name, static_cast<long long>(value)); }

        const std::string &text() const { return m_text; }
};

#endif
