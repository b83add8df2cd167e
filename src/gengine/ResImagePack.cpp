#include "gengine/ResImagePack.h"

#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ResCache.h"
#include "gengine/SDLException.h"

#include "SDL_image.h"

ResImagePack::ResImagePack(bool allowCache)
    : m_caching(false)
{
    if (allowCache) {
        m_caching = OptionAgent::instance()->getBool("cache_images", true);
    }
}

void ResImagePack::addImage(const std::string &name, const Path &file)
{
    SDL_Surface *surface = m_caching ? ResCache::instance()->acquire(file) : loadImage(file);
    addRes(name, surface);
}

void ResImagePack::unloadRes(SDL_Surface *res)
{
    if (m_caching) {
        ResCache::instance()->release(res);
    } else {
        SDL_FreeSurface(res);
    }
}

SDL_Surface *ResImagePack::loadImage(const Path &file)
{
    SDL_Surface *raw = IMG_Load(file.getNative().c_str());
    if (!raw) {
        throw ImgException(InfoText("Load").addValue("file", file.getNative()));
    }
    SDL_Surface *surface = SDL_DisplayFormatAlpha(raw);
    SDL_FreeSurface(raw);
    if (!surface) {
        throw SDLException(InfoText("DisplayFormat").addValue("file", file.getNative()));
    }
    return surface;
}
