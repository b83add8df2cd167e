#include "gengine/ResCache.h"

#include "gengine/Log.h"
#include "gengine/Path.h"
#include "gengine/ResImagePack.h"

ResCache::ResCache()
    : m_releaser(new ResImagePack(false)), m_cursor(0)
{
}

ResCache::~ResCache()
{
    // Surfaces still in use belong to their packs' uses; only idle ones go.
    for (cacheEntry &entry : m_entries) {
        if (entry.value && entry.usage <= 0) {
            m_releaser->unloadRes(entry.value);
            entry.value = NULL;
        }
    }
    delete m_releaser;
}

ResCache *ResCache::instance()
{
    static ResCache cache;
    return &cache;
}

SDL_Surface *ResCache::acquire(const Path &file)
{
    const std::string &key = file.getNative();
    for (cacheEntry &entry : m_entries) {
        if (entry.value && entry.key == key) {
            entry.usage++;
            return entry.value;
        }
    }

    SDL_Surface *surface = ResImagePack::loadImage(file);
    unsigned slot = findFreeSlot();
    if (slot == CACHE_SIZE) {
        LOG_DEBUG(InfoText("cannot fit into cache").addValue("name", key));
        return surface;
    }
    cacheEntry &entry = m_entries[slot];
    if (entry.value) {
        m_releaser->unloadRes(entry.value);
    }
    entry.key = key;
    entry.value = surface;
    entry.usage = 1;
    return surface;
}

unsigned ResCache::findFreeSlot()
{
    for (unsigned tries = 0; tries < CACHE_SIZE; ++tries) {
        unsigned slot = m_cursor;
        m_cursor = (m_cursor + 1) % CACHE_SIZE;
        if (m_entries[slot].usage <= 0) {
            return slot;
        }
    }
    return CACHE_SIZE;
}

void ResCache::release(SDL_Surface *surface)
{
    if (!surface) {
        return;
    }
    for (cacheEntry &entry : m_entries) {
        if (entry.value == surface) {
            entry.usage--;
            if (entry.usage < 0) {
                LOG_WARNING(InfoText("extra release of a cache entry").addValue("name", entry.key));
                entry.usage = 0;
            }
            return;
        }
    }
    m_releaser->unloadRes(surface);
}
