#ifndef HEADER_OPTIONPARAMS_H
#define HEADER_OPTIONPARAMS_H

// The table of parameters the command line may set, each with its type and
// help text, in name order. It builds the help listing, whose help texts all
// start in one column, and the listing of the current values.

#include "gengine/NoCopy.h"

#include <map>
#include <string>

class Environ;

class OptionParams : public NoCopy {
    public:
        enum eType {
            TYPE_NUMBER = 0,
            TYPE_BOOLEAN = 1,
            TYPE_STRING = 2,
            TYPE_PATH = 3
        };
    private:
        struct Entry {
            int type;
            std::string help;
        };
        typedef std::map<std::string, Entry> t_params;
        t_params m_params;
        std::string::size_type m_maxSize;
    public:
        OptionParams() : m_maxSize(0) {}
        /** Adds an entry; a name already present keeps its first entry. */
        void addParam(const std::string &name, int type, const std::string &help);
        /** "number", "boolean", "string", "path"; "unknown" with a warning otherwise. */
        static const char *typeName(int type);
        /** Throws LogicException "unknown option" for a name not in the table. */
        void checkValidity(const std::string &name) const;
        /** One aligned line "  name=<type>   help" per entry. */
        std::string getHelp() const;
        /** One line "name='value'" per entry with the values of env. */
        std::string getConfig(const Environ &env) const;
        std::string::size_type getMaxSize() const { return m_maxSize; }
};

#endif
