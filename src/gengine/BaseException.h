#ifndef HEADER_BASEEXCEPTION_H
#define HEADER_BASEEXCEPTION_H

// The exception family. Every error is thrown as one of these with an
// InfoText saying what failed and with which named values; throw sites never
// log. Three boundaries catch: a Lua-callable function (turns it into a Lua
// error), an optional step (logs a warning, goes on) and main (logs, ends).

#include "gengine/InfoText.h"

#include <exception>

class BaseException : public std::exception {
    private:
        InfoText m_info;
    public:
        explicit BaseException(const InfoText &info) : m_info(info) {}
        virtual ~BaseException() throw() {}
        virtual const char *what() const throw() { return m_info.text().c_str(); }
        virtual const InfoText &info() const throw() { return m_info; }
};

#define TIDEPOOL_EXCEPTION(Name) \
    class Name : public BaseException { \
        public: \
            explicit Name(const InfoText &info) : BaseException(info) {} \
    }

/** Misuse of an interface or broken internal state. */
TIDEPOOL_EXCEPTION(LogicException);
/** A lookup by name failed. */
TIDEPOOL_EXCEPTION(NameException);
/** Data the system needs is missing or unusable. */
TIDEPOOL_EXCEPTION(ResourceException);
/** A directory could not be created. */
TIDEPOOL_EXCEPTION(PathException);
/** A Lua script or command failed. */
TIDEPOOL_EXCEPTION(ScriptException);
/** A moves string cannot be replayed. */
TIDEPOOL_EXCEPTION(LoadException);
/** A room cannot be built. */
TIDEPOOL_EXCEPTION(LayoutException);
/** Not an error: carries the help, version or configuration text. */
TIDEPOOL_EXCEPTION(HelpException);

#undef TIDEPOOL_EXCEPTION

#endif
