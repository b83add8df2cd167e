#ifndef HEADER_TEXTTOOL_H
#define HEADER_TEXTTOOL_H

// Small text helpers shared by the whole engine. All of them take any bytes:
// parameters, scripts and saved files are untrusted text.

#include <string>
#include <vector>

class TextTool {
    public:
        static std::string toText(long long value);
        /**
         * Reads the whole text as an integer in strtol notation with automatic
         * base (0x10 is 16, 010 is 8, leading blanks skipped). Sets ok to false,
         * and returns 0, for empty text, trailing characters or a value that
         * does not fit in an int.
         */
        static int readInt(const std::string &text, bool *ok);
        /** Number of UTF-8 characters: the bytes that are not continuation bytes. */
        static std::size_t utf8Length(const std::string &text);
        /** Replaces every occurrence, searching on after each inserted text. */
        static std::string replaceAll(const std::string &text, const std::string &search,
                                      const std::string &replacement);
        static bool startsWith(const std::string &text, const std::string &prefix);
        /** Pieces between separators; empty pieces are kept except a last one. */
        static std::vector<std::string> split(const std::string &text, char separator);
};

#endif
