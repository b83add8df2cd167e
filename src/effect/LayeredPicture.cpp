#include "effect/LayeredPicture.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"
#include "gengine/BaseException.h"
#include "gengine/Path.h"
#include "gengine/ResImagePack.h"

#include <memory>

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface *surface) const { SDL_FreeSurface(surface); }
};
typedef std::unique_ptr<SDL_Surface, SurfaceDeleter> t_surface;

/** The lower layer loaded, to be freed again if the mask fails to load. */
SDL_Surface *loadBoth(const Path &lowerFile, const Path &maskFile, SDL_Surface **mask)
{
    t_surface lower(ResImagePack::loadImage(lowerFile));
    *mask = ResImagePack::loadImage(maskFile);
    return lower.release();
}

} // namespace

LayeredPicture::LayeredPicture(const Path &bgFile, const V2 &loc,
        const Path &lowerFile, const Path &maskFile)
    : Picture(bgFile, loc), m_lowerLayer(NULL), m_colorMask(NULL), m_activeColor(MASK_NO)
{
    m_lowerLayer = loadBoth(lowerFile, maskFile, &m_colorMask);
    checkProportions(lowerFile.getNative(), maskFile.getNative());
}

LayeredPicture::LayeredPicture(SDL_Surface *upper, const V2 &loc, SDL_Surface *lower, SDL_Surface *mask)
    : Picture(upper, loc), m_lowerLayer(lower), m_colorMask(mask), m_activeColor(MASK_NO)
{
    checkProportions("", "");
}

/** On a mismatch frees the two layers here; the upper one goes with the picture. */
void LayeredPicture::checkProportions(const std::string &lowerName, const std::string &maskName)
{
    if (m_lowerLayer->w != m_colorMask->w || m_lowerLayer->h != m_colorMask->h) {
        SDL_FreeSurface(m_lowerLayer);
        SDL_FreeSurface(m_colorMask);
        throw ResourceException(InfoText("lowerLayer and colorMask have different proportions")
                .addValue("lowerLayer", lowerName)
                .addValue("colorMask", maskName));
    }
}

LayeredPicture::~LayeredPicture()
{
    SDL_FreeSurface(m_lowerLayer);
    SDL_FreeSurface(m_colorMask);
}

void LayeredPicture::drawOn(SDL_Surface *screen)
{
    Picture::drawOn(screen);
    if (m_activeColor == MASK_NO) {
        return;
    }

    SurfaceLock lock1(screen);
    SurfaceLock lock2(m_lowerLayer);
    SurfaceLock lock3(m_colorMask);
    const int locX = m_loc.getX();
    const int locY = m_loc.getY();
    for (int y = 0; y < m_colorMask->h; ++y) {
        for (int x = 0; x < m_colorMask->w; ++x) {
            if (PixelTool::getPixel(m_colorMask, x, y) == m_activeColor) {
                SDL_Color lower = PixelTool::getColor(m_lowerLayer, x, y);
                if (lower.unused == 255) {
                    PixelTool::putColor(screen, x + locX, y + locY, lower);
                }
            }
        }
    }
}

Uint32 LayeredPicture::getMaskAt(const V2 &loc)
{
    int x = loc.getX();
    int y = loc.getY();
    if (x < 0 || x >= m_colorMask->w || y < 0 || y >= m_colorMask->h) {
        return MASK_NO;
    }
    SurfaceLock lock(m_colorMask);
    return PixelTool::getPixel(m_colorMask, x, y);
}
