#include "gengine/Log.h"

#include <cstdio>
#include <cstring>

#ifndef TIDEPOOL_SOURCE_ROOT
#define TIDEPOOL_SOURCE_ROOT ""
#endif

namespace {
int g_logLevel = LOG_LEVEL_INFO;

const char *levelName(int level)
{
    switch (level) {
        case LOG_LEVEL_ERROR: return "ERROR";
        case LOG_LEVEL_WARNING: return "WARNING";
        case LOG_LEVEL_INFO: return "INFO";
        case LOG_LEVEL_DEBUG: return "DEBUG";
        default: return "UNKNOWN";
    }
}
}

void writeLog(int level, const char *file, int line, const InfoText &info)
{
    if (level <= g_logLevel) {
        // One formatted call, so lines of the log never interleave.
        fprintf(stderr, "%s:%d: %s %s\n", file, line, levelName(level),
                info.text().c_str());
    }
}

void writeLog(int level, const std::string &file, int line, const InfoText &info)
{
    writeLog(level, file.c_str(), line, info);
}

int getLogLevel()
{
    return g_logLevel;
}

void setLogLevel(int level)
{
    g_logLevel = level;
}

std::string logSourceName(const char *compilerFile)
{
    std::string name(compilerFile);
    const std::string root(TIDEPOOL_SOURCE_ROOT);
    if (!root.empty() && name.compare(0, root.size(), root) == 0) {
        name.erase(0, root.size());
    } else {
        // Built from elsewhere: keep the part from the last "src/" on.
        std::string::size_type pos = name.rfind("/src/");
        if (pos != std::string::npos) {
            name.erase(0, pos + 1);
        }
    }
    std::string::size_type slash = name.rfind('/');
    std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        name.erase(dot);
    }
    return name;
}
