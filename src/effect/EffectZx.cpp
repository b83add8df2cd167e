#include "effect/EffectZx.h"

#include "effect/PixelTool.h"
#include "effect/SurfaceLock.h"
#include "gengine/Random.h"

const char *EffectZx::NAME = "zx";

namespace {

const int ZX1 = 1;
const int ZX2 = 2;
const int ZX3 = 3;
const int ZX4 = 4;
const int CYCLE = 500;
const int WIDE_LAST_PHASE = 51;
const double WIDE_STRIPE = 38.0;
const double NARROW_STRIPE = 3.4;

int nextStripe(int zx)
{
    switch (zx) {
        case ZX1: return ZX2;
        case ZX2: return ZX1;
        case ZX3: return ZX4;
        default: return ZX3;
    }
}

} // namespace

EffectZx::EffectZx()
    : m_zx(ZX1), m_phase(0), m_countHeight(0.0), m_stripeHeight(WIDE_STRIPE)
{
}

void EffectZx::updateEffect()
{
    m_phase = (m_phase + 1) % CYCLE;
    if (m_phase == 1) {
        m_zx = ZX1;
        m_stripeHeight = WIDE_STRIPE;
    } else if (m_phase >= 2 && m_phase <= WIDE_LAST_PHASE) {
        m_stripeHeight = (3 * m_stripeHeight * (0.97 + Random::randomReal(0.06)) + WIDE_STRIPE) / 4;
    } else if (m_phase == WIDE_LAST_PHASE + 1) {
        m_zx = ZX3;
        m_stripeHeight = NARROW_STRIPE;
    } else {
        m_stripeHeight = (3 * m_stripeHeight * (0.95 + Random::randomReal(0.1)) + NARROW_STRIPE) / 4;
    }
}

void EffectZx::blit(SDL_Surface *screen, SDL_Surface *surface, int x, int y)
{
    if (surface->w <= 0 || surface->h <= 0) {
        return;
    }
    SurfaceLock lock1(screen);
    SurfaceLock lock2(surface);

    const int right = surface->w - 1;
    const int bottom = surface->h - 1;
    Uint32 colors[5];
    colors[ZX1] = PixelTool::convertColor(screen->format, PixelTool::getColor(surface, 0, 0));
    colors[ZX2] = PixelTool::convertColor(screen->format, PixelTool::getColor(surface, 0, bottom));
    colors[ZX3] = PixelTool::convertColor(screen->format, PixelTool::getColor(surface, right, 0));
    colors[ZX4] = PixelTool::convertColor(screen->format, PixelTool::getColor(surface, right, bottom));
    const Uint32 colorKey = surface->format->colorkey;

    for (int py = 0; py < surface->h; ++py) {
        m_countHeight += 1.0;
        if (m_countHeight > m_stripeHeight) {
            m_countHeight -= m_stripeHeight;
            m_zx = nextStripe(m_zx);
        }
        Uint32 stripe = colors[(m_zx >= ZX1 && m_zx <= ZX3) ? m_zx : ZX4];
        // Rows are addressed by column, so padded pitches are walked correctly.
        for (int px = 0; px < surface->w; ++px) {
            if (PixelTool::getPixel(surface, px, py) != colorKey) {
                PixelTool::putPixel(screen, x + px, y + py, stripe);
            }
        }
    }
}
