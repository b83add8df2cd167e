#ifndef HEADER_OUTLINE_H
#define HEADER_OUTLINE_H

// A ring of a colour drawn around everything on a surface that is not the
// background value. Each pass grows the ring by one pixel in the four main
// directions; pixels painted in a pass do not spread further in that pass.

#include "SDL.h"

class Outline {
    private:
        SDL_Color m_color;
        int m_width;
        Uint32 m_pixel;

        void drawOneLine(SDL_Surface *surface, Uint32 bgColor);
        void fillNeighbours(SDL_Surface *surface, Uint32 bgColor, int x, int y);
    public:
        Outline(const SDL_Color &color, int width);
        /** Outlines what differs from the surface's colour key. */
        void drawOnColorKey(SDL_Surface *surface);
        /** Outlines what differs from the raw background value. */
        void drawOn(SDL_Surface *surface, Uint32 bgColor);
};

#endif
