#include "gengine/FileSys.h"

#include "gengine/BaseException.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
PathException fileError(const char *what, const std::string &path, int error)
{
    return PathException(InfoText(what).addValue("stderror", strerror(error))
                         .addValue("file", path));
}

bool writeAll(int fd, const std::string &content)
{
    const char *data = content.data();
    std::string::size_type left = content.size();
    while (left > 0) {
        ssize_t written = write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::string::size_type>(written);
    }
    return true;
}
}

std::string FileSys::join(const std::string &dir, const std::string &file)
{
    return dir.empty() ? file : dir + "/" + file;
}

bool FileSys::exists(const std::string &path)
{
    struct stat info;
    return path.empty() || stat(path.c_str(), &info) == 0;
}

void FileSys::createPath(const std::string &path)
{
    std::string::size_type slash = path.rfind('/');
    std::string parent;
    if (slash == 0) {
        parent = "/";
    } else if (slash != std::string::npos) {
        parent = path.substr(0, slash);
    }
    if (!exists(parent)) {
        createPath(parent);
        createDir(parent);
    }
}

void FileSys::createDir(const std::string &dir)
{
    if (!dir.empty() && mkdir(dir.c_str(), 0777) != 0) {
        throw PathException(InfoText("cannot create dir").addValue("stderror", strerror(errno))
                            .addValue("dir", dir));
    }
}

void FileSys::replaceFile(const std::string &path, const std::string &content)
{
    const std::string temp = path + ".tmp";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        // The caller knows the file it asked for, not our temporary name.
        throw fileError("cannot write file", path, errno);
    }
    // fsync before the rename: otherwise a power cut could leave the new
    // name pointing at an empty file.
    bool ok = writeAll(fd, content) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(temp.c_str());
        throw fileError("cannot write file", path, error);
    }
}

std::string FileSys::readFile(const std::string &path)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (!file) {
        throw fileError("cannot read file", path, errno);
    }
    std::string content;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        content.append(buffer, got);
    }
    bool failed = ferror(file) != 0;
    int error = errno;
    fclose(file);
    if (failed) {
        throw fileError("cannot read file", path, error);
    }
    return content;
}
