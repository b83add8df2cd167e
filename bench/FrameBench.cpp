// One frame as a level shows it: a 600x450 wavy background, 40 models (a
// few through the pixel effects), two subtitle lines, then the video agent's
// stretch onto the 320x240x16 display and its flip, on SDL's dummy driver.

#include "effect/EffectDisintegrate.h"
#include "effect/EffectMirror.h"
#include "effect/EffectNone.h"
#include "effect/EffectReverse.h"
#include "effect/EffectZx.h"
#include "effect/Font.h"
#include "effect/WavyPicture.h"
#include "gengine/AgentPack.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ScriptAgent.h"
#include "gengine/VideoAgent.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ftw.h>
#include <sys/stat.h>
#include <memory>
#include <string>
#include <vector>

namespace {

int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return remove(path);
}

/** A picture in the display format with per-pixel alpha, as loaded pictures are. */
SDL_Surface *makePicture(int w, int h, unsigned seed)
{
    SDL_Surface *raw = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32,
            0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    SDL_LockSurface(raw);
    for (int y = 0; y < h; ++y) {
        Uint32 *row = reinterpret_cast<Uint32 *>(static_cast<Uint8 *>(raw->pixels) + y * raw->pitch);
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            // A rim of transparent pixels around an opaque body, like a model.
            const bool body = x > 1 && y > 1 && x < w - 2 && y < h - 2;
            row[x] = (body ? 0xFF000000u : 0u) | (seed >> 8 & 0x00FFFFFFu);
        }
    }
    SDL_UnlockSurface(raw);
    SDL_Surface *converted = SDL_DisplayFormatAlpha(raw);
    SDL_FreeSurface(raw);
    return converted;
}

/** A model: one picture drawn through its view effect. */
class Model : public Drawable {
    private:
        SDL_Surface *m_surface;
        std::unique_ptr<ViewEffect> m_effect;
        int m_x, m_y;
        int m_kind;
    public:
        Model(int kind, int x, int y, SDL_Surface *surface)
            : m_surface(surface), m_effect(effectFor(kind)), m_x(x), m_y(y), m_kind(kind) {}
        virtual ~Model() { SDL_FreeSurface(m_surface); }
        static ViewEffect *effectFor(int kind)
        {
            switch (kind) {
                case 1: return new EffectMirror();
                case 2: return new EffectDisintegrate();
                case 3: return new EffectZx();
                case 4: return new EffectReverse();
                default: return new EffectNone();
            }
        }
        virtual void drawOn(SDL_Surface *screen)
        {
            if (m_effect->isDisintegrated()) {
                // Keep the vanishing model vanishing, frame after frame.
                m_effect.reset(effectFor(m_kind));
            }
            if (!m_effect->isInvisible()) {
                m_effect->blit(screen, m_surface, m_x, m_y);
            }
            m_effect->updateEffect();
        }
};

class Background : public Drawable {
    private:
        WavyPicture m_picture;
        int m_cycle;
    public:
        explicit Background(SDL_Surface *surface) : m_picture(surface, V2(0, 0)), m_cycle(0)
        { m_picture.setWaves(3.0f, 40.0f, 0.2f); }
        virtual void drawOn(SDL_Surface *screen) { m_picture.drawAtCycle(screen, ++m_cycle); }
};

/** Subtitle lines are rendered once when they appear and blitted each frame. */
class Subtitles : public Drawable {
    private:
        std::vector<SDL_Surface *> m_lines;
    public:
        explicit Subtitles(const Font &font)
        {
            const SDL_Color yellow = {255, 255, 0, 0};
            m_lines.push_back(font.renderTextOutlined("Look, the steel pipe is in the way again.", yellow));
            m_lines.push_back(font.renderTextOutlined("Then you push it, I am far too small.", yellow));
        }
        virtual ~Subtitles()
        {
            for (SDL_Surface *line : m_lines) {
                SDL_FreeSurface(line);
            }
        }
        virtual void drawOn(SDL_Surface *screen)
        {
            int y = screen->h - 2 * 24 - 10;
            for (SDL_Surface *line : m_lines) {
                SDL_Rect rect;
                rect.x = static_cast<Sint16>((screen->w - line->w) / 2);
                rect.y = static_cast<Sint16>(y);
                SDL_BlitSurface(line, NULL, screen, &rect);
                y += 24;
            }
        }
};

void BM_Frame(benchmark::State &state)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    char pattern[] = "/tmp/tidepool-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    {
        AgentPack pack;
        pack.addAgent(new ScriptAgent());
        pack.addAgent(new OptionAgent());
        pack.addAgent(new VideoAgent());
        pack.init("30video");
        OptionAgent *options = OptionAgent::instance();
        options->setParam("systemdir", dir);
        options->setParam("userdir", dir + "/user");
        options->setParam("screen_width", 600);
        options->setParam("screen_height", 450);

        // The icon is read as the agent starts; any picture file will do.
        mkdir((dir + "/images").c_str(), 0777);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_Surface *icon = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
        SDL_SaveBMP(icon, (dir + "/images/icon.png").c_str());
        SDL_FreeSurface(icon);
        pack.init();
        VideoAgent *video = VideoAgent::instance();

        Font::init();
        {
            Font font(Path::nativePath("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"), 18);
            Background background(makePicture(600, 450, 7));
            std::vector<std::unique_ptr<Model>> models;
            for (int i = 0; i < 40; ++i) {
                // Two each through mirror, disintegrate, zx and reverse.
                const int kind = i < 8 ? 1 + i / 2 : 0;
                const int w = 15 * (1 + i % 3);
                const int h = 15 * (1 + (i / 3) % 3);
                models.emplace_back(new Model(kind, 15 + (i % 8) * 70, 15 + (i / 8) * 80,
                        makePicture(w, h, 100 + i)));
            }
            Subtitles subtitles(font);

            video->acceptDrawer(&background);
            for (auto &model : models) {
                video->acceptDrawer(model.get());
            }
            video->acceptDrawer(&subtitles);

            for (auto _ : state) {
                video->update();
            }
            video->removeAll();
        }
        Font::shutdown();
        pack.shutdown();
    }
    nftw(dir.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);

}
