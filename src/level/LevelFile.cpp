#include "level/LevelFile.h"

#include "gengine/BaseException.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool needsEscape(unsigned char c, char quote)
{
    return c < 0x20 || c == 0x7f || c == '\\' || c == static_cast<unsigned char>(quote);
}

/** Best-effort cleanup that must not change errno of the failure being reported. */
void removeQuietly(const std::string &path)
{
    int saved = errno;
    ::unlink(path.c_str());
    errno = saved;
}

[[noreturn]] void throwWriteError(const std::string &path)
{
    throw PathException(InfoText("cannot write file")
            .addValue("file", path)
            .addValue("stderror", std::strerror(errno)));
}

bool writeAll(int fd, const std::string &content)
{
    size_t done = 0;
    while (done < content.size()) {
        ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

mode_t defaultFileMode()
{
    // umask can only be read by setting it; we are single-threaded here.
    mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
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
    std::vector<char> temp(path.begin(), path.end());
    const char suffix[] = ".XXXXXX";
    temp.insert(temp.end(), suffix, suffix + sizeof(suffix));
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        throwWriteError(path);
    }
    std::string tempPath(temp.data());
    bool ok = ::fchmod(fd, defaultFileMode()) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
    if (!ok) {
        int saved = errno;
        ::close(fd);
        errno = saved;
        removeQuietly(tempPath);
        throwWriteError(path);
    }
    if (::close(fd) != 0 || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        removeQuietly(tempPath);
        throwWriteError(path);
    }
}
