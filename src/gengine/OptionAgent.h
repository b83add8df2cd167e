#ifndef HEADER_OPTIONAGENT_H
#define HEADER_OPTIONAGENT_H

// Agent "20option": owner of the parameter store. At start it sets the
// built-in values, reads the user configuration "script/options.lua" (again
// whenever "systemdir" or "userdir" change) and takes the language from the
// locale when the file did not set one; then the command line is parsed.
// Only storeParam makes a value persistent; the store is never saved whole.

#include "gengine/BaseAgent.h"

#include <string>

class BaseMsg;
class Environ;
class OptionParams;

class OptionAgent : public BaseAgent {
    private:
        Environ *m_environ;

        void readSystemConfig();
        void readUserConfig();
        void readConfig(const std::string &path);
        std::string getHelpText(const OptionParams &params) const;
    protected:
        virtual void ownInit();
        virtual void ownShutdown();
    public:
        OptionAgent() : m_environ(nullptr) {}
        virtual ~OptionAgent();
        static OptionAgent *instance();
        virtual const char *getName() const { return "20option"; }
        /** Accepts "param_changed" of "systemdir" and "userdir" only. */
        virtual void receiveString(const StringMsg *msg);

        /**
         * The language code a messages locale names: its first five
         * characters (cs_CZ.UTF-8 gives cs_CZ), or "" for a missing or
         * one-letter name and for the locales that name no language
         * ("C", "POSIX" and their encodings such as C.UTF-8).
         */
        static std::string localeLanguage(const char *locale);

        void setParam(const std::string &name, const std::string &value);
        void setParam(const std::string &name, long long value);
        std::string getParam(const std::string &name, const std::string &defaultValue = "") const;
        int getInt(const std::string &name, int defaultValue) const;
        bool getBool(const std::string &name, bool defaultValue) const;
        /** Takes ownership of msg; a copy is sent on every change of name. */
        void addWatcher(const std::string &name, BaseMsg *msg);
        void removeWatchers(const std::string &listenerName);

        /** Keeps a present value (rewritten as given), else sets value. */
        void setDefault(const std::string &name, const std::string &value);
        /** Keeps a readable number (rewritten in decimal), else sets value. */
        void setDefault(const std::string &name, int value);

        /**
         * Sets the parameter and writes it into the user's "script/options.lua"
         * together with what that file held before. An unreadable old file is
         * kept as "script/options.lua.bak" first.
         */
        void storeParam(const std::string &name, const std::string &value);
        void storeParam(const std::string &name, long long value);

        /**
         * Applies name=value arguments of documented parameters. Throws
         * HelpException with the text to print for -h, -v and -c, and
         * LogicException "unknown option" for anything else.
         */
        void parseCmdOpt(int argc, const char *const argv[], const OptionParams &params);
};

#endif
