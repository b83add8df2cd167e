#include "gengine/SDLSoundAgent.h"

#include "gengine/BaseMsg.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/SDLException.h"

#include "SDL.h"

#include <algorithm>

BaseMsg *SDLSoundAgent::ms_finished = NULL;
std::atomic<int> SDLSoundAgent::ms_finishedPlays(0);

namespace {
const int MIN_FREQUENCY = 8000;
const int MAX_FREQUENCY = 192000;

int clampVolume(long long volume)
{
    return static_cast<int>(std::min<long long>(MIX_MAX_VOLUME, std::max<long long>(0, volume)));
}
}

SDLSoundAgent::SDLSoundAgent()
    : m_music(NULL), m_soundVolume(MIX_MAX_VOLUME), m_subsystem(false), m_audioOpen(false)
{
}

SDLSoundAgent::~SDLSoundAgent()
{
    // An agent whose start failed is deleted without a shutdown.
    closeAudio();
}

void SDLSoundAgent::reinit()
{
    m_music = NULL;
    m_soundVolume = MIX_MAX_VOLUME;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
        throw SDLException(InfoText("SDL_InitSubSystem"));
    }
    m_subsystem = true;

    int frequency = OptionAgent::instance()->getInt("sound_frequency", DEFAULT_FREQUENCY);
    if (frequency < MIN_FREQUENCY || frequency > MAX_FREQUENCY) {
        LOG_WARNING(InfoText("bad sound frequency")
                .addValue("sound_frequency", frequency)
                .addValue("default", DEFAULT_FREQUENCY));
        frequency = DEFAULT_FREQUENCY;
    }
    if (Mix_OpenAudio(frequency, AUDIO_S16SYS, 2, 1024) < 0) {
        throw MixException(InfoText("Mix_OpenAudio"));
    }
    m_audioOpen = true;
    Mix_AllocateChannels(CHANNELS);
    SoundAgent::reinit();
}

void SDLSoundAgent::ownUpdate()
{
    for (int plays = ms_finishedPlays.exchange(0); plays > 0; --plays) {
        sendFinished();
    }
}

void SDLSoundAgent::sendFinished()
{
    // The receiver is game code; a failure there must not end the frame
    // loop for a piece of music.
    try {
        if (ms_finished) {
            ms_finished->send();
        } else {
            LOG_WARNING(InfoText("NULL == ms_finished"));
        }
    } catch (std::exception &e) {
        LOG_WARNING(InfoText("musicFinished error").addValue("what", e.what()));
    } catch (...) {
        LOG_ERROR(InfoText("musicFinished error - unknown exception"));
    }
}

void SDLSoundAgent::ownShutdown()
{
    closeAudio();
}

void SDLSoundAgent::closeAudio()
{
    if (m_audioOpen) {
        stopMusic();
        Mix_CloseAudio();
        m_audioOpen = false;
    }
    if (m_subsystem) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystem = false;
    }
}

void SDLSoundAgent::setSoundVolume(int percent)
{
    m_soundVolume = clampVolume(static_cast<long long>(percent) * MIX_MAX_VOLUME / 100);
    Mix_Volume(-1, m_soundVolume);
}

void SDLSoundAgent::setMusicVolume(int percent)
{
    // A negative value only queries the mixer, so a negative percent leaves
    // the music volume as it is; values above the maximum are capped.
    long long volume = static_cast<long long>(percent) * MIX_MAX_VOLUME / 100;
    Mix_VolumeMusic(static_cast<int>(std::min<long long>(volume, MIX_MAX_VOLUME)));
}

int SDLSoundAgent::playSound(Mix_Chunk *sound, int volume, int loops)
{
    if (!sound) {
        return -1;
    }
    int channel = Mix_PlayChannel(-1, sound, loops);
    if (channel == -1) {
        LOG_WARNING(InfoText("cannot play sound").addValue("Mix", SDL_GetError()));
        return -1;
    }
    Mix_Volume(channel, clampVolume(static_cast<long long>(m_soundVolume) * volume / 100));
    return channel;
}

void SDLSoundAgent::playMusic(const Path &file, BaseMsg *finished)
{
    const std::string path = file.getNative();
    if (path == m_playingPath && !finished && !ms_finished) {
        return;
    }
    stopMusic();
    m_playingPath = path;

    int loops = -1;
    if (finished) {
        ms_finished = finished;
        loops = 1;
    }
    m_music = Mix_LoadMUS(path.c_str());
    if (m_music) {
        // Hooked before the start so that even a very short piece is seen.
        Mix_HookMusicFinished(musicFinished);
        if (Mix_PlayMusic(m_music, loops) == 0) {
            return;
        }
        Mix_HookMusicFinished(NULL);
    }
    LOG_WARNING(InfoText("cannot play music")
            .addValue("music", path)
            .addValue("Mix", SDL_GetError()));
}

void SDLSoundAgent::stopMusic()
{
    if (Mix_PlayingMusic()) {
        Mix_HookMusicFinished(NULL);
        Mix_HaltMusic();
    }
    if (m_music) {
        Mix_FreeMusic(m_music);
        m_music = NULL;
    }
    delete ms_finished;
    ms_finished = NULL;
    // The hook is off (or the music already over), so no play can be
    // counted after this; one counted before belongs to the old music.
    ms_finishedPlays = 0;
    m_playingPath.clear();
}

void SDLSoundAgent::musicFinished()
{
    ms_finishedPlays.fetch_add(1);
}
