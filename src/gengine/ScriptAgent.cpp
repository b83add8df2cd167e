#include "gengine/ScriptAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/LuaGuard.h"
#include "gengine/OptionAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

namespace {
/** sendMsg(listener, name [, value]): a StringMsg for a text or number value. */
int script_sendMsg(lua_State *L)
{
    size_t listenerSize = 0;
    size_t nameSize = 0;
    size_t valueSize = 0;
    const char *listener = luaL_checklstring(L, 1, &listenerSize);
    const char *name = luaL_checklstring(L, 2, &nameSize);
    const char *value = lua_isstring(L, 3) ? lua_tolstring(L, 3, &valueSize) : nullptr;
    return luaGuard(L, [&]() {
        const std::string to(listener, listenerSize);
        const std::string what(name, nameSize);
        if (value) {
            StringMsg(to, what, std::string(value, valueSize)).send();
        } else {
            SimpleMsg(to, what).send();
        }
        return 0;
    });
}

int script_setParam(lua_State *L)
{
    size_t nameSize = 0;
    size_t valueSize = 0;
    const char *name = luaL_checklstring(L, 1, &nameSize);
    const char *value = luaL_checklstring(L, 2, &valueSize);
    return luaGuard(L, [&]() {
        OptionAgent::instance()->setParam(std::string(name, nameSize),
                                          std::string(value, valueSize));
        return 0;
    });
}

/** getParam(name): the value, or nil when it is absent or empty. */
int script_getParam(lua_State *L)
{
    size_t nameSize = 0;
    const char *name = luaL_checklstring(L, 1, &nameSize);
    return luaGuard(L, [&]() {
        const std::string value = OptionAgent::instance()->getParam(std::string(name, nameSize));
        if (value.empty()) {
            lua_pushnil(L);
        } else {
            lua_pushlstring(L, value.data(), value.size());
        }
        return 1;
    });
}
}

ScriptAgent *ScriptAgent::instance()
{
    return AgentPack::getAgentAs<ScriptAgent>("15script");
}

void ScriptAgent::ownInit()
{
    registerFunc("sendMsg", script_sendMsg);
    registerFunc("setParam", script_setParam);
    registerFunc("getParam", script_getParam);
}

void ScriptAgent::receiveString(const StringMsg *msg)
{
    if (msg->getName() == "dostring") {
        doString(msg->getValue());
    } else {
        throw UnknownMsgException(*msg);
    }
}
