#ifndef HEADER_SUBTITLEAGENT_H
#define HEADER_SUBTITLEAGENT_H

// The subtitles, agent "70subtitle". A text is broken into lines that fit
// the screen width less 40 pixels; each line enters at the bottom, rises to
// its place and is pushed 26 pixels higher by every later line. One update
// moves every line and drops the oldest one when it is gone (at most one a
// update, so a newer line that is gone waits for the older ones). The agent
// owns the lines, the colours and the font; game states register it as a
// drawable to show the lines over their screen.

#include "gengine/BaseAgent.h"
#include "gengine/Drawable.h"

#include "SDL.h"

#include <deque>
#include <string>

class Font;
class ResColorPack;
class Title;

class SubTitleAgent : public BaseAgent, public Drawable {
    private:
        std::deque<Title *> m_titles;
        Font *m_font;
        ResColorPack *m_colors;
        int m_limitY;

        std::string nextLine(const std::string &text, const SDL_Color &color);
        void newShortSubtitle(const std::string &text, const SDL_Color &color);
        int lowestY() const;
    protected:
        virtual void ownInit();
        virtual void ownUpdate();
        virtual void ownShutdown();
    public:
        SubTitleAgent();
        virtual ~SubTitleAgent();
        static SubTitleAgent *instance();
        virtual const char *getName() const { return "70subtitle"; }

        /** Draws every line, oldest first, when "subtitles" is on. */
        virtual void drawOn(SDL_Surface *screen);

        /** Stores the colour under the name. */
        void addFont(const std::string &name, const SDL_Color &color);
        /** Shows the text; throws ResourceException for an unknown colour name. */
        void newSubtitle(const std::string &text, const std::string &colorName);
        void killTalks();
        /** Kills the lines and forgets the colours. */
        void removeAll();
        void shiftTitles(int rate);
        void shiftFinalAll(int rate);

        /** Distance from the screen bottom above which a line is dropped;
         * a demo widens it for its pictures and restores it when it ends. */
        int getLimitY() const { return m_limitY; }
        void setLimitY(int limitY) { m_limitY = limitY; }

        int countTitles() const { return static_cast<int>(m_titles.size()); }
        /** The line at index (0 is the oldest); the agent keeps it. */
        const Title *getTitle(int index) const { return m_titles.at(index); }

        /**
         * Shortens a line that is too wide: cuts it at the last space that
         * does not follow a one-letter word, or, without such a space, drops
         * its last 4 bytes, widened to whole UTF-8 characters.
         */
        static void cutLine(std::string &line);
};

#endif
