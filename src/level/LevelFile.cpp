#include "level/LevelFile.h"

#include "gengine/FileSys.h"

#include <cstdio>

namespace {

bool needsEscape(unsigned char c, char quote)
{
    return c < 0x20 || c == 0x7f || c == '\\' || c == static_cast<unsigned char>(quote);
}

}

std::string LevelFile::escapeLua(const std::string &text, char quote)
{
    std::string result;
    result.reserve(text.size());
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (!needsEscape(c, quote)) {
            result += ch;
        } else if (c == '\\' || ch == quote) {
            result += '\\';
            result += ch;
        } else {
            // Three digits, so that a digit after it cannot join the escape.
            char buffer[5];
            std::snprintf(buffer, sizeof(buffer), "\\%03u", static_cast<unsigned>(c));
            result += buffer;
        }
    }
    return result;
}

std::string LevelFile::codenameChunk(const std::string &codename)
{
    // Long brackets drop a leading newline, fold line ends and cannot hold
    // brackets of their own; such names get an escaped literal instead.
    bool plain = true;
    for (char ch : codename) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7f || ch == '[' || ch == ']') {
            plain = false;
            break;
        }
    }
    if (plain) {
        return "CODENAME = [[" + codename + "]]";
    }
    return "CODENAME = \"" + escapeLua(codename, '"') + "\"";
}

bool LevelFile::isSafeCodename(const std::string &codename)
{
    if (codename.empty() || codename == "." || codename == "..") {
        return false;
    }
    return codename.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

void LevelFile::writeAtomic(const std::string &path, const std::string &content)
{
    FileSys::replaceFile(path, content);
}
