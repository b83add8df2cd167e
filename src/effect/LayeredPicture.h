#ifndef HEADER_LAYEREDPICTURE_H
#define HEADER_LAYEREDPICTURE_H

// A picture with a hidden lower layer and a colour mask of the same size:
// the area where the mask has the active raw pixel value is drawn from the
// lower layer over the upper one (the highlighted regions of the world map).
// Only fully opaque lower-layer pixels are drawn. The upper layer is the
// inherited surface; its size is not tied to the other two.

#include "effect/Picture.h"

#include <string>

class LayeredPicture : public Picture {
    public:
        static constexpr Uint32 MASK_NO = 0xffffffff;
    private:
        SDL_Surface *m_lowerLayer;
        SDL_Surface *m_colorMask;
        Uint32 m_activeColor;

        void checkProportions(const std::string &lowerName, const std::string &maskName);
    public:
        /** Loads the three files. Throws ResourceException "lowerLayer and
         * colorMask have different proportions" when the two differ in size. */
        LayeredPicture(const Path &bgFile, const V2 &loc, const Path &lowerFile, const Path &maskFile);
        /** Takes ownership of the three surfaces, with the same size check. */
        LayeredPicture(SDL_Surface *upper, const V2 &loc, SDL_Surface *lower, SDL_Surface *mask);
        virtual ~LayeredPicture();
        virtual void drawOn(SDL_Surface *screen);

        void setActiveMask(Uint32 maskValue) { m_activeColor = maskValue; }
        void setNoActive() { m_activeColor = MASK_NO; }
        Uint32 getActiveMask() const { return m_activeColor; }
        /** Raw mask pixel at a position relative to the picture, MASK_NO outside. */
        Uint32 getMaskAt(const V2 &loc);
        /** getMaskAt of a screen position. */
        Uint32 getMaskAtWorld(const V2 &worldLoc) { return getMaskAt(worldLoc.minus(m_loc)); }
};

#endif
