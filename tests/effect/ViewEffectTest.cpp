#include "effect/EffectDisintegrate.h"
#include "effect/EffectInvisible.h"
#include "effect/EffectMirror.h"
#include "effect/EffectNone.h"
#include "effect/EffectReverse.h"
#include "effect/EffectZx.h"
#include "gengine/Random.h"

#include "SurfaceFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace fixture;

namespace {

const Uint32 BACKGROUND = 0xff010101;

SurfacePtr makeScreen(int w, int h)
{
    SurfacePtr screen = makeRgba(w, h);
    SDL_FillRect(screen.get(), NULL, BACKGROUND);
    return screen;
}

/** A model whose pixel (x, y) is opaque red x * 16 + y (distinct up to
 * 16x16), with a green that sets it apart from the background. */
SurfacePtr makeNumberedModel(int w, int h)
{
    SurfacePtr model = makeRgba(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            setColor(model.get(), x, y, rgba(static_cast<Uint8>(x * 16 + y), 200, 7));
        }
    }
    return model;
}

} // namespace

TEST(ViewEffect, NamesAndVisibilityOfAFreshEffect)
{
    struct Case { std::unique_ptr<ViewEffect> effect; const char *name; bool invisible; };
    Case cases[] = {
        {std::unique_ptr<ViewEffect>(new EffectNone()), "none", false},
        {std::unique_ptr<ViewEffect>(new EffectMirror()), "mirror", false},
        {std::unique_ptr<ViewEffect>(new EffectReverse()), "reverse", false},
        {std::unique_ptr<ViewEffect>(new EffectInvisible()), "invisible", true},
        {std::unique_ptr<ViewEffect>(new EffectDisintegrate()), "disintegrate", false},
        {std::unique_ptr<ViewEffect>(new EffectZx()), "zx", false},
    };
    for (Case &c : cases) {
        EXPECT_STREQ(c.name, c.effect->getName());
        EXPECT_EQ(c.invisible, c.effect->isInvisible()) << c.name;
        EXPECT_FALSE(c.effect->isDisintegrated()) << c.name;
    }
}

TEST(ViewEffect, NoneBlitsWithAlphaAndInvisibleDrawsNothing)
{
    SurfacePtr model = makeNumberedModel(2, 1);
    setColor(model.get(), 1, 0, rgba(200, 0, 0, 0));
    SurfacePtr screen = makeScreen(4, 1);
    EffectNone().blit(screen.get(), model.get(), 1, 0);
    EXPECT_EQ(mapped(screen.get(), rgba(0, 200, 7)), rawAt(screen.get(), 1, 0));
    EXPECT_EQ(BACKGROUND, rawAt(screen.get(), 2, 0));

    SurfacePtr untouched = makeScreen(4, 1);
    EffectInvisible().blit(untouched.get(), model.get(), 0, 0);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(BACKGROUND, rawAt(untouched.get(), x, 0));
    }
}

TEST(EffectReverse, DrawsColumnsRightToLeftAndOnlyOpaquePixels)
{
    SurfacePtr model = makeNumberedModel(3, 2);
    setColor(model.get(), 1, 1, rgba(9, 9, 9, 254));
    SurfacePtr screen = makeScreen(16, 3);
    EffectReverse().blit(screen.get(), model.get(), 10, 1);

    for (int py = 0; py < 2; ++py) {
        for (int px = 0; px < 3; ++px) {
            Uint32 expected = (px == 1 && py == 1) ? BACKGROUND : rawAt(model.get(), px, py);
            EXPECT_EQ(expected, rawAt(screen.get(), 12 - px, 1 + py)) << px << "," << py;
        }
    }
    EXPECT_EQ(BACKGROUND, rawAt(screen.get(), 13, 1));
    EXPECT_EQ(BACKGROUND, rawAt(screen.get(), 12, 0));
}

TEST(EffectReverse, ClipsAtTheScreenEdges)
{
    SurfacePtr model = makeNumberedModel(3, 3);
    SurfacePtr screen = makeScreen(2, 2);
    EffectReverse().blit(screen.get(), model.get(), -1, -1);
    // screen (0, 0) is model column 1 (mirrored from 3 - 1 - 1), row 1
    EXPECT_EQ(rawAt(model.get(), 1, 1), rawAt(screen.get(), 0, 0));
    EXPECT_EQ(rawAt(model.get(), 0, 2), rawAt(screen.get(), 1, 1));
}

namespace {

// A mirror model 8 wide and 3 high: the whole surface is glass colour (the
// centre pixel is (4, 1)) except a red opaque pixel at (6, 0) and a
// transparent pixel of a different colour at (7, 2).
const SDL_Color GLASS = {50, 60, 70, 255};
const SDL_Color FRAME = {255, 0, 0, 255};

SurfacePtr makeMirror()
{
    SurfacePtr model = makeRgba(8, 3);
    SDL_FillRect(model.get(), NULL, mapped(model.get(), GLASS));
    setColor(model.get(), 6, 0, FRAME);
    setColor(model.get(), 7, 2, rgba(1, 1, 1, 0));
    return model;
}

/** Screen whose pixel (x, y) is opaque colour (x * 10 + 100, y, 0). */
SurfacePtr makeStripedScreen(int w, int h)
{
    SurfacePtr screen = makeRgba(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            setColor(screen.get(), x, y, rgba(static_cast<Uint8>(x * 10 + 100), static_cast<Uint8>(y), 0));
        }
    }
    return screen;
}

} // namespace

TEST(EffectMirror, ReflectsTheScreenLeftOfTheModelInItsGlass)
{
    SurfacePtr model = makeMirror();
    SurfacePtr screen = makeStripedScreen(20, 3);
    SurfacePtr before = makeStripedScreen(20, 3);
    const int x = 10;
    EffectMirror().blit(screen.get(), model.get(), x, 0);

    for (int py = 0; py < 3; ++py) {
        for (int px = 0; px < 8; ++px) {
            Uint32 expected;
            if (px == 6 && py == 0) {
                expected = mapped(screen.get(), FRAME);
            } else if (px == 7 && py == 2) {
                expected = rawAt(before.get(), x + px, py);
            } else if (px <= 3) {
                // the first four columns are never glass, even in glass colour
                expected = mapped(screen.get(), GLASS);
            } else {
                expected = rawAt(before.get(), x + 3 - px, py);
            }
            EXPECT_EQ(expected, rawAt(screen.get(), x + px, py)) << px << "," << py;
        }
    }
    // column x + 4 shows x - 1; nothing left of the model changes
    EXPECT_EQ(rawAt(before.get(), x - 1, 1), rawAt(screen.get(), x + 4, 1));
    for (int sx = 0; sx < x; ++sx) {
        EXPECT_EQ(rawAt(before.get(), sx, 2), rawAt(screen.get(), sx, 2));
    }
}

TEST(EffectMirror, GlassWhoseReflectionLeavesTheScreenIsDrawnAsTheModel)
{
    struct Case { int x; int y; };
    // x = 2: columns 4 and 5 reflect screen columns 1 and 0, columns 6 and 7
    // would reflect -1 and -2. Also a mirror hanging over the top, the left
    // and the bottom edge of the screen.
    const Case cases[] = {{2, 0}, {0, 0}, {-3, 0}, {2, -1}, {2, 1}};
    for (const Case &c : cases) {
        SurfacePtr model = makeMirror();
        SurfacePtr screen = makeStripedScreen(12, 3);
        SurfacePtr before = makeStripedScreen(12, 3);
        EffectMirror().blit(screen.get(), model.get(), c.x, c.y);
        for (int py = 0; py < 3; ++py) {
            for (int px = 0; px < 8; ++px) {
                int sx = c.x + px;
                int sy = c.y + py;
                if (sx < 0 || sy < 0 || sy >= 3) {
                    continue;
                }
                Uint32 expected = mapped(screen.get(), GLASS);
                if (px == 6 && py == 0) {
                    expected = mapped(screen.get(), FRAME);
                } else if (px == 7 && py == 2) {
                    expected = rawAt(before.get(), sx, sy);
                } else if (px > 3 && c.x + 3 - px >= 0) {
                    expected = rawAt(before.get(), c.x + 3 - px, sy);
                }
                EXPECT_EQ(expected, rawAt(screen.get(), sx, sy))
                    << "mirror at " << c.x << "," << c.y << " pixel " << px << "," << py;
            }
        }
    }
}

TEST(EffectDisintegrate, CountsDownInFourteenUpdatesAndStaysAtZero)
{
    EffectDisintegrate effect;
    const int expected[] = {400, 370, 340, 310, 280, 250, 220, 190, 160, 130, 100, 70, 40, 10, 0, 0, 0};
    for (size_t i = 0; i < sizeof(expected) / sizeof(expected[0]); ++i) {
        EXPECT_EQ(expected[i], effect.getDisint()) << "after " << i << " updates";
        EXPECT_EQ(expected[i] == 0, effect.isDisintegrated()) << i;
        EXPECT_EQ(expected[i] == 0, effect.isInvisible()) << i;
        effect.updateEffect();
    }
}

namespace {

/** Screen pixels that a disintegrating 16x16 model (more pixels than the
 * random table has bytes) leaves at the given number of updates. */
SurfacePtr disintegrated(int updates, SDL_Surface *model)
{
    EffectDisintegrate effect;
    for (int i = 0; i < updates; ++i) {
        effect.updateEffect();
    }
    SurfacePtr screen = makeScreen(18, 18);
    effect.blit(screen.get(), model, 1, 2);
    return screen;
}

} // namespace

TEST(EffectDisintegrate, ShowsOnlyOpaquePixelsWhoseRandomByteIsBelowTheCountdown)
{
    Random::init();
    SurfacePtr model = makeNumberedModel(16, 16);
    setColor(model.get(), 3, 4, rgba(7, 7, 7, 254));
    struct Case { int updates; int threshold; };
    const Case cases[] = {{0, 400}, {5, 250}, {9, 130}, {13, 10}};
    for (const Case &c : cases) {
        SurfacePtr screen = disintegrated(c.updates, model.get());
        int shown = 0;
        for (int py = 0; py < 16; ++py) {
            for (int px = 0; px < 16; ++px) {
                bool opaque = !(px == 3 && py == 4);
                bool visible = opaque && Random::aByte(static_cast<unsigned>(py * 16 + px)) < c.threshold;
                Uint32 expected = visible ? rawAt(model.get(), px, py) : BACKGROUND;
                EXPECT_EQ(expected, rawAt(screen.get(), 1 + px, 2 + py))
                    << c.threshold << " at " << px << "," << py;
                shown += visible;
            }
        }
        if (c.threshold >= 256) {
            EXPECT_EQ(255, shown);
        }
    }
}

TEST(EffectDisintegrate, ModelsOfOneWidthLoseTheSamePixels)
{
    Random::init();
    SurfacePtr first = makeRgba(16, 16);
    SDL_FillRect(first.get(), NULL, 0xff404040);
    SurfacePtr second = makeRgba(16, 16);
    SDL_FillRect(second.get(), NULL, 0xff808080);
    SurfacePtr screen1 = disintegrated(11, first.get());
    SurfacePtr screen2 = disintegrated(11, second.get());
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            EXPECT_EQ(rawAt(screen1.get(), x, y) == BACKGROUND, rawAt(screen2.get(), x, y) == BACKGROUND);
        }
    }
}

namespace {

// A zx model 3 wide with distinct corner colours, a colour-keyed hole in the
// middle column and a 16-bit screen.
const SDL_Color TOP_LEFT = {255, 0, 0, 255};
const SDL_Color BOTTOM_LEFT = {0, 255, 0, 255};
const SDL_Color TOP_RIGHT = {0, 0, 255, 255};
const SDL_Color BOTTOM_RIGHT = {255, 255, 0, 255};
const Uint32 ZX_KEY = 0xffff00ff; // opaque magenta

SurfacePtr makeZxModel(int h)
{
    SurfacePtr model = makeRgba(3, h);
    SDL_FillRect(model.get(), NULL, 0xff404040);
    setColor(model.get(), 0, 0, TOP_LEFT);
    setColor(model.get(), 0, h - 1, BOTTOM_LEFT);
    setColor(model.get(), 2, 0, TOP_RIGHT);
    setColor(model.get(), 2, h - 1, BOTTOM_RIGHT);
    for (int y = 0; y < h; y += 2) {
        setRaw(model.get(), 1, y, ZX_KEY);
    }
    SDL_SetColorKey(model.get(), SDL_SRCCOLORKEY, ZX_KEY);
    return model;
}

} // namespace

TEST(EffectZx, WideStripesSwitchColourAfterThirtyEightRows)
{
    SurfacePtr model = makeZxModel(80);
    SurfacePtr screen = makeRgb565(4, 80);
    SDL_FillRect(screen.get(), NULL, 0);
    EffectZx effect;
    effect.blit(screen.get(), model.get(), 1, 0);

    const Uint32 colour1 = mapped(screen.get(), TOP_LEFT);
    const Uint32 colour2 = mapped(screen.get(), BOTTOM_LEFT);
    for (int y = 0; y < 80; ++y) {
        // rows 0-37 in colour 1, 38-75 in colour 2, then colour 1 again
        Uint32 stripe = (y < 38 || y >= 76) ? colour1 : colour2;
        EXPECT_EQ(stripe, rawAt(screen.get(), 1, y)) << y;
        EXPECT_EQ(stripe, rawAt(screen.get(), 3, y)) << y;
        EXPECT_EQ(y % 2 == 0 ? 0u : stripe, rawAt(screen.get(), 2, y)) << y;
        EXPECT_EQ(0u, rawAt(screen.get(), 0, y));
    }
    EXPECT_EQ(1, effect.getZx());
    EXPECT_DOUBLE_EQ(4.0, effect.getCountHeight());
}

TEST(EffectZx, StripesRollOnFromFrameToFrame)
{
    SurfacePtr model = makeZxModel(30);
    SurfacePtr screen = makeRgb565(3, 30);
    EffectZx effect;
    effect.blit(screen.get(), model.get(), 0, 0);
    EXPECT_EQ(mapped(screen.get(), TOP_LEFT), rawAt(screen.get(), 0, 29));
    effect.blit(screen.get(), model.get(), 0, 0);
    // countHeight went on from 30: row 8 is the 39th row drawn
    EXPECT_EQ(mapped(screen.get(), TOP_LEFT), rawAt(screen.get(), 0, 7));
    EXPECT_EQ(mapped(screen.get(), BOTTOM_LEFT), rawAt(screen.get(), 0, 8));
}

TEST(EffectZx, NarrowStripesUseTheRightCorners)
{
    SurfacePtr model = makeZxModel(12);
    SurfacePtr screen = makeRgb565(3, 12);
    EffectZx effect;
    for (int i = 0; i < 52; ++i) {
        effect.updateEffect();
    }
    effect.blit(screen.get(), model.get(), 0, 0);
    // stripe height 3.4: the count passes it at rows 3 (4.0), 6 (3.6) and 10 (4.2)
    const Uint32 colour3 = mapped(screen.get(), TOP_RIGHT);
    const Uint32 colour4 = mapped(screen.get(), BOTTOM_RIGHT);
    const Uint32 expected[12] = {colour3, colour3, colour3, colour4, colour4, colour4,
                                 colour3, colour3, colour3, colour3, colour4, colour4};
    for (int y = 0; y < 12; ++y) {
        EXPECT_EQ(expected[y], rawAt(screen.get(), 0, y)) << y;
    }
}

TEST(EffectZx, PhasesCycleThroughWideAndNarrowStripes)
{
    EffectZx effect;
    for (int update = 1; update <= 1001; ++update) {
        effect.updateEffect();
        int phase = update % 500;
        ASSERT_EQ(phase, effect.getPhase());
        double h = effect.getStripeHeight();
        if (phase == 1) {
            EXPECT_EQ(1, effect.getZx());
            EXPECT_DOUBLE_EQ(38.0, h);
        } else if (phase == 52) {
            EXPECT_EQ(3, effect.getZx());
            EXPECT_DOUBLE_EQ(3.4, h);
        } else if (phase >= 2 && phase <= 51) {
            // 3/4 of at most 3% off plus a quarter of 38: stays near 38
            EXPECT_GT(h, 30.0) << phase;
            EXPECT_LT(h, 46.0) << phase;
        } else if (update > 52) {
            EXPECT_GT(h, 2.5) << phase;
            EXPECT_LT(h, 4.5) << phase;
        }
    }
}
