#include "effect/Font.h"
#include "effect/PixelTool.h"
#include "gengine/Path.h"
#include "gengine/SDLException.h"

#include "SurfaceFixture.h"
#include "VideoFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace fixture;

namespace {

const char *const FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const SDL_Color WHITE = {255, 255, 255, 255};

class FontTest : public testing::Test {
    protected:
        std::unique_ptr<Font> font;
        void SetUp() override
        {
            ensureVideo();
            if (!TTF_WasInit()) {
                Font::init();
            }
            font.reset(new Font(Path::nativePath(FONT_FILE), 20));
        }
};

/** Which pixels differ from the colour key, row by row. */
std::vector<std::vector<bool>> inkOf(SDL_Surface *surface)
{
    std::vector<std::vector<bool>> ink(surface->h, std::vector<bool>(surface->w));
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            ink[y][x] = PixelTool::getPixel(surface, x, y) != surface->format->colorkey;
        }
    }
    SDL_UnlockSurface(surface);
    return ink;
}

/** Taxicab distance from (x, y) to the nearest inked pixel. */
int inkDistance(const std::vector<std::vector<bool>> &ink, int x, int y)
{
    int best = 1 << 30;
    for (size_t iy = 0; iy < ink.size(); ++iy) {
        for (size_t ix = 0; ix < ink[iy].size(); ++ix) {
            if (ink[iy][ix]) {
                int d = std::abs(static_cast<int>(ix) - x) + std::abs(static_cast<int>(iy) - y);
                best = d < best ? d : best;
            }
        }
    }
    return best;
}

} // namespace

TEST_F(FontTest, RenderedTextIsColourKeyedAndShowsOnlyItsGlyphs)
{
    SurfacePtr text(font->renderText("Ab", WHITE));
    EXPECT_EQ(font->calcTextWidth("Ab"), text->w);
    EXPECT_EQ(font->getHeight(), text->h);
    EXPECT_TRUE(text->flags & SDL_SRCCOLORKEY);

    SurfacePtr screen = makeRgba(text->w, text->h);
    SDL_FillRect(screen.get(), NULL, 0xff0000ff);
    SDL_BlitSurface(text.get(), NULL, screen.get(), NULL);
    std::vector<std::vector<bool>> ink = inkOf(text.get());
    int inked = 0;
    for (int y = 0; y < text->h; ++y) {
        for (int x = 0; x < text->w; ++x) {
            EXPECT_EQ(!ink[y][x], rawAt(screen.get(), x, y) == 0xff0000ff) << x << "," << y;
            inked += ink[y][x];
        }
    }
    EXPECT_GT(inked, 20);
}

TEST_F(FontTest, EmptyTextRendersASpaceWithAWarning)
{
    testing::internal::CaptureStderr();
    SurfacePtr text(font->renderText("", {1, 2, 3, 255}));
    std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(font->calcTextWidth(" "), text->w);
    EXPECT_NE(std::string::npos, log.find("src/effect/Font:")) << log;
    EXPECT_NE(std::string::npos, log.find("WARNING empty text to render; r=1; g=2; b=3")) << log;
}

TEST_F(FontTest, OutlineGrowsOneRingPerPassAroundTheGlyphs)
{
    SurfacePtr plain(font->renderText(" A ", WHITE));
    std::vector<std::vector<bool>> ink = inkOf(plain.get());
    const Uint32 black = SDL_MapRGB(plain->format, 0, 0, 0);
    for (int width : {1, 2}) {
        SurfacePtr outlined(font->renderTextOutlined("A", WHITE, width));
        ASSERT_EQ(plain->w, outlined->w);
        ASSERT_EQ(plain->h, outlined->h);
        SDL_LockSurface(outlined.get());
        SDL_LockSurface(plain.get());
        int ring = 0;
        for (int y = 0; y < plain->h; ++y) {
            for (int x = 0; x < plain->w; ++x) {
                Uint32 pixel = PixelTool::getPixel(outlined.get(), x, y);
                if (ink[y][x]) {
                    // glyph pixels are never painted over
                    EXPECT_EQ(PixelTool::getPixel(plain.get(), x, y), pixel) << x << "," << y;
                } else if (inkDistance(ink, x, y) <= width) {
                    EXPECT_EQ(black, pixel) << "width " << width << " at " << x << "," << y;
                    ++ring;
                } else {
                    EXPECT_EQ(outlined->format->colorkey, pixel) << "width " << width << " at " << x << "," << y;
                }
            }
        }
        SDL_UnlockSurface(plain.get());
        SDL_UnlockSurface(outlined.get());
        EXPECT_GT(ring, 10 * width);
    }
}

TEST_F(FontTest, MissingFontFileIsNamed)
{
    try {
        Font missing(Path::nativePath("/nonexistent/font.ttf"), 12);
        ADD_FAILURE() << "no exception";
    } catch (const TTFException &e) {
        EXPECT_EQ(0u, e.info().text().find("OpenFont; file='/nonexistent/font.ttf'")) << e.what();
    }
}
