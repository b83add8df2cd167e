#include "effect/WavyPicture.h"

#include "gengine/TimerAgent.h"

#include <cmath>

WavyPicture::WavyPicture(const Path &file, const V2 &loc)
    : Picture(file, loc), m_amplitude(0), m_period(static_cast<float>(m_surface->w)), m_speed(0)
{
}

WavyPicture::WavyPicture(SDL_Surface *surface, const V2 &loc)
    : Picture(surface, loc), m_amplitude(0), m_period(static_cast<float>(m_surface->w)), m_speed(0)
{
}

void WavyPicture::drawOn(SDL_Surface *screen)
{
    drawAtCycle(screen, TimerAgent::instance()->getCycles());
}

/**
 * The shift of row y: the integer part of amplitude * sin(y / period +
 * phase) + 0.5, the quotient and the sum in single precision, the rest in
 * double. Waves come from scripts, so a shift that is not a number or lies
 * beyond the picture's width (where the whole row would show the picture
 * unshifted anyway) is brought back into [-width, width] before it becomes
 * an int.
 */
int WavyPicture::rowShift(int y, float phase) const
{
    float angle = static_cast<float>(y) / m_period + phase;
    double shift = m_amplitude * std::sin(static_cast<double>(angle)) + 0.5;
    double limit = m_surface->w;
    if (std::isnan(shift)) {
        return 0;
    }
    if (shift > limit) {
        return m_surface->w;
    }
    if (shift < -limit) {
        return -m_surface->w;
    }
    return static_cast<int>(shift);
}

void WavyPicture::drawAtCycle(SDL_Surface *screen, int cycles)
{
    if (m_amplitude == 0) {
        Picture::drawOn(screen);
        return;
    }
    const float phase = static_cast<float>(cycles) * m_speed;
    const int w = m_surface->w;
    const Sint16 locX = static_cast<Sint16>(m_loc.getX());
    for (int y = 0; y < m_surface->h; ++y) {
        const Sint16 shift = static_cast<Sint16>(rowShift(y, phase));
        const Sint16 screenY = static_cast<Sint16>(m_loc.getY() + y);

        // SDL clips the source rectangle: a positive shift moves the row
        // left, a negative one moves it right.
        SDL_Rect line = {shift, static_cast<Sint16>(y), static_cast<Uint16>(w), 1};
        SDL_Rect dest = {locX, screenY, 0, 0};
        SDL_BlitSurface(m_surface, &line, screen, &dest);

        SDL_Rect strip;
        SDL_Rect stripDest = {0, screenY, 0, 0};
        if (shift >= 0) {
            strip = {static_cast<Sint16>(w - shift), static_cast<Sint16>(y), static_cast<Uint16>(shift), 1};
            stripDest.x = static_cast<Sint16>(locX + w - shift);
        } else {
            strip = {0, static_cast<Sint16>(y), static_cast<Uint16>(-shift), 1};
            stripDest.x = locX;
        }
        if (strip.w > 0) {
            SDL_BlitSurface(m_surface, &strip, screen, &stripDest);
        }
    }
}
