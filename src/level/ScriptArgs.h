#ifndef HEADER_SCRIPTARGS_H
#define HEADER_SCRIPTARGS_H

// Argument checks of the level's Lua functions beyond the auxiliary
// library's: numbers that must fit an int are refused with the standard
// argument error when they do not (NaN, infinities, huge values), since the
// library's own integer check converts them without looking; strings are
// taken with their length, since they may hold any bytes. All of them raise
// Lua errors, so call them before anything with a destructor exists.

extern "C" {
#include "lauxlib.h"
#include "lua.h"
}

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

/** The argument as an int, truncated toward zero. */
inline int checkInt(lua_State *L, int arg)
{
    lua_Number number = luaL_checknumber(L, arg);
    if (!(number > static_cast<lua_Number>(INT_MIN) - 1 && number < static_cast<lua_Number>(INT_MAX) + 1)) {
        luaL_argerror(L, arg, "number out of range");
    }
    return static_cast<int>(number);
}

inline int optInt(lua_State *L, int arg, int defaultValue)
{
    return lua_isnoneornil(L, arg) ? defaultValue : checkInt(L, arg);
}

/** An int field of the table at arg; a missing or bad field raises an error. */
inline int checkIntField(lua_State *L, int arg, const char *field)
{
    lua_getfield(L, arg, field);
    if (!lua_isnumber(L, -1)) {
        luaL_error(L, "field '%s' must be a number", field);
    }
    lua_Number number = lua_tonumber(L, -1);
    lua_pop(L, 1);
    if (!(number > static_cast<lua_Number>(INT_MIN) - 1 && number < static_cast<lua_Number>(INT_MAX) + 1)) {
        luaL_error(L, "field '%s' out of range", field);
    }
    return static_cast<int>(number);
}

/**
 * A string argument. It is plain data (nothing to destroy when a Lua error
 * unwinds) and points into the Lua stack, so it lives as long as the call.
 */
struct ScriptText {
    const char *data;
    size_t size;

    std::string str() const { return std::string(data, size); }
    bool empty() const { return size == 0; }
    bool equals(const char *word) const
    {
        return size == std::strlen(word) && std::memcmp(data, word, size) == 0;
    }
};

inline ScriptText checkText(lua_State *L, int arg)
{
    ScriptText text;
    text.data = luaL_checklstring(L, arg, &text.size);
    return text;
}

#endif
