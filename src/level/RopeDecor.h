#ifndef HEADER_ROPEDECOR_H
#define HEADER_ROPEDECOR_H

// A rope between two models: a line from a point of the first to a point
// of the second, each given in pixels from the model's drawn corner, so it
// follows both models while they move. The models belong to the room.

#include "level/Decor.h"

#include "gengine/V2.h"

class Cube;

class RopeDecor : public Decor {
    private:
        const Cube *m_model1;
        const Cube *m_model2;
        V2 m_shift1;
        V2 m_shift2;
    public:
        RopeDecor(const Cube *model1, const Cube *model2, const V2 &shift1, const V2 &shift2);
        virtual void drawOnScreen(const View *view, SDL_Surface *screen);
};

#endif
