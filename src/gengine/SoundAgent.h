#ifndef HEADER_SOUNDAGENT_H
#define HEADER_SOUNDAGENT_H

// Agent "40sound": plays the music and the short sounds and keeps the two
// volumes in step with "volume_sound" and "volume_music" (percent). Two
// implementations: one over SDL_mixer and a silent one that accepts every
// call, chosen once at start-up.

#include "gengine/BaseAgent.h"

#include "SDL_mixer.h"

class BaseMsg;
class Path;

class SoundAgent : public BaseAgent {
    protected:
        virtual void ownInit();
    public:
        static SoundAgent *instance();
        virtual const char *getName() const { return "40sound"; }

        virtual void setSoundVolume(int percent) = 0;
        virtual void setMusicVolume(int percent) = 0;
        /** Sets the volume defaults and applies both volumes. */
        virtual void reinit();
        /** Channel of the sound, or -1. Loops: 0 once, n for n + 1 plays, -1 for ever. */
        virtual int playSound(Mix_Chunk *sound, int volume, int loops) = 0;
        /** Starts music; takes the message, sent once each time the music has
         *  played through (null: the music loops for ever). */
        virtual void playMusic(const Path &file, BaseMsg *finished) = 0;
        virtual void stopMusic() = 0;

        virtual void receiveString(const StringMsg *msg);
};

#endif
