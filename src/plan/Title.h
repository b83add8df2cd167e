#ifndef HEADER_TITLE_H
#define HEADER_TITLE_H

// One line of subtitles on screen. It enters at startY pixels above the
// bottom, rises 2 pixels an update up to finalY (which later lines push
// higher) and is gone when its time is over or it rose above limitY. Its
// time is twice its character count, at least 40 updates, plus a bonus.
// Positions are screen y (down from the top); getY gives the height above
// the bottom. The line owns its rendered surface; the font is not owned.

#include "gengine/Drawable.h"

#include "SDL.h"

#include <string>

class Font;

class Title : public Drawable {
    private:
        int m_screenW;
        int m_screenH;
        int m_x;
        int m_y;
        int m_mintime;
        int m_limitY;
        int m_finalY;
        std::string m_content;
        const Font *m_font;
        SDL_Surface *m_surface;
    public:
        Title(int startY, int finalHeight, int bonusTime, int limitHeight,
                const std::string &text, const Font *font, const SDL_Color &color);
        virtual ~Title();

        virtual void drawOn(SDL_Surface *screen);

        /** One update: rise by rate, but not above finalY; one cycle less to stay. */
        void shift(int rate);
        /** Moves the line's target rate pixels higher. */
        void shiftFinal(int rate);
        /** Height of the line above the screen bottom. */
        int getY() const { return m_screenH - m_y; }
        bool isGone() const;

        int getX() const { return m_x; }
        int getFinalY() const { return m_finalY; }
        int getMinTime() const { return m_mintime; }
        const std::string &getContent() const { return m_content; }
};

#endif
