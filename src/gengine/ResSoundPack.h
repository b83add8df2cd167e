#ifndef HEADER_RESSOUNDPACK_H
#define HEADER_RESSOUNDPACK_H

// Sounds under names. A sound that cannot be loaded is kept as null, so its
// name still exists and plays nothing; with "sound" off nothing is loaded.

#include "gengine/ResourcePack.h"

#include "SDL_mixer.h"

class Path;

class ResSoundPack : public ResourcePack<Mix_Chunk*> {
    public:
        virtual const char *getName() const { return "sound_pack"; }
        virtual void unloadRes(Mix_Chunk *res);
        void addSound(const std::string &name, const Path &file);
        /** The decoded sound, owned by the caller; null with a warning on failure. */
        static Mix_Chunk *loadSound(const Path &file);
};

#endif
