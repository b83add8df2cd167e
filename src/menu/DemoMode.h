#ifndef HEADER_DEMOMODE_H
#define HEADER_DEMOMODE_H

// A scripted slide show: the demo script only plans (actions, dialogs and
// demo_display calls inside planned functions) and the state quits once the
// plan is empty. Pictures are painted into a buffer of the screen's size, so
// a smaller picture leaves whatever earlier ones drew around it. The first
// picture sets the screen size; subtitles are painted over the pictures.

#include "plan/Planner.h"
#include "plan/GameState.h"
#include "gengine/Drawable.h"
#include "gengine/Path.h"
#include "gengine/V2.h"

#include "SDL.h"

#include <string>

class Picture;

class DemoMode : public Planner, public GameState, public Drawable {
    private:
        Path m_demoPath;
        Picture *m_display;
        SDL_Surface *m_buffer;
        int m_oldLimitY;

        void freeDisplay();
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState();
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState();
    public:
        explicit DemoMode(const Path &demoscript);
        virtual ~DemoMode();
        virtual const char *getName() const { return "state_demo"; }

        /** Shows the picture (a data path) with its top-left corner at loc;
         * loading errors pass to the caller and keep the current picture. */
        void display(const std::string &picture, const V2 &loc);
        virtual void drawOn(SDL_Surface *screen);

        /** The demo state of a script: what levels and the world map start. */
        static GameState *makeDemo(const Path &demoscript);
};

#endif
