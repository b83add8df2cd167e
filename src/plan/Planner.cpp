#include "plan/Planner.h"

#include "plan/CommandQueue.h"
#include "plan/FishDialog.h"
#include "plan/ScriptCmd.h"
#include "plan/SubTitleAgent.h"
#include "gengine/DialogStack.h"
#include "gengine/LuaGuard.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ScriptState.h"
#include "gengine/SoundAgent.h"

#include <algorithm>
#include <climits>

namespace {

Planner *planner(lua_State *L)
{
    return static_cast<Planner *>(getLeader(L));
}

/** A colour component from a script, kept inside 0..255. */
Uint8 component(lua_Integer value)
{
    return static_cast<Uint8>(std::max<lua_Integer>(0, std::min<lua_Integer>(255, value)));
}

int toInt(lua_Integer value)
{
    return static_cast<int>(std::max<lua_Integer>(INT_MIN, std::min<lua_Integer>(INT_MAX, value)));
}

int script_game_planAction(lua_State *L)
{
    luaL_checktype(L, 1, LUA_TFUNCTION);
    Planner *owner = planner(L);
    lua_pushvalue(L, 1);
    int funcRef = luaL_ref(L, LUA_REGISTRYINDEX);
    return luaGuard(L, [&]() {
        owner->planAction(funcRef);
        return 0;
    });
}

int script_game_isPlanning(lua_State *L)
{
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, owner->isPlanning());
        return 1;
    });
}

int script_game_killPlan(lua_State *L)
{
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        owner->killPlan();
        return 0;
    });
}

int script_dialog_isDialog(lua_State *L)
{
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, owner->dialogs()->isDialog());
        return 1;
    });
}

int script_dialog_addFont(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    lua_Integer red = luaL_checkinteger(L, 2);
    lua_Integer green = luaL_checkinteger(L, 3);
    lua_Integer blue = luaL_checkinteger(L, 4);
    return luaGuard(L, [&]() {
        SDL_Color color;
        color.r = component(red);
        color.g = component(green);
        color.b = component(blue);
        color.unused = 255;
        SubTitleAgent::instance()->addFont(name, color);
        return 0;
    });
}

int script_dialog_addDialog(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    const char *lang = luaL_checkstring(L, 2);
    const char *soundfile = luaL_checkstring(L, 3);
    const char *fontName = luaL_optstring(L, 4, "");
    const char *subtitle = luaL_optstring(L, 5, "");
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        owner->dialogs()->addDialog(name, new FishDialog(lang, soundfile, subtitle, fontName));
        return 0;
    });
}

int script_model_isTalking(lua_State *L)
{
    lua_Integer actor = luaL_checkinteger(L, 1);
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, owner->dialogs()->isTalking(toInt(actor)));
        return 1;
    });
}

int script_model_talk(lua_State *L)
{
    lua_Integer actor = luaL_checkinteger(L, 1);
    const char *name = luaL_checkstring(L, 2);
    lua_Integer volume = luaL_optinteger(L, 3, 75);
    lua_Integer loops = luaL_optinteger(L, 4, 0);
    bool dialogFlag = lua_toboolean(L, 5) != 0;
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        owner->dialogs()->actorTalk(toInt(actor), name, toInt(volume), toInt(loops),
                dialogFlag);
        return 0;
    });
}

int script_model_killSound(lua_State *L)
{
    lua_Integer actor = luaL_checkinteger(L, 1);
    Planner *owner = planner(L);
    return luaGuard(L, [&]() {
        owner->dialogs()->killSound(toInt(actor));
        return 0;
    });
}

int script_sound_playMusic(lua_State *L)
{
    const char *file = luaL_checkstring(L, 1);
    return luaGuard(L, [&]() {
        SoundAgent::instance()->playMusic(Path::dataReadPath(file), nullptr);
        return 0;
    });
}

int script_sound_stopMusic(lua_State *L)
{
    return luaGuard(L, [&]() {
        SoundAgent::instance()->stopMusic();
        return 0;
    });
}

int script_options_getParam(lua_State *L)
{
    const char *name = luaL_checkstring(L, 1);
    return luaGuard(L, [&]() {
        std::string value = OptionAgent::instance()->getParam(name);
        if (value.empty()) {
            lua_pushnil(L);
        } else {
            lua_pushlstring(L, value.data(), value.size());
        }
        return 1;
    });
}

}

Planner::Planner()
    : m_plan(new CommandQueue()), m_dialogs(new DialogStack())
{
    registerFunc("game_planAction", script_game_planAction);
    registerFunc("game_isPlanning", script_game_isPlanning);
    registerFunc("game_killPlan", script_game_killPlan);
    registerFunc("dialog_isDialog", script_dialog_isDialog);
    registerFunc("dialog_addFont", script_dialog_addFont);
    registerFunc("dialog_addDialog", script_dialog_addDialog);
    registerFunc("model_isTalking", script_model_isTalking);
    registerFunc("model_talk", script_model_talk);
    registerFunc("model_killSound", script_model_killSound);
    registerFunc("sound_playMusic", script_sound_playMusic);
    registerFunc("sound_stopMusic", script_sound_stopMusic);
    registerFunc("options_getParam", script_options_getParam);
}

Planner::~Planner()
{
    // The commands hold references into the Lua state, which the Scripter
    // part closes after this destructor.
    delete m_plan;
    delete m_dialogs;
}

void Planner::planAction(int funcRef)
{
    m_plan->planCommand(new ScriptCmd(m_script, funcRef));
}

bool Planner::isPlanning() const
{
    return !m_plan->isEmpty();
}

bool Planner::satisfyPlan()
{
    m_dialogs->removeFirstNotTalking();
    m_plan->executeFirst();
    return m_plan->isEmpty();
}

void Planner::interruptPlan()
{
    m_dialogs->killTalks();
    SubTitleAgent::instance()->killTalks();
    killPlan();
}

void Planner::killPlan()
{
    m_plan->removeAll();
}
