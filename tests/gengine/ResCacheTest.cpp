#include "gengine/AgentPack.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ResCache.h"
#include "gengine/ResImagePack.h"
#include "gengine/SDLException.h"

#include "effect/VideoFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace fixture;

namespace {

class LogLevelGuard {
    public:
        explicit LogLevelGuard(int level) : m_saved(getLogLevel()) { setLogLevel(level); }
        ~LogLevelGuard() { setLogLevel(m_saved); }
    private:
        int m_saved;
};

class ResCacheTest : public testing::Test {
    protected:
        TempDir dir;
        ResCache cache;
        void SetUp() override { ensureVideo(); }

        Path picture(const std::string &name)
        {
            return Path::nativePath(writePicture(dir, name + ".bmp", 1, 1));
        }
        /** The slot holding the surface, or CACHE_SIZE. */
        unsigned slotOf(const SDL_Surface *surface) const
        {
            for (unsigned i = 0; i < ResCache::CACHE_SIZE; ++i) {
                if (cache.getEntry(i).value == surface) {
                    return i;
                }
            }
            return ResCache::CACHE_SIZE;
        }
};

} // namespace

TEST_F(ResCacheTest, KeepsAnIdleSurfaceForTheNextRequest)
{
    Path file = picture("a");
    SDL_Surface *first = cache.acquire(file);
    EXPECT_EQ(first, cache.acquire(file));
    ASSERT_EQ(0u, slotOf(first));
    EXPECT_EQ(2, cache.getEntry(0).usage);
    EXPECT_EQ(file.getNative(), cache.getEntry(0).key);

    cache.release(first);
    cache.release(first);
    EXPECT_EQ(0, cache.getEntry(0).usage);
    EXPECT_EQ(first, cache.getEntry(0).value);

    // the file is gone: only a cache hit can still give the picture
    std::remove(file.getNative().c_str());
    EXPECT_EQ(first, cache.acquire(file));
    EXPECT_EQ(1, cache.getEntry(0).usage);
    cache.release(first);
}

TEST_F(ResCacheTest, ExtraReleaseWarnsOnceAndStaysAtZero)
{
    SDL_Surface *surface = cache.acquire(picture("b"));
    cache.release(surface);
    testing::internal::CaptureStderr();
    cache.release(surface);
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(0, cache.getEntry(0).usage);
    EXPECT_EQ(surface, cache.getEntry(0).value);
    EXPECT_NE(std::string::npos, log.find("src/gengine/ResCache:")) << log;
    EXPECT_NE(std::string::npos, log.find("WARNING extra release of a cache entry")) << log;
    EXPECT_EQ(log.find("extra release"), log.rfind("extra release"));
}

TEST_F(ResCacheTest, FailedLoadChangesNothing)
{
    EXPECT_THROW(cache.acquire(Path::nativePath(dir.file("missing.png"))), ImgException);
    EXPECT_EQ(0u, cache.getCursor());
    EXPECT_EQ(NULL, cache.getEntry(0).value);
}

TEST_F(ResCacheTest, CursorSkipsSlotsInUseAndAFullCacheLetsPicturesLiveOutside)
{
    std::vector<SDL_Surface *> held;
    for (unsigned i = 0; i < ResCache::CACHE_SIZE; ++i) {
        held.push_back(cache.acquire(picture("fill" + std::to_string(i))));
        ASSERT_EQ(i, slotOf(held.back()));
    }
    EXPECT_EQ(0u, cache.getCursor());

    // slots 0-9 and 13 become idle; ten misses take 0-9 and leave the cursor at 10
    for (unsigned i : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 13u}) {
        cache.release(held[i]);
    }
    for (unsigned i = 0; i < 10; ++i) {
        held[i] = cache.acquire(picture("again" + std::to_string(i)));
        EXPECT_EQ(i, slotOf(held[i]));
    }
    EXPECT_EQ(10u, cache.getCursor());

    // slots 10 to 12 are in use: the next miss takes slot 13, the cursor moves to 14
    Path next = picture("next");
    held[13] = cache.acquire(next);
    EXPECT_EQ(13u, slotOf(held[13]));
    EXPECT_EQ(next.getNative(), cache.getEntry(13).key);
    EXPECT_EQ(14u, cache.getCursor());

    // every slot in use: the new picture works but stays outside the cache
    Path outsider = picture("outsider");
    SDL_Surface *outside;
    {
        LogLevelGuard debug(LOG_LEVEL_DEBUG);
        testing::internal::CaptureStderr();
        outside = cache.acquire(outsider);
        std::string log = testing::internal::GetCapturedStderr();
        EXPECT_NE(std::string::npos,
                  log.find("src/gengine/ResCache:")) << log;
        EXPECT_NE(std::string::npos,
                  log.find("DEBUG cannot fit into cache; name='" + outsider.getNative() + "'")) << log;
    }
    ASSERT_TRUE(outside);
    EXPECT_EQ(1, outside->w);
    EXPECT_EQ(ResCache::CACHE_SIZE, slotOf(outside));
    EXPECT_EQ(14u, cache.getCursor());
    // its release frees it (the sanitizer build checks that) and touches no slot
    cache.release(outside);
    for (unsigned i = 0; i < ResCache::CACHE_SIZE; ++i) {
        EXPECT_EQ(1, cache.getEntry(i).usage) << i;
    }
    for (SDL_Surface *surface : held) {
        cache.release(surface);
    }
}

namespace {

class ResImagePackTest : public testing::Test {
    protected:
        TempDir dir;
        AgentPack agents;
        void SetUp() override
        {
            ensureVideo();
            agents.addAgent(new OptionAgent());
            agents.init();
        }
        Path picture(const std::string &name)
        {
            return Path::nativePath(writePicture(dir, name + ".bmp", 2, 1));
        }
        static const ResCache::cacheEntry *entryOf(const SDL_Surface *surface)
        {
            for (unsigned i = 0; i < ResCache::CACHE_SIZE; ++i) {
                if (ResCache::instance()->getEntry(i).value == surface) {
                    return &ResCache::instance()->getEntry(i);
                }
            }
            return NULL;
        }
};

} // namespace

TEST_F(ResImagePackTest, CachingPacksShareOneDecodedSurface)
{
    Path file = picture("shared");
    ResImagePack first(true);
    ResImagePack second(true);
    EXPECT_TRUE(first.isCaching());
    EXPECT_STREQ("image_pack", first.getName());
    first.addImage("fish", file);
    second.addImage("other", file);
    SDL_Surface *surface = first.getRes("fish");
    EXPECT_EQ(surface, second.getRes("other"));
    ASSERT_TRUE(entryOf(surface));
    EXPECT_EQ(2, entryOf(surface)->usage);

    first.removeAll();
    second.removeAll();
    ASSERT_TRUE(entryOf(surface));
    EXPECT_EQ(0, entryOf(surface)->usage);

    std::remove(file.getNative().c_str());
    ResImagePack third(true);
    third.addImage("again", file);
    EXPECT_EQ(surface, third.getRes("again"));
    third.removeAll();
}

TEST_F(ResImagePackTest, WithoutCachingEveryPictureIsDecodedAndFreedByThePack)
{
    OptionAgent::instance()->setParam("cache_images", "0");
    Path file = picture("private");
    ResImagePack pack(true);
    EXPECT_FALSE(pack.isCaching());
    pack.addImage("fish", file);
    pack.addImage("fish", file);
    EXPECT_NE(pack.getRes("fish", 0), pack.getRes("fish", 1));
    EXPECT_EQ(NULL, entryOf(pack.getRes("fish", 0)));
    pack.removeAll();

    ResImagePack plain(false);
    EXPECT_FALSE(plain.isCaching());
    plain.removeAll();
}

TEST_F(ResImagePackTest, LoadingErrorsNameTheFile)
{
    std::string missing = dir.file("missing.png");
    try {
        SDL_FreeSurface(ResImagePack::loadImage(Path::nativePath(missing)));
        ADD_FAILURE() << "no exception";
    } catch (const ImgException &e) {
        EXPECT_EQ(0u, e.info().text().find("Load; file='" + missing + "'")) << e.what();
    }
    ResImagePack pack(true);
    EXPECT_THROW(pack.addImage("fish", Path::nativePath(missing)), ImgException);
    EXPECT_EQ(0, pack.countRes("fish"));
}
