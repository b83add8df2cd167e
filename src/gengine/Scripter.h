#ifndef HEADER_SCRIPTER_H
#define HEADER_SCRIPTER_H

// An object that runs scripts in a Lua state of its own, and is that state's
// leader: the functions it registers find it again with getLeader. Every
// state gets "file_include" and "file_exists". The state lives exactly as
// long as its Scripter; globals defined by scripts persist in it.

#include "gengine/NoCopy.h"

#include <string>

extern "C" {
#include "lua.h"
}

class Path;
class ScriptState;

class Scripter : public NoCopy {
    protected:
        ScriptState *m_script;
    public:
        Scripter();
        virtual ~Scripter();

        /** Runs a file in this state; throws ScriptException. */
        void doFile(const Path &file);
        /** Runs Lua code in this state; throws ScriptException. */
        void doString(const std::string &code);
        void registerFunc(const char *name, lua_CFunction function);
        ScriptState *getScriptState() const { return m_script; }
};

/**
 * The Scripter that leads the state of a running Lua-callable function. A
 * state without a leader raises the Lua error "no leader; key='script_leader'"
 * (a longjmp: call it before anything with a destructor exists). Cast the
 * result with static_cast to the class that registered the function.
 */
Scripter *getLeader(lua_State *L);

#endif
