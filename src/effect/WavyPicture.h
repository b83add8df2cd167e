#ifndef HEADER_WAVYPICTURE_H
#define HEADER_WAVYPICTURE_H

// A picture whose rows are shifted along a sine wave that moves with the
// game cycles (a room's background under water). Row y is shifted by
// amplitude * sin(y / period + cycles * speed), rounded as described in
// drawAtCycle; the strip a shift uncovers shows the picture's own pixels of
// that strip, unshifted. With amplitude 0 it draws as a plain picture.

#include "effect/Picture.h"

class WavyPicture : public Picture {
    private:
        float m_amplitude;
        float m_period;
        float m_speed;

        int rowShift(int y, float phase) const;
    public:
        /** Amplitude 0, period the picture's width, speed 0. */
        WavyPicture(const Path &file, const V2 &loc);
        WavyPicture(SDL_Surface *surface, const V2 &loc);
        /** Draws the wave at the timer agent's current cycle count. */
        virtual void drawOn(SDL_Surface *screen);
        /** Draws the wave as it stands at the given cycle count. */
        void drawAtCycle(SDL_Surface *screen, int cycles);

        /** The wave's three parameters; they come from level scripts and
         * may be any number (a period of 0 or a NaN draws unshifted rows). */
        void setWaves(float amplitude, float period, float speed)
        {
            m_amplitude = amplitude;
            m_period = period;
            m_speed = speed;
        }
        float getWamp() const { return m_amplitude; }
        float getWperiod() const { return m_period; }
        float getWspeed() const { return m_speed; }
};

#endif
