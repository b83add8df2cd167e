#ifndef HEADER_DUMMYSOUNDAGENT_H
#define HEADER_DUMMYSOUNDAGENT_H

// The silent sound agent: used when "sound" is off or the audio device
// cannot be opened. It plays nothing but still gives the volume parameters
// their defaults, so menus show the same values with or without sound.

#include "gengine/SoundAgent.h"

class DummySoundAgent : public SoundAgent {
    public:
        virtual void setSoundVolume(int /*percent*/) {}
        virtual void setMusicVolume(int /*percent*/) {}
        virtual int playSound(Mix_Chunk */*sound*/, int /*volume*/, int /*loops*/) { return -1; }
        /** Deletes the message: silence never finishes playing. */
        virtual void playMusic(const Path &file, BaseMsg *finished);
        virtual void stopMusic() {}
};

#endif
