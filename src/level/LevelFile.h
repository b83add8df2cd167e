#ifndef HEADER_LEVELFILE_H
#define HEADER_LEVELFILE_H

// Text that the level writes for Lua to read back (undo calls, the code name
// chunk, saved games and solutions) and the safe writing of its files.
// Every literal made here reads back as exactly the bytes it was made from;
// bytes that need no escape (every ordinary moves symbol) are copied as they
// are, so a moves string of the usual symbols keeps its plain form.

#include <string>

class LevelFile {
    public:
        /** The body of a Lua string literal closed by `quote` (' or "). */
        static std::string escapeLua(const std::string &text, char quote);
        /** "CODENAME = [[name]]", or a quoted literal when brackets would not hold the name. */
        static std::string codenameChunk(const std::string &codename);
        /**
         * A code name that can name a file inside "saves/" or "solved/":
         * not empty, not "." or "..", no slash, backslash or NUL byte.
         */
        static bool isSafeCodename(const std::string &codename);
        /**
         * Writes `content` to a temporary file beside `path` and renames it
         * over `path`, so that the old file stays whole until the new one is
         * (FileSys::replaceFile). Throws PathException "cannot write file".
         */
        static void writeAtomic(const std::string &path, const std::string &content);
};

#endif
