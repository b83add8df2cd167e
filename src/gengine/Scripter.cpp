#include "gengine/Scripter.h"

#include "gengine/LuaGuard.h"
#include "gengine/Path.h"
#include "gengine/ScriptState.h"

namespace {
int script_file_include(lua_State *L)
{
    const char *file = luaL_checkstring(L, 1);
    Scripter *leader = getLeader(L);
    return luaGuard(L, [&]() {
        leader->doFile(Path::dataReadPath(file));
        return 0;
    });
}

int script_file_exists(lua_State *L)
{
    const char *file = luaL_checkstring(L, 1);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, Path::dataReadPath(file).exists());
        return 1;
    });
}
}

Scripter *getLeader(lua_State *L)
{
    lua_pushliteral(L, "script_leader");
    lua_rawget(L, LUA_REGISTRYINDEX);
    if (lua_isnil(L, -1)) {
        lua_pop(L, 1);
        lua_pushliteral(L, "no leader; key='script_leader'");
        lua_error(L);
    }
    luaL_checktype(L, -1, LUA_TLIGHTUSERDATA);
    Scripter *leader = static_cast<Scripter *>(lua_touserdata(L, -1));
    lua_pop(L, 1);
    return leader;
}

Scripter::Scripter() : m_script(new ScriptState())
{
    m_script->registerLeader(this);
    registerFunc("file_include", script_file_include);
    registerFunc("file_exists", script_file_exists);
}

Scripter::~Scripter()
{
    delete m_script;
}

void Scripter::doFile(const Path &file)
{
    m_script->doFile(file);
}

void Scripter::doString(const std::string &code)
{
    m_script->doString(code);
}

void Scripter::registerFunc(const char *name, lua_CFunction function)
{
    m_script->registerFunc(name, function);
}
