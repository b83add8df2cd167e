#include "effect/PixelTool.h"
#include "gengine/BaseException.h"

#include "SurfaceFixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace fixture;

TEST(PixelTool, PacksAndUnpacksEveryDepth)
{
    struct Case { Uint8 bpp; Uint32 value; Uint8 bytes[4]; };
    const Uint32 one = 1;
    const bool little = *reinterpret_cast<const Uint8 *>(&one) == 1;
    const Case cases[] = {
        {1, 0xab, {0xab, 0, 0, 0}},
        {2, 0x1234, {Uint8(little ? 0x34 : 0x12), Uint8(little ? 0x12 : 0x34), 0, 0}},
        // three bytes are always stored lowest byte first
        {3, 0x123456, {0x56, 0x34, 0x12, 0}},
        {4, 0x89abcdef, {Uint8(little ? 0xef : 0x89), Uint8(little ? 0xcd : 0xab),
                         Uint8(little ? 0xab : 0xcd), Uint8(little ? 0x89 : 0xef)}},
    };
    for (const Case &c : cases) {
        Uint8 buffer[6] = {0xee, 0xee, 0xee, 0xee, 0xee, 0xee};
        // odd offset: pixels of odd-pitch rows are not aligned
        PixelTool::packPixel(c.bpp, buffer + 1, c.value);
        for (int i = 0; i < 4; ++i) {
            Uint8 expected = i < c.bpp ? c.bytes[i] : 0xee;
            EXPECT_EQ(expected, buffer[1 + i]) << "bpp " << int(c.bpp) << " byte " << i;
        }
        EXPECT_EQ(0xee, buffer[0]);
        EXPECT_EQ(c.value, PixelTool::unpackPixel(c.bpp, buffer + 1)) << int(c.bpp);
    }
}

TEST(PixelTool, PackingCutsTheValueToTheDepth)
{
    Uint8 buffer[4] = {0, 0, 0, 0x77};
    PixelTool::packPixel(3, buffer, 0xff123456);
    EXPECT_EQ(0x123456u, PixelTool::unpackPixel(3, buffer));
    EXPECT_EQ(0x77, buffer[3]);
}

TEST(PixelTool, RejectsUnknownDepths)
{
    Uint8 buffer[8] = {0};
    for (Uint8 bpp : {Uint8(0), Uint8(5), Uint8(8)}) {
        try {
            PixelTool::unpackPixel(bpp, buffer);
            ADD_FAILURE() << "no exception for bpp " << int(bpp);
        } catch (const LogicException &e) {
            EXPECT_EQ("unknown color depth; bpp=" + std::to_string(bpp), e.info().text());
        }
        EXPECT_THROW(PixelTool::packPixel(bpp, buffer, 1), LogicException);
    }
}

TEST(PixelTool, PutPixelIgnoresPositionsOutsideTheSurface)
{
    SurfacePtr surface = makeRgba(3, 2);
    SDL_FillRect(surface.get(), NULL, 0x11223344);
    const int outside[][2] = {{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {-5, 9}};
    for (const auto &pos : outside) {
        PixelTool::putPixel(surface.get(), pos[0], pos[1], 0xffffffff);
    }
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(0x11223344u, rawAt(surface.get(), x, y));
        }
    }
    PixelTool::putPixel(surface.get(), 2, 1, 0xffffffff);
    EXPECT_EQ(0xffffffffu, rawAt(surface.get(), 2, 1));
}

TEST(PixelTool, ColorsCarryAlphaInTheFourthByte)
{
    SurfacePtr surface = makeRgba(2, 1);
    PixelTool::putColor(surface.get(), 1, 0, rgba(10, 20, 30, 40));
    EXPECT_EQ(0x280a141eu, rawAt(surface.get(), 1, 0));
    SDL_Color back = PixelTool::getColor(surface.get(), 1, 0);
    EXPECT_EQ(10, back.r);
    EXPECT_EQ(20, back.g);
    EXPECT_EQ(30, back.b);
    EXPECT_EQ(40, back.unused);
    EXPECT_EQ(0x280a141eu, PixelTool::getPixel(surface.get(), 1, 0));
}

TEST(PixelTool, ColorEqualityIgnoresAlphaAndConversionDropsIt)
{
    EXPECT_TRUE(PixelTool::colorEquals(rgba(1, 2, 3, 0), rgba(1, 2, 3, 255)));
    EXPECT_FALSE(PixelTool::colorEquals(rgba(1, 2, 3), rgba(1, 2, 4)));
    EXPECT_FALSE(PixelTool::colorEquals(rgba(0, 2, 3), rgba(1, 2, 3)));

    SurfacePtr screen = makeRgb565(1, 1);
    EXPECT_EQ(0xf800u, PixelTool::convertColor(screen->format, rgba(255, 0, 0, 0)));
    SurfacePtr rgbaSurface = makeRgba(1, 1);
    EXPECT_EQ(0xff0000ffu, PixelTool::convertColor(rgbaSurface->format, rgba(0, 0, 255, 3)));
}
