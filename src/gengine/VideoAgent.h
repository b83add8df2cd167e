#ifndef HEADER_VIDEOAGENT_H
#define HEADER_VIDEOAGENT_H

// Agent "30video": owns the display. It keeps a software drawing surface of
// the logical size the current state asks for ("screen_width",
// "screen_height"), in the display's pixel format, lets every registered
// drawable paint on it each frame, stretches it onto the fixed 320x240
// display and flips. Drawables must take the surface from drawOn and never
// keep it: a size change replaces it. The display surface belongs to SDL.

#include "gengine/BaseAgent.h"
#include "gengine/MultiDrawer.h"

#include "SDL.h"

#include <string>

class Path;

class VideoAgent : public BaseAgent, public MultiDrawer {
    public:
        static constexpr int DISPLAY_BPP = 16;
        static constexpr int MAX_SCREEN_SIDE = 4096;
    private:
        SDL_Surface *m_screen;
        SDL_Surface *m_display;
        bool m_fullscreen;
    protected:
        virtual void ownInit();
        virtual void ownUpdate();
        virtual void ownShutdown();
    public:
        VideoAgent();
        virtual ~VideoAgent();
        static VideoAgent *instance();
        virtual const char *getName() const { return "30video"; }
        virtual void receiveSimple(const SimpleMsg *msg);
        virtual void receiveString(const StringMsg *msg);

        /** Applies "screen_width", "screen_height" and "caption"; a new size changes the mode. */
        void initVideoMode();
        /** Throws ImgException "Load" when the picture cannot be read. */
        void setIcon(const Path &file);
        /** The logical surface drawables paint on; null before the first mode change. */
        SDL_Surface *getSurface() const { return m_screen; }
        SDL_Surface *getDisplay() const { return m_display; }
        bool isFullScreen() const { return m_fullscreen; }
        void toggleFullScreen();
    private:
        void changeVideoMode(int width, int height, bool fullscreen);
        void setDisplayMode(bool fullscreen);
};

#endif
