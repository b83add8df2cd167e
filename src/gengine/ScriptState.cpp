#include "gengine/ScriptState.h"

#include "gengine/BaseException.h"
#include "gengine/Path.h"

extern "C" {
#include "lauxlib.h"
#include "lualib.h"
}

#include <cstdio>
#include <cstring>

namespace {
const char *const LEADER_KEY = "script_leader";
const int LEVELS_FIRST = 12;
const int LEVELS_LAST = 10;

bool isNamedKind(const char *namewhat)
{
    return strcmp(namewhat, "global") == 0 || strcmp(namewhat, "local") == 0 ||
           strcmp(namewhat, "method") == 0 || strcmp(namewhat, "field") == 0;
}

/**
 * Message handler of every call: the error message followed by the stack
 * traceback, the first 12 levels and the last 10 of a deeper stack.
 */
int script_traceback(lua_State *L)
{
    if (lua_gettop(L) == 0) {
        lua_pushliteral(L, "");
    } else if (!lua_isstring(L, 1)) {
        return 1;
    } else {
        lua_pushliteral(L, "\n");
    }
    lua_pushliteral(L, "stack traceback:");
    lua_Debug ar;
    int levels = 0;
    while (lua_getstack(L, levels + 1, &ar)) {
        ++levels;
    }
    for (int level = 1; level <= levels; ++level) {
        if (level == LEVELS_FIRST + 1 && levels - LEVELS_FIRST > LEVELS_LAST) {
            lua_pushliteral(L, "\n\t...");
            level = levels - LEVELS_LAST + 1;
        }
        lua_getstack(L, level, &ar);
        lua_pushliteral(L, "\n\t");
        lua_getinfo(L, "Snl", &ar);
        lua_pushfstring(L, "%s:", ar.short_src);
        if (ar.currentline > 0) {
            lua_pushfstring(L, "%d:", ar.currentline);
        }
        if (ar.namewhat && isNamedKind(ar.namewhat)) {
            lua_pushfstring(L, " in function `%s'", ar.name);
        } else if (*ar.what == 'm') {
            lua_pushliteral(L, " in main chunk");
        } else if (*ar.what == 'C' || *ar.what == 't') {
            lua_pushliteral(L, " ?");
        } else {
            lua_pushfstring(L, " in function <%s:%d>", ar.short_src, ar.linedefined);
        }
        lua_concat(L, lua_gettop(L));
    }
    lua_concat(L, lua_gettop(L));
    return 1;
}

void openLibrary(lua_State *L, lua_CFunction opener)
{
    lua_pushcfunction(L, opener);
    lua_pushliteral(L, "");
    lua_call(L, 1, 0);
}
}

ScriptState::ScriptState()
{
    m_state = luaL_newstate();
    if (!m_state) {
        throw ScriptException(InfoText("cannot create script state"));
    }
    openLibrary(m_state, luaopen_base);
    openLibrary(m_state, luaopen_string);
    openLibrary(m_state, luaopen_math);
    openLibrary(m_state, luaopen_table);
    registerFunc("_TRACEBACK", script_traceback);
}

ScriptState::~ScriptState()
{
    lua_close(m_state);
}

void ScriptState::callStack(int loadError, int params, int results)
{
    int error = loadError;
    if (error == 0) {
        int base = lua_gettop(m_state) - params;
        lua_getglobal(m_state, "_TRACEBACK");
        lua_insert(m_state, base);
        error = lua_pcall(m_state, params, results, base);
        lua_remove(m_state, base);
    }
    if (error != 0) {
        const char *text = lua_tostring(m_state, -1);
        std::string message = text ? std::string(text, lua_strlen(m_state, -1))
                                   : std::string("(error with no message)");
        lua_pop(m_state, 1);
        throw ScriptException(InfoText("script failure").addValue("error", message));
    }
}

void ScriptState::doFile(const Path &file)
{
    int error = luaL_loadfile(m_state, file.getNative().c_str());
    callStack(error, 0, 0);
}

void ScriptState::doString(const std::string &code)
{
    int error = luaL_loadbuffer(m_state, code.data(), code.size(), code.c_str());
    callStack(error, 0, 0);
}

bool ScriptState::callCommand(int funcRef, int param)
{
    lua_rawgeti(m_state, LUA_REGISTRYINDEX, funcRef);
    lua_pushnumber(m_state, param);
    callStack(0, 1, 1);
    if (!lua_isboolean(m_state, -1)) {
        const char *type = lua_typename(m_state, lua_type(m_state, -1));
        std::string got(type);
        lua_pop(m_state, 1);
        throw ScriptException(InfoText("script command failure - boolean expected")
                              .addValue("got", got));
    }
    bool result = lua_toboolean(m_state, -1) != 0;
    lua_pop(m_state, 1);
    return result;
}

void ScriptState::unref(int funcRef)
{
    if (funcRef >= 0) {
        luaL_unref(m_state, LUA_REGISTRYINDEX, funcRef);
    }
}

void ScriptState::registerFunc(const char *name, lua_CFunction function)
{
    lua_register(m_state, name, function);
}

void ScriptState::registerLeader(Scripter *leader)
{
    lua_pushstring(m_state, LEADER_KEY);
    lua_pushlightuserdata(m_state, leader);
    lua_rawset(m_state, LUA_REGISTRYINDEX);
}

std::string ScriptState::toLuaString(const std::string &text)
{
    std::string literal = "\"";
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '"': literal += "\\\""; break;
            case '\\': literal += "\\\\"; break;
            case '\n': literal += "\\n"; break;
            case '\r': literal += "\\r"; break;
            case '\t': literal += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7f) {
                    // Three digits, so a following digit cannot join the escape.
                    char escape[5];
                    snprintf(escape, sizeof(escape), "\\%03u", static_cast<unsigned>(c));
                    literal += escape;
                } else {
                    literal += static_cast<char>(c);
                }
        }
    }
    return literal + "\"";
}
