#ifndef HEADER_RESIMAGEPACK_H
#define HEADER_RESIMAGEPACK_H

// A pack of pictures. A caching pack takes its surfaces from the shared
// image cache and gives each use back on removeAll, so a file used by
// several packs, or loaded again later, is decoded once. A pack built
// without caching decodes every picture itself and frees it itself.

#include "gengine/ResourcePack.h"

#include "SDL.h"

#include <string>

class Path;

class ResImagePack : public ResourcePack<SDL_Surface *> {
    private:
        bool m_caching;
    public:
        /** With allowCache, caching follows the parameter "cache_images"
         * (default true), read now and kept for the pack's life. */
        explicit ResImagePack(bool allowCache);
        virtual const char *getName() const { return "image_pack"; }
        virtual void unloadRes(SDL_Surface *res);

        /** Loads the picture (or takes it from the cache) and stores it under the name.
         * Loading errors pass to the caller and leave the pack unchanged. */
        void addImage(const std::string &name, const Path &file);
        bool isCaching() const { return m_caching; }

        /** Decodes the file into a new display-format surface with per-pixel
         * alpha, owned by the caller. Throws ImgException "Load" or
         * SDLException "DisplayFormat", both naming the file. */
        static SDL_Surface *loadImage(const Path &file);
};

#endif
