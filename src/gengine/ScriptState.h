#ifndef HEADER_SCRIPTSTATE_H
#define HEADER_SCRIPTSTATE_H

// One Lua 5.1 interpreter state with the base, string, math and table
// libraries (no io, os, debug or package: scripts are untrusted data). Every
// chunk runs in protected mode under the "_TRACEBACK" handler; a failure comes
// back as ScriptException "script failure" with the message and the Lua
// stack traceback under "error".

#include "gengine/NoCopy.h"

#include <string>

extern "C" {
#include "lua.h"
}

class Path;
class Scripter;

class ScriptState : public NoCopy {
    private:
        lua_State *m_state;

        void callStack(int loadError, int params, int results);
    public:
        ScriptState();
        virtual ~ScriptState();

        /** Runs the file; the chunk is named after it. Throws ScriptException. */
        void doFile(const Path &file);
        /** Runs the code; the chunk is named after the code. Throws ScriptException. */
        void doString(const std::string &code);
        /**
         * Calls the registered function funcRef with param; returns its boolean
         * result. Throws ScriptException when it fails or returns no boolean.
         */
        bool callCommand(int funcRef, int param);
        /** Releases a registry reference; negative references are ignored. */
        void unref(int funcRef);
        void registerFunc(const char *name, lua_CFunction function);
        /** Stores the owner of this state, found again by getLeader. */
        void registerLeader(Scripter *leader);
        lua_State *getState() const { return m_state; }

        /** A Lua string literal that reads back as exactly these bytes. */
        static std::string toLuaString(const std::string &text);
};

#endif
