#include "plan/ScriptCmd.h"

#include "gengine/ScriptState.h"

ScriptCmd::ScriptCmd(ScriptState *script, int funcRef)
    : m_script(script), m_funcRef(funcRef)
{
}

ScriptCmd::~ScriptCmd()
{
    m_script->unref(m_funcRef);
}

bool ScriptCmd::finish(int count)
{
    return m_script->callCommand(m_funcRef, count);
}
