#ifndef HEADER_JSON_H
#define HEADER_JSON_H

// The little JSON the level tools print: quoted strings with every byte
// that JSON cannot hold raw escaped.

#include <string>

class Json {
    public:
        /** A JSON string literal of the text (bytes above 127 are passed as they are). */
        static std::string quote(const std::string &text);
        static const char *boolean(bool value) { return value ? "true" : "false"; }
};

#endif
