#ifndef HEADER_WIPICTURE_H
#define HEADER_WIPICTURE_H

// A picture as a widget, as large as its surface, which it owns.

#include "widget/IWidget.h"

class Path;

class WiPicture : public IWidget {
    protected:
        SDL_Surface *m_surface;
    public:
        /** Loads the file; loading errors pass to the caller. */
        explicit WiPicture(const Path &file);
        /** Takes ownership of the surface. */
        explicit WiPicture(SDL_Surface *surface) : m_surface(surface) {}
        virtual ~WiPicture();
        virtual void drawOn(SDL_Surface *screen);
        virtual int getW() const { return m_surface->w; }
        virtual int getH() const { return m_surface->h; }
};

#endif
