#ifndef HEADER_STATUSDISPLAY_H
#define HEADER_STATUSDISPLAY_H

// A short status picture over the level ("game is saved"), shown for a
// given number of drawn frames. It owns its picture.

#include "gengine/Drawable.h"

#include <memory>

class Picture;

class StatusDisplay : public Drawable {
    private:
        std::unique_ptr<Picture> m_picture;
        int m_time;
    public:
        StatusDisplay();
        virtual ~StatusDisplay();

        /** Shows the picture (taken over; may be null) for time frames, replacing the last one. */
        void displayStatus(Picture *picture, int time);
        int getTime() const { return m_time; }
        virtual void drawOn(SDL_Surface *screen);
};

#endif
