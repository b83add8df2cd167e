#include "gengine/BaseException.h"
#include "gengine/Log.h"

#include <cstdio>

int main(int /*argc*/, char * /*argv*/[])
{
    LOG_INFO(InfoText("tidepool starts"));
    return 0;
}
