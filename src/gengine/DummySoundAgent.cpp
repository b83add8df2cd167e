#include "gengine/DummySoundAgent.h"

#include "gengine/BaseMsg.h"

void DummySoundAgent::playMusic(const Path &/*file*/, BaseMsg *finished)
{
    delete finished;
}
