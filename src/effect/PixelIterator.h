#ifndef HEADER_PIXELITERATOR_H
#define HEADER_PIXELITERATOR_H

// Walks over the pixels of a surface, which stays locked for the iterator's
// whole life. inc moves one pixel on and runs into the row padding at the
// end of a row; callers that need exact columns use setPos. A position is
// valid while a whole pixel fits before the end of the last row.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"

#include "SDL.h"

class SurfaceLock;

class PixelIterator : public NoCopy {
    private:
        SDL_Surface *m_surface;
        SurfaceLock *m_lock;
        Uint8 *m_position;
        Uint8 *m_end;
        Uint8 m_bpp;
    public:
        /** Locks the surface and stands on its first pixel. */
        explicit PixelIterator(SDL_Surface *surface);
        virtual ~PixelIterator();

        /** Moves to the pixel at pos, which must lie inside the surface. */
        void setPos(const V2 &pos);
        bool isValid() const { return m_position + m_bpp <= m_end; }
        void inc() { m_position += m_bpp; }

        /** True when the current raw pixel is the surface's colour key. */
        bool isTransparent() const { return getPixel() == m_surface->format->colorkey; }
        Uint32 getPixel() const;
        void putPixel(Uint32 pixel);
        SDL_Color getColor() const;
        void putColor(const SDL_Color &color);
};

#endif
