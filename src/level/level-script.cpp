#include "level/level-script.h"

#include "level/Level.h"
#include "level/LevelScript.h"
#include "level/ScriptArgs.h"

#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/LuaGuard.h"
#include "gengine/Path.h"
#include "plan/ScriptCmd.h"

#include <string>

namespace {

LevelScript *getLevelScript(lua_State *L)
{
    return static_cast<LevelScript *>(getLeader(L));
}

int script_level_save(lua_State *L)
{
    ScriptText models = checkText(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->level()->saveGame(models.str());
        return 0;
    });
}

int script_level_load(lua_State *L)
{
    ScriptText moves = checkText(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->level()->loadMoves(moves.str());
        return 0;
    });
}

int script_level_action_move(lua_State *L)
{
    ScriptText symbol = checkText(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        if (symbol.size != 1) {
            InfoText info = InfoText("bad symbol length")
                    .addValue("length", static_cast<long long>(symbol.size))
                    .addValue("symbol", symbol.str());
            LOG_WARNING(info);
            throw ScriptException(info);
        }
        lua_pushboolean(L, script->level()->action_move(symbol.data[0]));
        return 1;
    });
}

int script_level_action_save(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, script->level()->action_save());
        return 1;
    });
}

int script_level_action_load(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, script->level()->action_load());
        return 1;
    });
}

int script_level_action_restart(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, script->level()->action_restart(1));
        return 1;
    });
}

int script_level_createRoom(lua_State *L)
{
    int w = checkInt(L, 1);
    int h = checkInt(L, 2);
    ScriptText picture = checkText(L, 3);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->level()->createRoom(w, h, picture.str());
        return 0;
    });
}

int script_level_getRestartCounter(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    lua_pushnumber(L, script->level()->getRestartCounter());
    return 1;
}

int script_level_getDepth(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    lua_pushnumber(L, script->level()->getDepth());
    return 1;
}

int script_level_isNewRound(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    lua_pushboolean(L, script->level()->isNewRound());
    return 1;
}

int script_level_isSolved(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, script->level()->isSolved());
        return 1;
    });
}

int script_level_newDemo(lua_State *L)
{
    ScriptText demo = checkText(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->level()->newDemo(Path::dataReadPath(demo.str()));
        return 0;
    });
}

int script_level_planShow(lua_State *L)
{
    luaL_checktype(L, 1, LUA_TFUNCTION);
    LevelScript *script = getLevelScript(L);
    lua_pushvalue(L, 1);
    int funcRef = luaL_ref(L, LUA_REGISTRYINDEX);
    return luaGuard(L, [&]() {
        script->level()->planShow(script->createCommand(funcRef));
        return 0;
    });
}

int script_level_isShowing(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    lua_pushboolean(L, script->level()->isShowing());
    return 1;
}

}

void registerLevelFunctions(LevelScript *script)
{
    script->registerFunc("level_save", script_level_save);
    script->registerFunc("level_load", script_level_load);
    script->registerFunc("level_action_move", script_level_action_move);
    script->registerFunc("level_action_save", script_level_action_save);
    script->registerFunc("level_action_load", script_level_action_load);
    script->registerFunc("level_action_restart", script_level_action_restart);
    script->registerFunc("level_createRoom", script_level_createRoom);
    script->registerFunc("level_getRestartCounter", script_level_getRestartCounter);
    script->registerFunc("level_getDepth", script_level_getDepth);
    script->registerFunc("level_isNewRound", script_level_isNewRound);
    script->registerFunc("level_isSolved", script_level_isSolved);
    script->registerFunc("level_newDemo", script_level_newDemo);
    script->registerFunc("level_planShow", script_level_planShow);
    script->registerFunc("level_isShowing", script_level_isShowing);
}
