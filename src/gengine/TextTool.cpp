#include "gengine/TextTool.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

std::string TextTool::toText(long long value)
{
    return std::to_string(value);
}

int TextTool::readInt(const std::string &text, bool *ok)
{
    *ok = false;
    if (text.empty()) {
        return 0;
    }
    const char *start = text.c_str();
    char *end = nullptr;
    errno = 0;
    long value = strtol(start, &end, 0);
    // An embedded NUL byte ends the parse early and counts as trailing text.
    if (end != start + text.size() || end == start || errno == ERANGE ||
        value < INT_MIN || value > INT_MAX) {
        return 0;
    }
    *ok = true;
    return static_cast<int>(value);
}

std::size_t TextTool::utf8Length(const std::string &text)
{
    std::size_t count = 0;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string TextTool::replaceAll(const std::string &text, const std::string &search,
                                 const std::string &replacement)
{
    if (search.empty()) {
        return text;
    }
    std::string result(text);
    std::string::size_type pos = result.find(search);
    while (pos != std::string::npos) {
        result.replace(pos, search.size(), replacement);
        pos = result.find(search, pos + replacement.size());
    }
    return result;
}

bool TextTool::startsWith(const std::string &text, const std::string &prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<std::string> TextTool::split(const std::string &text, char separator)
{
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type pos = text.find(separator, start);
        if (pos == std::string::npos) {
            pos = text.size();
        }
        pieces.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    return pieces;
}
