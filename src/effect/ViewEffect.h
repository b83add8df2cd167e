#ifndef HEADER_VIEWEFFECT_H
#define HEADER_VIEWEFFECT_H

// How one model's current picture is put on the screen. Every animation set
// holds exactly one effect; it calls blit (unless isInvisible) and then
// updateEffect once per drawing, so an effect advances one step per frame
// its model is drawn. blit never changes the model surface, and the
// pixel-by-pixel effects copy only pixels whose alpha is exactly 255.

#include "SDL.h"

class ViewEffect {
    public:
        virtual ~ViewEffect() {}
        /** Advances the effect by one drawing of its model. */
        virtual void updateEffect() {}
        /** Static name of the effect, as level scripts and saved states know it. */
        virtual const char *getName() const = 0;
        /** True once a vanishing model has gone completely. */
        virtual bool isDisintegrated() const { return false; }
        /** True when the model is not to be drawn at all. */
        virtual bool isInvisible() const { return false; }
        /** Draws the model surface with its top-left corner at screen (x, y). */
        virtual void blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y) = 0;
};

#endif
