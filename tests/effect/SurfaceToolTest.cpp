#include "effect/PixelTool.h"
#include "effect/SurfaceTool.h"

#include "SurfaceFixture.h"

#include <gtest/gtest.h>

using namespace fixture;

TEST(SurfaceTool, EmptySurfaceTakesTheModelsFormatAndMissingSizes)
{
    SurfacePtr model = makeRgb565(7, 3);
    struct Case { int w; int h; int expectedW; int expectedH; };
    const Case cases[] = {{0, 5, 7, 5}, {4, 0, 4, 3}, {0, 0, 7, 3}, {2, 9, 2, 9}};
    for (const Case &c : cases) {
        SurfacePtr empty(SurfaceTool::createEmpty(model.get(), c.w, c.h));
        EXPECT_EQ(c.expectedW, empty->w);
        EXPECT_EQ(c.expectedH, empty->h);
        EXPECT_EQ(16, empty->format->BitsPerPixel);
        EXPECT_EQ(0xf800u, empty->format->Rmask);
        EXPECT_EQ(0x001fu, empty->format->Bmask);
    }
}

TEST(SurfaceTool, CloneCopiesPixelsAndColourKey)
{
    SurfacePtr model = makeRgba(3, 2);
    SDL_FillRect(model.get(), NULL, 0xff102030);
    setRaw(model.get(), 1, 1, 0xff00ff00);
    SDL_SetColorKey(model.get(), SDL_SRCCOLORKEY, 0xff00ff00);
    SurfacePtr clone(SurfaceTool::createClone(model.get()));
    ASSERT_NE(model.get(), clone.get());
    EXPECT_EQ(0xff00ff00u, rawAt(clone.get(), 1, 1));
    EXPECT_EQ(0xff102030u, rawAt(clone.get(), 2, 0));
    EXPECT_EQ(0xff00ff00u, clone->format->colorkey);
    EXPECT_TRUE(clone->flags & SDL_SRCCOLORKEY);
}

TEST(SurfaceTool, AlphaFillTintsOnlyTheRectangle)
{
    SurfacePtr screen = makeRgb565(4, 2);
    SDL_FillRect(screen.get(), NULL, 0);
    SDL_Rect rect = {1, 0, 2, 1};
    SurfaceTool::alphaFill(screen.get(), &rect, rgba(255, 255, 255, 128));
    SDL_Color tinted = PixelTool::getColor(screen.get(), 1, 0);
    EXPECT_NEAR(128, tinted.r, 8);
    EXPECT_EQ(tinted.g, PixelTool::getColor(screen.get(), 2, 0).g);
    EXPECT_EQ(0u, rawAt(screen.get(), 0, 0));
    EXPECT_EQ(0u, rawAt(screen.get(), 3, 0));
    EXPECT_EQ(0u, rawAt(screen.get(), 1, 1));

    // an empty rectangle tints nothing (not the whole surface)
    SDL_Rect nothing = {0, 1, 0, 1};
    SurfaceTool::alphaFill(screen.get(), &nothing, rgba(255, 255, 255, 255));
    EXPECT_EQ(0u, rawAt(screen.get(), 0, 1));
}

TEST(SurfaceTool, TransparentSurfaceIsAllColourKey)
{
    SurfacePtr surface(SurfaceTool::createTransparent(3, 2, rgba(10, 20, 30, 255)));
    EXPECT_EQ(32, surface->format->BitsPerPixel);
    EXPECT_TRUE(surface->flags & SDL_SRCCOLORKEY);
    SDL_LockSurface(surface.get());
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(surface->format->colorkey, PixelTool::getPixel(surface.get(), x, y));
        }
    }
    SDL_UnlockSurface(surface.get());

    SurfacePtr screen = makeRgba(3, 2);
    SDL_FillRect(screen.get(), NULL, 0xff777777);
    SDL_BlitSurface(surface.get(), NULL, screen.get(), NULL);
    EXPECT_EQ(0xff777777u, rawAt(screen.get(), 2, 1));
}
