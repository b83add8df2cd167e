#ifndef HEADER_STEPDECOR_H
#define HEADER_STEPDECOR_H

// The number of steps in the top right corner of a room, while the
// parameter "show_steps" is on; its colour tells which fish is active.

#include "level/Decor.h"

#include <memory>

class Font;
class StepCounter;

class StepDecor : public Decor {
    private:
        std::unique_ptr<Font> m_font;
        bool m_fontFailed;
        const StepCounter *m_counter;

        Font *font();
    public:
        /** The counter (the room's fish controls) is not owned; the font loads when first needed. */
        explicit StepDecor(const StepCounter *counter);
        virtual ~StepDecor();
        virtual void drawOnScreen(const View *view, SDL_Surface *screen);
};

#endif
