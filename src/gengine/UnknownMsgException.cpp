#include "gengine/UnknownMsgException.h"

#include "gengine/BaseMsg.h"

UnknownMsgException::UnknownMsgException(const BaseMsg &msg)
    : BaseException(InfoText("unknown message").addValue("msg", msg.describe()))
{
}
