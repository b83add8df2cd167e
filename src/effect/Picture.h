#ifndef HEADER_PICTURE_H
#define HEADER_PICTURE_H

// A surface placed at a screen position. The picture owns its surface and
// frees it when it is destroyed or given another one.

#include "gengine/Drawable.h"
#include "gengine/V2.h"

#include "SDL.h"

class Path;

class Picture : public Drawable {
    protected:
        V2 m_loc;
        SDL_Surface *m_surface;
    public:
        /** Loads the file (ResImagePack::loadImage); loading errors pass to the caller. */
        Picture(const Path &file, const V2 &loc);
        /** Takes ownership of the surface. */
        Picture(SDL_Surface *surface, const V2 &loc);
        virtual ~Picture();
        /** Blits the whole surface with its top-left corner at loc. */
        virtual void drawOn(SDL_Surface *screen);

        /** Replaces the surface by the file's picture. If loading fails the
         * old surface stays. */
        void changePicture(const Path &file);
        /** Replaces the surface by the given one, which the picture now owns. */
        void changePicture(SDL_Surface *surface);

        V2 getLoc() const { return m_loc; }
        void setLoc(const V2 &loc) { m_loc = loc; }
        SDL_Surface *getSurface() const { return m_surface; }
        int getW() const { return m_surface->w; }
        int getH() const { return m_surface->h; }
};

#endif
