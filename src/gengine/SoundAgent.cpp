#include "gengine/SoundAgent.h"

#include "gengine/AgentPack.h"
#include "gengine/OptionAgent.h"
#include "gengine/StringMsg.h"

SoundAgent *SoundAgent::instance()
{
    return AgentPack::getAgentAs<SoundAgent>("40sound");
}

void SoundAgent::ownInit()
{
    reinit();
    registerWatcher("volume_sound");
    registerWatcher("volume_music");
}

void SoundAgent::reinit()
{
    OptionAgent *options = OptionAgent::instance();
    options->setDefault("volume_sound", 90);
    options->setDefault("volume_music", 50);
    setSoundVolume(options->getInt("volume_sound", 0));
    setMusicVolume(options->getInt("volume_music", 0));
}

void SoundAgent::receiveString(const StringMsg *msg)
{
    if (msg->getName() != "param_changed") {
        BaseAgent::receiveString(msg);
        return;
    }
    const std::string &param = msg->getValue();
    if (param == "volume_sound") {
        setSoundVolume(OptionAgent::instance()->getInt("volume_sound", 0));
    } else if (param == "volume_music") {
        setMusicVolume(OptionAgent::instance()->getInt("volume_music", 0));
    }
}
