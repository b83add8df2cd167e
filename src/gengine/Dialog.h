#ifndef HEADER_DIALOG_H
#define HEADER_DIALOG_H

// One spoken line in one language: a sound file to play and a subtitle text
// whose markers %1, %2, ... take the values given when it is spoken. The
// sound is loaded the first time the line is spoken and freed with it.

#include "gengine/NoCopy.h"

#include "SDL_mixer.h"

#include <string>
#include <vector>

class Dialog : public NoCopy {
    private:
        Mix_Chunk *m_sound;
        std::string m_soundfile;
        std::string m_lang;
        std::string m_subtitle;
    public:
        /** The longest minimum time of a line, in cycles. */
        static constexpr int MAX_MIN_TIME = 180;

        Dialog(const std::string &lang, const std::string &soundfile,
                const std::string &subtitle);
        virtual ~Dialog();

        /** Plays the speech; returns the channel or -1 when nothing plays. */
        int talk(int volume, int loops);
        /** Shows the subtitle; args[0] is the dialog name, args[i] replaces %i. */
        virtual void runSubtitle(const std::vector<std::string> &args) const;

        std::string getSubtitle(const std::vector<std::string> &args) const;
        /** The subtitle's length in characters, at most MAX_MIN_TIME. */
        int getMinTime() const;

        const Mix_Chunk *getSound() const { return m_sound; }
        const std::string &getLang() const { return m_lang; }
        const std::string &getSoundfile() const { return m_soundfile; }
        const std::string &getRawSubtitle() const { return m_subtitle; }
};

#endif
