#ifndef HEADER_SCRIPTCMD_H
#define HEADER_SCRIPTCMD_H

// A planned Lua function: called with the run count once per cycle until
// it returns true. The command owns the registry reference of the function
// and releases it when it is deleted.

#include "plan/Command.h"
#include "gengine/NoCopy.h"

class ScriptState;

class ScriptCmd : public Command, public NoCopy {
    private:
        ScriptState *m_script;
        int m_funcRef;
    public:
        ScriptCmd(ScriptState *script, int funcRef);
        virtual ~ScriptCmd();

        /** Throws ScriptException when the function fails or returns no boolean. */
        virtual bool finish(int count);
};

#endif
