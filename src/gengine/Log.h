#ifndef HEADER_LOG_H
#define HEADER_LOG_H

// The one log function. A record is written to standard error when its level
// is at most the process-wide level (6 at start): "file:line: LEVEL text".
// The file is the logging source's path under the source root without its
// extension ("src/gengine/Environ"); the LOG_* macros derive it from the
// compiler's file name so nobody types it by hand.

#include "gengine/InfoText.h"

#include <string>

enum {
    LOG_LEVEL_ERROR = 3,
    LOG_LEVEL_WARNING = 4,
    LOG_LEVEL_INFO = 6,
    LOG_LEVEL_DEBUG = 7
};

void writeLog(int level, const char *file, int line, const InfoText &info);
void writeLog(int level, const std::string &file, int line, const InfoText &info);
int getLogLevel();
void setLogLevel(int level);
/** Name of a compiled file as log lines show it: root and extension removed. */
std::string logSourceName(const char *compilerFile);

#define LOG_AT(level, info) writeLog((level), logSourceName(__FILE__), __LINE__, (info))
#define LOG_ERROR(info) LOG_AT(LOG_LEVEL_ERROR, info)
#define LOG_WARNING(info) LOG_AT(LOG_LEVEL_WARNING, info)
#define LOG_INFO(info) LOG_AT(LOG_LEVEL_INFO, info)
#define LOG_DEBUG(info) LOG_AT(LOG_LEVEL_DEBUG, info)

#endif
