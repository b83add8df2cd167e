#ifndef HEADER_LUAGUARD_H
#define HEADER_LUAGUARD_H

// How every Lua-callable function of the engine is written. A Lua error is a
// longjmp: it must never pass a C++ frame in which an object with a
// destructor is alive, and a C++ exception must never pass the interpreter.
// So a Lua-callable function
//   1. reads and checks its arguments with luaL_check* (which may raise the
//      standard argument error: nothing with a destructor exists yet),
//   2. fetches its owner with getLeader (Scripter.h) when it needs one,
//   3. does its C++ work inside luaGuard, which catches every exception and
//      raises the Lua error only after the guarded scope has closed:
//
//   int script_game_setLoc(lua_State *L)
//   {
//       int index = luaL_checkinteger(L, 1);
//       const char *name = luaL_checkstring(L, 2);
//       Level *level = static_cast<Level *>(getLeader(L));
//       return luaGuard(L, [&]() {
//           level->setLoc(index, name);
//           lua_pushboolean(L, 1);
//           return 1; // number of results pushed
//       });
//   }
//
// The work captures by reference only (checked at compile time), so nothing
// of it needs destroying when the error unwinds this frame. The error text is
// the exception's what() prefixed by the calling script's position, or
// "unknown exception" for anything that is not a std::exception.

extern "C" {
#include "lauxlib.h"
#include "lua.h"
}

#include <exception>
#include <type_traits>

template <class Work> int luaGuard(lua_State *L, Work work)
{
    static_assert(std::is_trivially_destructible<Work>::value,
                  "capture by reference: the work must not need destroying");
    bool failed = false;
    int results = 0;
    try {
        results = work();
    } catch (const std::exception &e) {
        luaL_where(L, 1);
        lua_pushstring(L, e.what());
        lua_concat(L, 2);
        failed = true;
    } catch (...) {
        luaL_where(L, 1);
        lua_pushliteral(L, "unknown exception");
        lua_concat(L, 2);
        failed = true;
    }
    if (failed) {
        // The exception objects are gone; the message waits on the Lua stack.
        return lua_error(L);
    }
    return results;
}

#endif
