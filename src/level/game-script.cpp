#include "level/game-script.h"

#include "level/Anim.h"
#include "level/Cube.h"
#include "level/LevelScript.h"
#include "level/ModelFactory.h"
#include "level/RopeDecor.h"
#include "level/Room.h"
#include "level/Rules.h"
#include "level/ScriptArgs.h"
#include "level/Shape.h"
#include "level/Unit.h"
#include "level/View.h"

#include "effect/SurfaceTool.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/LuaGuard.h"
#include "gengine/Path.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

LevelScript *getLevelScript(lua_State *L)
{
    return static_cast<LevelScript *>(getLeader(L));
}

// --- room ---------------------------------------------------------------

int script_game_setRoomWaves(lua_State *L)
{
    lua_Number amplitude = luaL_checknumber(L, 1);
    lua_Number period = luaL_checknumber(L, 2);
    lua_Number speed = luaL_checknumber(L, 3);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->view()->setWaves(static_cast<float>(amplitude), static_cast<float>(period),
                static_cast<float>(speed));
        return 0;
    });
}

int script_game_addModel(lua_State *L)
{
    ScriptText kind = checkText(L, 1);
    int x = checkInt(L, 2);
    int y = checkInt(L, 3);
    ScriptText shape = checkText(L, 4);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        std::string kindText = kind.str();
        std::unique_ptr<Cube> model(ModelFactory::createModel(kindText, V2(x, y),
                shape.str()));
        std::unique_ptr<Unit> unit(ModelFactory::createUnit(kindText));
        int index = script->addModel(model.release(), unit.release());
        lua_pushnumber(L, index);
        return 1;
    });
}

int script_game_getCycles(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushnumber(L, script->view()->getRoomCycles());
        return 1;
    });
}

int script_game_addDecor(lua_State *L)
{
    ScriptText name = checkText(L, 1);
    bool rope = name.equals("rope");
    int model1 = 0, model2 = 0, shift1x = 0, shift1y = 0, shift2x = 0, shift2y = 0;
    if (rope) {
        model1 = checkInt(L, 2);
        model2 = checkInt(L, 3);
        shift1x = checkInt(L, 4);
        shift1y = checkInt(L, 5);
        shift2x = checkInt(L, 6);
        shift2y = checkInt(L, 7);
    }
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        if (!rope) {
            LOG_WARNING(InfoText("unknown decor").addValue("decor_name", name.str()));
            return 0;
        }
        Cube *first = script->getModel(model1);
        Cube *second = script->getModel(model2);
        script->view()->addDecor(new RopeDecor(first, second, V2(shift1x, shift1y), V2(shift2x, shift2y)));
        return 0;
    });
}

int script_game_setScreenShift(lua_State *L)
{
    int x = checkInt(L, 1);
    int y = checkInt(L, 2);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->view()->setScreenShift(V2(x, y));
        return 0;
    });
}

int script_game_changeBg(lua_State *L)
{
    ScriptText picture = checkText(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        std::string name = picture.str();
        Room *room = script->room();
        if (name != room->getBg()) {
            script->view()->loadBg(name);
            room->changeBg(name);
        }
        return 0;
    });
}

int script_game_getBg(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        const std::string &name = script->room()->getBg();
        lua_pushlstring(L, name.data(), name.size());
        return 1;
    });
}

int script_game_checkActive(lua_State *L)
{
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->room()->checkActive();
        return 0;
    });
}

int script_game_setFastFalling(lua_State *L)
{
    bool flag = lua_toboolean(L, 1) != 0;
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->room()->setFastFalling(flag);
        return 0;
    });
}

// --- models -------------------------------------------------------------

int script_model_addAnim(lua_State *L)
{
    int index = checkInt(L, 1);
    ScriptText name = checkText(L, 2);
    ScriptText picture = checkText(L, 3);
    int lookDir = optInt(L, 4, 0);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        Cube *model = script->getModel(index);
        std::string animName = name.str();
        if (picture.empty()) {
            if (lookDir != 0 && lookDir != 1) {
                throw LogicException(InfoText("bad look direction").addValue("lookDir", lookDir));
            }
            model->getAnim()->addAnim(animName, model->getShape()->createImage(model->getWeight()),
                    lookDir);
        } else {
            model->getAnim()->addImage(animName, Path::dataReadPath(picture.str()),
                    lookDir);
        }
        return 0;
    });
}

/**
 * The animation calls model(index, name, phase): run, set or use a special
 * animation of a model. The phase may be left out where optional.
 */
int callAnim(lua_State *L, bool phaseRequired, void (Anim::*op)(const std::string &, int))
{
    int index = checkInt(L, 1);
    ScriptText name = checkText(L, 2);
    int phase = phaseRequired ? checkInt(L, 3) : optInt(L, 3, 0);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        (script->getModel(index)->getAnim()->*op)(name.str(), phase);
        return 0;
    });
}

int script_model_runAnim(lua_State *L)
{
    return callAnim(L, false, &Anim::runAnim);
}

int script_model_setAnim(lua_State *L)
{
    return callAnim(L, true, &Anim::setAnim);
}

int script_model_useSpecialAnim(lua_State *L)
{
    return callAnim(L, true, &Anim::useSpecialAnim);
}

int script_model_countAnims(lua_State *L)
{
    int index = checkInt(L, 1);
    ScriptText name = checkText(L, 2);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushnumber(L, script->getModel(index)->getAnim()->countAnims(name.str(), 0));
        return 1;
    });
}

int script_model_setEffect(lua_State *L)
{
    int index = checkInt(L, 1);
    ScriptText name = checkText(L, 2);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->getModel(index)->getAnim()->setEffect(name.str());
        return 0;
    });
}

int script_model_getLoc(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        V2 loc = script->getModel(index)->getLoc();
        lua_pushnumber(L, loc.getX());
        lua_pushnumber(L, loc.getY());
        return 2;
    });
}

int script_model_getAction(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        std::string action = script->getModel(index)->getRules()->getAction();
        lua_pushlstring(L, action.data(), action.size());
        return 1;
    });
}

int script_model_getState(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        std::string state = script->getModel(index)->getRules()->getState();
        lua_pushlstring(L, state.data(), state.size());
        return 1;
    });
}

int script_model_getDir(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushnumber(L, script->getModel(index)->getRules()->getDir());
        return 1;
    });
}

int script_model_getTouchDir(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushnumber(L, script->getModel(index)->getRules()->getTouchDir());
        return 1;
    });
}

/** The body of the boolean queries on one model. */
template <class Query> int modelFlag(lua_State *L, Query query)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushboolean(L, query(script->getModel(index)));
        return 1;
    });
}

int script_model_isAlive(lua_State *L)
{
    return modelFlag(L, [](const Cube *model) { return model->isAlive(); });
}

int script_model_isOut(lua_State *L)
{
    return modelFlag(L, [](const Cube *model) { return model->isOut(); });
}

int script_model_isLeft(lua_State *L)
{
    return modelFlag(L, [](const Cube *model) { return model->isLeft(); });
}

int script_model_isAtBorder(lua_State *L)
{
    return modelFlag(L, [](const Cube *model) { return model->getRules()->isAtBorder(); });
}

int script_model_getW(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushnumber(L, script->getModel(index)->getShape()->getW());
        return 1;
    });
}

int script_model_getH(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        lua_pushnumber(L, script->getModel(index)->getShape()->getH());
        return 1;
    });
}

int script_model_setGoal(lua_State *L)
{
    int index = checkInt(L, 1);
    ScriptText name = checkText(L, 2);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        Cube *model = script->getModel(index);
        std::string goalName = name.str();
        Goal goal = Goal::noGoal();
        if (!Goal::fromName(goalName, &goal)) {
            InfoText info = InfoText("unknown goal").addValue("goal", goalName);
            LOG_WARNING(info);
            throw ScriptException(info);
        }
        model->setGoal(goal);
        return 0;
    });
}

int script_model_change_turnSide(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->getModel(index)->change_turnSide();
        return 0;
    });
}

int script_model_change_setLocation(lua_State *L)
{
    int index = checkInt(L, 1);
    int x = checkInt(L, 2);
    int y = checkInt(L, 3);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->getModel(index)->getRules()->change_setLocation(V2(x, y));
        return 0;
    });
}

int script_model_setViewShift(lua_State *L)
{
    int index = checkInt(L, 1);
    int x = checkInt(L, 2);
    int y = checkInt(L, 3);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->getModel(index)->getAnim()->setViewShift(V2(x, y));
        return 0;
    });
}

int script_model_getViewShift(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        V2 shift = script->getModel(index)->getAnim()->getViewShift();
        lua_pushnumber(L, shift.getX());
        lua_pushnumber(L, shift.getY());
        return 2;
    });
}

int script_model_setBusy(lua_State *L)
{
    int index = checkInt(L, 1);
    bool busy = lua_toboolean(L, 2) != 0;
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->getModel(index)->setBusy(busy);
        return 0;
    });
}

int script_model_getExtraParams(lua_State *L)
{
    int index = checkInt(L, 1);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        Cube *model = script->getModel(index);
        std::string anim = model->getAnim()->getState();
        lua_createtable(L, 0, 4);
        lua_pushnumber(L, model->getOutDir());
        lua_setfield(L, -2, "outDir");
        lua_pushnumber(L, model->getOutCapacity());
        lua_setfield(L, -2, "outCapacity");
        lua_pushnumber(L, model->getWeight());
        lua_setfield(L, -2, "weight");
        lua_pushlstring(L, anim.data(), anim.size());
        lua_setfield(L, -2, "anim");
        return 1;
    });
}

int script_model_change_setExtraParams(lua_State *L)
{
    int index = checkInt(L, 1);
    luaL_checktype(L, 2, LUA_TTABLE);
    int outDir = checkIntField(L, 2, "outDir");
    int outCapacity = checkIntField(L, 2, "outCapacity");
    int weight = checkIntField(L, 2, "weight");
    lua_getfield(L, 2, "anim");
    if (!lua_isstring(L, -1)) {
        luaL_error(L, "field 'anim' must be a string");
    }
    size_t animSize = 0;
    const char *anim = lua_tolstring(L, -1, &animSize);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        Cube *model = script->getModel(index);
        // Only the numbers 0..4 and 0..3 name a direction and a weight.
        if (outDir < Dir::DIR_NO || outDir > Dir::DIR_RIGHT) {
            throw LogicException(InfoText("bad out dir").addValue("outDir", outDir));
        }
        if (weight < Cube::NONE || weight > Cube::FIXED) {
            throw LogicException(InfoText("bad model weight").addValue("weight", weight));
        }
        model->change_setOutDir(static_cast<Dir::eDir>(outDir), outCapacity,
                static_cast<Cube::eWeight>(weight));
        model->change_restore();
        model->getAnim()->setState(std::string(anim, animSize));
        return 0;
    });
}

int script_model_equals(lua_State *L)
{
    int index = checkInt(L, 1);
    int x = checkInt(L, 2);
    int y = checkInt(L, 3);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        Cube *other = script->askField(V2(x, y));
        bool equals = false;
        if (!other) {
            equals = index == -1;
        } else if (index != -1) {
            equals = other->getIndex() == index;
        }
        lua_pushboolean(L, equals);
        return 1;
    });
}

// --- sounds -------------------------------------------------------------

int script_sound_addSound(lua_State *L)
{
    ScriptText name = checkText(L, 1);
    ScriptText file = checkText(L, 2);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->addSound(name.str(), Path::dataReadPath(file.str()));
        return 0;
    });
}

int script_sound_playSound(lua_State *L)
{
    ScriptText name = checkText(L, 1);
    int volume = optInt(L, 2, 100);
    LevelScript *script = getLevelScript(L);
    return luaGuard(L, [&]() {
        script->playSound(name.str(), volume);
        return 0;
    });
}

}

void registerGameFunctions(LevelScript *script)
{
    script->registerFunc("game_setRoomWaves", script_game_setRoomWaves);
    script->registerFunc("game_addModel", script_game_addModel);
    script->registerFunc("game_getCycles", script_game_getCycles);
    script->registerFunc("game_addDecor", script_game_addDecor);
    script->registerFunc("game_setScreenShift", script_game_setScreenShift);
    script->registerFunc("game_changeBg", script_game_changeBg);
    script->registerFunc("game_getBg", script_game_getBg);
    script->registerFunc("game_checkActive", script_game_checkActive);
    script->registerFunc("game_setFastFalling", script_game_setFastFalling);

    script->registerFunc("model_addAnim", script_model_addAnim);
    script->registerFunc("model_runAnim", script_model_runAnim);
    script->registerFunc("model_setAnim", script_model_setAnim);
    script->registerFunc("model_useSpecialAnim", script_model_useSpecialAnim);
    script->registerFunc("model_countAnims", script_model_countAnims);
    script->registerFunc("model_setEffect", script_model_setEffect);
    script->registerFunc("model_getLoc", script_model_getLoc);
    script->registerFunc("model_getAction", script_model_getAction);
    script->registerFunc("model_getState", script_model_getState);
    script->registerFunc("model_getDir", script_model_getDir);
    script->registerFunc("model_getTouchDir", script_model_getTouchDir);
    script->registerFunc("model_isAlive", script_model_isAlive);
    script->registerFunc("model_isOut", script_model_isOut);
    script->registerFunc("model_isLeft", script_model_isLeft);
    script->registerFunc("model_isAtBorder", script_model_isAtBorder);
    script->registerFunc("model_getW", script_model_getW);
    script->registerFunc("model_getH", script_model_getH);
    script->registerFunc("model_setGoal", script_model_setGoal);
    script->registerFunc("model_change_turnSide", script_model_change_turnSide);
    script->registerFunc("model_change_setLocation", script_model_change_setLocation);
    script->registerFunc("model_setViewShift", script_model_setViewShift);
    script->registerFunc("model_getViewShift", script_model_getViewShift);
    script->registerFunc("model_setBusy", script_model_setBusy);
    script->registerFunc("model_getExtraParams", script_model_getExtraParams);
    script->registerFunc("model_change_setExtraParams", script_model_change_setExtraParams);
    script->registerFunc("model_equals", script_model_equals);

    script->registerFunc("sound_addSound", script_sound_addSound);
    script->registerFunc("sound_playSound", script_sound_playSound);
}
