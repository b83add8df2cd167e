#ifndef HEADER_RESCOLORPACK_H
#define HEADER_RESCOLORPACK_H

// Named colours (of the subtitles); the pack owns them.

#include "gengine/ResourcePack.h"

#include "SDL.h"

class ResColorPack : public ResourcePack<SDL_Color *> {
    public:
        virtual const char *getName() const { return "color_pack"; }
        virtual void unloadRes(SDL_Color *res) { delete res; }
};

#endif
