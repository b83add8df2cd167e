#ifndef HEADER_ENVIRON_H
#define HEADER_ENVIRON_H

// The store of named text parameters, with watchers. Values are always text:
// numbers in decimal, booleans as "1"/"0" (read from several words). A
// change of value sends a copy of every watcher message of that name, in the
// order they were added; a watcher whose delivery fails is dropped. The
// store owns its watcher messages.

#include "gengine/NoCopy.h"

#include <map>
#include <string>

class BaseMsg;
class Path;

class Environ : public NoCopy {
    private:
        typedef std::map<std::string, std::string> t_values;
        typedef std::multimap<std::string, BaseMsg *> t_watchers;
        t_values m_values;
        t_watchers m_watchers;

        void notifyWatchers(const std::string &name);
    public:
        virtual ~Environ();

        /** Stores value; logs and tells the watchers only when it differs. */
        void setParam(const std::string &name, const std::string &value);
        void setParam(const std::string &name, long long value);
        /** The value when present, even when empty; defaultValue otherwise. */
        std::string getParam(const std::string &name, const std::string &defaultValue = "") const;
        /** The value in strtol notation; defaultValue (with a warning) if unreadable. */
        int getInt(const std::string &name, int defaultValue) const;
        /** 1/true/on/yes or 0/false/off/no; defaultValue (with a warning) otherwise. */
        bool getBool(const std::string &name, bool defaultValue) const;

        /** Takes ownership of msg; sends a copy on every change of name. */
        void addWatcher(const std::string &name, BaseMsg *msg);
        /** Drops every watcher message addressed to listenerName. */
        void removeWatchers(const std::string &listenerName);

        /**
         * Writes every parameter as a setParam line of a Lua script that reads
         * back the same values; on failure logs "cannot save config".
         */
        void save(const Path &file) const;
        /** The text save() writes. */
        std::string toScript() const;
};

#endif
