#ifndef HEADER_POSTERSTATE_H
#define HEADER_POSTERSTATE_H

// One picture shown at the top-left corner until the player dismisses it;
// the screen takes the picture's size. The state owns its picture.

#include "plan/GameState.h"

class Path;
class Picture;

class PosterState : public GameState {
    protected:
        Picture *m_poster;

        virtual void ownInitState();
        virtual void ownUpdateState() {}
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
    public:
        /** Loading errors of the picture pass to the caller. */
        explicit PosterState(const Path &picture);
        virtual ~PosterState();
        virtual const char *getName() const { return "state_poster"; }

        const Picture *getPoster() const { return m_poster; }
};

#endif
