#ifndef HEADER_WIDGETFIXTURE_H
#define HEADER_WIDGETFIXTURE_H

// The running agents of a game state, plus what widget tests draw with:
// tiny one-colour pictures written into the data directory, the menu font,
// a 32-bit screen to paint on, and mouse clicks in logical pixels.

#include "plan/AgentFixture.h"
#include "effect/SurfaceFixture.h"
#include "gengine/BaseListener.h"
#include "gengine/MouseStroke.h"
#include "gengine/V2.h"

#include "SDL.h"

#include <string>
#include <vector>

/** Records the simple messages sent to its name. */
class MsgRecorder : public BaseListener {
    public:
        std::vector<std::string> got;
        explicit MsgRecorder(const std::string &name) : m_name(name) {}
        virtual const char *getName() const { return m_name.c_str(); }
        virtual void receiveSimple(const SimpleMsg *msg);
    private:
        std::string m_name;
};

class WidgetFixture : public AgentFixture {
    protected:
        fixture::SurfacePtr m_screen;

        virtual void SetUp();
        /** A w x h picture of one colour at the data-relative path. */
        void writePicture(const std::string &file, int w, int h,
                const SDL_Color &color = fixture::rgba(200, 0, 0)) const;
        /** Writes a data file, creating its directories. */
        void writeData(const std::string &file, const std::string &text) const;
        /** The path of a data file in the fixture's system directory. */
        std::string dataFile(const std::string &file) const { return m_dir + "/" + file; }
        /** A button press at the logical position. */
        static MouseStroke stroke(const V2 &loc, Uint8 button = SDL_BUTTON_LEFT);
        /** The screen pixel at (x, y) as RGB. */
        SDL_Color pixel(int x, int y) const;
        void clearScreen();
};

bool sameRgb(const SDL_Color &a, const SDL_Color &b);

#endif
