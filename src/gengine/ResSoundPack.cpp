#include "gengine/ResSoundPack.h"

#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"

void ResSoundPack::unloadRes(Mix_Chunk *res)
{
    if (res) {
        Mix_FreeChunk(res);
    }
}

void ResSoundPack::addSound(const std::string &name, const Path &file)
{
    addRes(name, loadSound(file));
}

Mix_Chunk *ResSoundPack::loadSound(const Path &file)
{
    if (!OptionAgent::instance()->getBool("sound", true)) {
        return NULL;
    }
    Mix_Chunk *chunk = NULL;
    SDL_RWops *source = SDL_RWFromFile(file.getNative().c_str(), "rb");
    if (source) {
        chunk = Mix_LoadWAV_RW(source, 1);
    }
    if (!chunk) {
        LOG_WARNING(InfoText("cannot load sound")
                .addValue("path", file.getNative())
                .addValue("MixError", SDL_GetError()));
    }
    return chunk;
}
