#include "effect/LayeredPicture.h"
#include "effect/Picture.h"
#include "effect/PixelTool.h"
#include "effect/WavyPicture.h"
#include "gengine/Path.h"
#include "gengine/SDLException.h"

#include "SurfaceFixture.h"
#include "VideoFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace fixture;

namespace {

const Uint32 BACKGROUND = 0xff010101;

/** One row of w opaque pixels, red 10 * x + 10 in column x. */
SDL_Surface *makeRow(int w, int h = 1)
{
    SDL_Surface *row = makeRgba(w, h).release();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            setColor(row, x, y, rgba(static_cast<Uint8>(10 * x + 10), static_cast<Uint8>(y), 0));
        }
    }
    return row;
}

SurfacePtr makeScreen(int w, int h)
{
    SurfacePtr screen = makeRgba(w, h);
    SDL_FillRect(screen.get(), NULL, BACKGROUND);
    return screen;
}

/** Screen row y from column x0 on, as the source columns it shows (-1: background). */
std::vector<int> shownColumns(SDL_Surface *screen, int x0, int w, int y)
{
    std::vector<int> columns;
    for (int x = x0; x < x0 + w; ++x) {
        Uint32 pixel = rawAt(screen, x, y);
        columns.push_back(pixel == BACKGROUND ? -1 : static_cast<int>(((pixel >> 16) & 0xff) / 10 - 1));
    }
    return columns;
}

} // namespace

TEST(Picture, DrawsAtItsLocationAndKeepsItsSurfaceWhenLoadingFails)
{
    ensureVideo();
    Picture picture(makeRow(3), V2(2, 1));
    SurfacePtr screen = makeScreen(6, 3);
    picture.drawOn(screen.get());
    EXPECT_EQ((std::vector<int>{-1, -1, 0, 1, 2, -1}), shownColumns(screen.get(), 0, 6, 1));
    EXPECT_EQ((std::vector<int>{-1, -1, -1, -1, -1, -1}), shownColumns(screen.get(), 0, 6, 0));

    SDL_Surface *before = picture.getSurface();
    EXPECT_THROW(picture.changePicture(Path::nativePath("/nonexistent/picture.png")), ImgException);
    EXPECT_EQ(before, picture.getSurface());
    picture.changePicture(makeRow(5));
    EXPECT_EQ(5, picture.getW());
    picture.changePicture(picture.getSurface());
    EXPECT_EQ(5, picture.getW());
}

TEST(Picture, LoadsItsFileInTheDisplayFormat)
{
    ensureVideo();
    TempDir dir;
    std::string file = writePicture(dir, "p.bmp", 4, 2, 200, 100, 50);
    Picture picture(Path::nativePath(file), V2(0, 0));
    EXPECT_EQ(4, picture.getW());
    EXPECT_EQ(2, picture.getH());
    SDL_Color color = PixelTool::getColor(picture.getSurface(), 3, 1);
    EXPECT_EQ(200, color.r);
    EXPECT_EQ(255, color.unused);
}

TEST(WavyPicture, WithoutAmplitudeDrawsLikeAPicture)
{
    WavyPicture wavy(makeRow(4, 3), V2(1, 0));
    EXPECT_EQ(0.0f, wavy.getWamp());
    EXPECT_EQ(4.0f, wavy.getWperiod());
    wavy.setWaves(0, 4, 100);
    SurfacePtr screen = makeScreen(6, 3);
    wavy.drawAtCycle(screen.get(), 7);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ((std::vector<int>{-1, 0, 1, 2, 3, -1}), shownColumns(screen.get(), 0, 6, y));
    }
}

TEST(WavyPicture, ShiftsRowsAndFillsTheUncoveredStripWithItsOwnPixels)
{
    const float quarter = static_cast<float>(3.14159265358979323846 / 2);
    struct Case { float amplitude; float speed; int cycles; std::vector<int> shown; };
    const Case cases[] = {
        // sin 0 = 0, plus 0.5, truncated: no shift
        {2, 0, 0, {-1, 0, 1, 2, 3, 4, 5, -1}},
        // sine 1: 2.5 truncated to 2, moved left; the 2 rightmost columns are the picture's own
        {2, quarter, 1, {-1, 2, 3, 4, 5, 4, 5, -1}},
        // -2.1 + 0.5 = -1.6 truncated to -1: moved right by one, column 0 repeated
        {2.1f, -quarter, 1, {-1, 0, 0, 1, 2, 3, 4, -1}},
        // shifts beyond the width show the row unshifted, whatever the script asked
        {1e30f, quarter, 1, {-1, 0, 1, 2, 3, 4, 5, -1}},
        {-1e30f, quarter, 1, {-1, 0, 1, 2, 3, 4, 5, -1}},
        {NAN, quarter, 1, {-1, 0, 1, 2, 3, 4, 5, -1}},
    };
    for (const Case &c : cases) {
        WavyPicture wavy(makeRow(6), V2(1, 1));
        wavy.setWaves(c.amplitude, 6, c.speed);
        SurfacePtr screen = makeScreen(8, 3);
        wavy.drawAtCycle(screen.get(), c.cycles);
        EXPECT_EQ(c.shown, shownColumns(screen.get(), 0, 8, 1)) << c.amplitude << " " << c.speed;
        EXPECT_EQ(std::vector<int>(8, -1), shownColumns(screen.get(), 0, 8, 0));
    }
}

TEST(WavyPicture, RowsFollowTheSine)
{
    // period 2 pixels per radian: row y has angle y / 2
    WavyPicture wavy(makeRow(6, 4), V2(0, 0));
    wavy.setWaves(3, 2, 0);
    SurfacePtr screen = makeScreen(6, 4);
    wavy.drawAtCycle(screen.get(), 0);
    for (int y = 0; y < 4; ++y) {
        int shift = static_cast<int>(3 * std::sin(static_cast<double>(y / 2.0f)) + 0.5);
        EXPECT_EQ(shift, shownColumns(screen.get(), 0, 6, y)[0]) << y;
    }
}

namespace {

const Uint32 MASK_A = 0xff0000ff;
const Uint32 MASK_B = 0xff00ff00;

/** 3x2 upper layer of red, lower layer of column numbers, mask A in the left two columns. */
LayeredPicture *makeLayered(const V2 &loc)
{
    SDL_Surface *upper = makeRgba(3, 2).release();
    SDL_FillRect(upper, NULL, 0xffff0000);
    SDL_Surface *lower = makeRow(3, 2);
    setColor(lower, 1, 1, rgba(99, 99, 99, 254));
    SDL_Surface *mask = makeRgba(3, 2).release();
    SDL_FillRect(mask, NULL, MASK_B);
    for (int y = 0; y < 2; ++y) {
        setRaw(mask, 0, y, MASK_A);
        setRaw(mask, 1, y, MASK_A);
    }
    return new LayeredPicture(upper, loc, lower, mask);
}

} // namespace

TEST(LayeredPicture, ShowsTheOpaqueLowerLayerUnderTheActiveMaskColour)
{
    std::unique_ptr<LayeredPicture> picture(makeLayered(V2(1, 0)));
    SurfacePtr screen = makeScreen(4, 2);
    picture->drawOn(screen.get());
    EXPECT_EQ(0xffff0000u, rawAt(screen.get(), 1, 0));
    EXPECT_EQ(0xffff0000u, rawAt(screen.get(), 2, 1));

    picture->setActiveMask(MASK_A);
    picture->drawOn(screen.get());
    EXPECT_EQ((std::vector<int>{-1, 0, 1}), shownColumns(screen.get(), 0, 3, 0));
    // alpha 254 under the mask is not drawn: the upper layer stays
    EXPECT_EQ(0xffff0000u, rawAt(screen.get(), 2, 1));
    EXPECT_EQ(0xffff0000u, rawAt(screen.get(), 3, 0));

    picture->setNoActive();
    picture->drawOn(screen.get());
    EXPECT_EQ(0xffff0000u, rawAt(screen.get(), 1, 0));
}

TEST(LayeredPicture, MaskDrawingIsClippedAtTheScreenEdge)
{
    std::unique_ptr<LayeredPicture> picture(makeLayered(V2(-1, 1)));
    picture->setActiveMask(MASK_A);
    SurfacePtr screen = makeScreen(2, 2);
    picture->drawOn(screen.get());
    // lower column 0 would fall left of the screen, column 1 lands on x 0
    EXPECT_EQ((std::vector<int>{1}), shownColumns(screen.get(), 0, 1, 1));
    EXPECT_EQ(0xffff0000u, rawAt(screen.get(), 1, 1));
    EXPECT_EQ(BACKGROUND, rawAt(screen.get(), 0, 0));
}

TEST(LayeredPicture, MaskLookupIsRelativeToThePicture)
{
    std::unique_ptr<LayeredPicture> picture(makeLayered(V2(10, 20)));
    struct Case { V2 loc; Uint32 local; Uint32 world; };
    const Case cases[] = {
        {V2(0, 0), MASK_A, LayeredPicture::MASK_NO},
        {V2(2, 1), MASK_B, LayeredPicture::MASK_NO},
        {V2(3, 0), LayeredPicture::MASK_NO, LayeredPicture::MASK_NO},
        {V2(-1, 0), LayeredPicture::MASK_NO, LayeredPicture::MASK_NO},
        {V2(0, 2), LayeredPicture::MASK_NO, LayeredPicture::MASK_NO},
        {V2(12, 21), LayeredPicture::MASK_NO, MASK_B},
        {V2(10, 20), LayeredPicture::MASK_NO, MASK_A},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.local, picture->getMaskAt(c.loc)) << c.loc.toString();
        EXPECT_EQ(c.world, picture->getMaskAtWorld(c.loc)) << c.loc.toString();
    }
}

TEST(LayeredPicture, LayersOfDifferentSizesAreRefused)
{
    ensureVideo();
    TempDir dir;
    std::string upper = writePicture(dir, "upper.bmp", 4, 4);
    std::string lower = writePicture(dir, "lower.bmp", 10, 10);
    std::string mask = writePicture(dir, "mask.bmp", 10, 11);
    try {
        LayeredPicture picture(Path::nativePath(upper), V2(0, 0),
                Path::nativePath(lower), Path::nativePath(mask));
        ADD_FAILURE() << "no exception";
    } catch (const ResourceException &e) {
        EXPECT_EQ("lowerLayer and colorMask have different proportions; lowerLayer='" + lower
                + "'; colorMask='" + mask + "'", e.info().text());
    }
    std::string sameMask = writePicture(dir, "mask2.bmp", 10, 10);
    LayeredPicture picture(Path::nativePath(upper), V2(0, 0),
            Path::nativePath(lower), Path::nativePath(sameMask));
    EXPECT_EQ(LayeredPicture::MASK_NO, picture.getActiveMask());
    EXPECT_THROW(LayeredPicture(Path::nativePath(upper), V2(0, 0),
            Path::nativePath(lower), Path::nativePath(dir.file("missing.png"))), ImgException);
}
