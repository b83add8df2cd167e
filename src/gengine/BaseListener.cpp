#include "gengine/BaseListener.h"

#include "gengine/IntMsg.h"
#include "gengine/OptionAgent.h"
#include "gengine/SimpleMsg.h"
#include "gengine/StringMsg.h"
#include "gengine/UnknownMsgException.h"

void BaseListener::receiveSimple(const SimpleMsg *msg)
{
    throw UnknownMsgException(*msg);
}

void BaseListener::receiveInt(const IntMsg *msg)
{
    throw UnknownMsgException(*msg);
}

void BaseListener::receiveString(const StringMsg *msg)
{
    throw UnknownMsgException(*msg);
}

void BaseListener::registerWatcher(const std::string &param)
{
    OptionAgent::instance()->addWatcher(param, new StringMsg(getName(), "param_changed", param));
}

void BaseListener::removeWatchers()
{
    OptionAgent::instance()->removeWatchers(getName());
}
