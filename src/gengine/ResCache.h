#ifndef HEADER_RESCACHE_H
#define HEADER_RESCACHE_H

// The process-wide cache of decoded pictures: a fixed table of 265 slots
// keyed by the file's native path, each counting the pack entries that use
// its surface. A slot nobody uses stays valid (a later request takes it back
// without decoding) until the eviction cursor, sweeping round-robin and
// skipping slots in use, gives it to another file. When every slot is in
// use a new picture lives outside the cache and is freed on its release.

#include "gengine/NoCopy.h"

#include "SDL.h"

#include <string>

class Path;
class ResImagePack;

class ResCache : public NoCopy {
    public:
        static constexpr unsigned CACHE_SIZE = 265;
        struct cacheEntry {
            std::string key;
            SDL_Surface *value;
            int usage;
            cacheEntry() : value(NULL), usage(0) {}
        };
    private:
        cacheEntry m_entries[CACHE_SIZE];
        ResImagePack *m_releaser;
        unsigned m_cursor;

        /** Index of the slot chosen for a new surface, or CACHE_SIZE when all are in use. */
        unsigned findFreeSlot();
    public:
        ResCache();
        virtual ~ResCache();
        /** The one cache of the process. */
        static ResCache *instance();

        /** One use of the file's surface: a hit in the cache, or a newly
         * decoded surface (loading errors pass to the caller, nothing changes). */
        SDL_Surface *acquire(const Path &file);
        /** Gives one use of the surface back; a surface outside the cache is freed. */
        void release(SDL_Surface *surface);

        const cacheEntry &getEntry(unsigned index) const { return m_entries[index]; }
        unsigned getCursor() const { return m_cursor; }
};

#endif
