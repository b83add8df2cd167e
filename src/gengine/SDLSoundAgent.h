#ifndef HEADER_SDLSOUNDAGENT_H
#define HEADER_SDLSOUNDAGENT_H

// The sound agent over SDL_mixer: sixteen mixing channels and one music.
// The mixer calls the music-finished hook on its audio thread; the hook only
// counts the finished play, and the agent's per-frame update on the main
// thread sends one copy of the pending finished message per count, because
// the message bus belongs to the main thread. Halting the music removes the
// hook first, so only a music that played through is reported.

#include "gengine/SoundAgent.h"

#include <atomic>
#include <string>

class SDLSoundAgent : public SoundAgent {
    public:
        static constexpr int CHANNELS = 16;
        static constexpr int DEFAULT_FREQUENCY = 44100;
    private:
        static BaseMsg *ms_finished;
        static std::atomic<int> ms_finishedPlays;
        Mix_Music *m_music;
        std::string m_playingPath;
        int m_soundVolume;
        bool m_subsystem;
        bool m_audioOpen;
    protected:
        /** Sends the finished message once per music that played through. */
        virtual void ownUpdate();
        virtual void ownShutdown();
    public:
        SDLSoundAgent();
        virtual ~SDLSoundAgent();

        /** Opens the audio device first; throws SDLException or MixException. */
        virtual void reinit();
        virtual void setSoundVolume(int percent);
        virtual void setMusicVolume(int percent);
        virtual int playSound(Mix_Chunk *sound, int volume, int loops);
        virtual void playMusic(const Path &file, BaseMsg *finished);
        virtual void stopMusic();

        /** The channel volume every sound is scaled by (0 to 128). */
        int getSoundVolume() const { return m_soundVolume; }
        /** The mixer's hook; runs on the audio thread and only marks the play. */
        static void musicFinished();
    private:
        void closeAudio();
        void sendFinished();
};

#endif
