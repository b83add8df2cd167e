#ifndef HEADER_PEDOMETER_H
#define HEADER_PEDOMETER_H

// Shown over the world map before a solved level is played again: a device
// that rolls up the length of the player's stored solution, with three
// buttons (play again, replay the solution, back) and a line comparing the
// solution with the best known one. It owns the level until it hands it to
// the state stack; the level status belongs to the world map.

#include "gengine/Drawable.h"
#include "plan/GameState.h"

#include "SDL.h"

#include <string>

class LayeredPicture;
class Level;
class LevelStatus;
class Picture;

class Pedometer : public GameState, public Drawable {
    private:
        LevelStatus *m_levelStatus;
        Level *m_level;
        std::string m_solution;
        Picture *m_bg;
        LayeredPicture *m_rack;
        SDL_Surface *m_numbers;
        Uint32 m_maskRun;
        Uint32 m_maskReplay;
        Uint32 m_maskCancel;
        Uint32 m_activeMask;
        int m_phase;

        void prepareBg();
        void watchCursor();
        void drawNumber(SDL_Surface *screen, int digit, int x);
        Level *takeLevel();
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState();
        virtual void ownPauseState() {}
        virtual void ownResumeState() {}
        virtual void ownCleanState() {}
    public:
        /**
         * Takes over the level only when it is built; the pictures' and the
         * font's loading errors pass to the caller, who keeps the level then.
         */
        Pedometer(LevelStatus *status, Level *level);
        virtual ~Pedometer();
        virtual const char *getName() const { return "state_pedometer"; }

        /** "param_changed" of "lang" repaints the texts; other messages throw UnknownMsgException. */
        virtual void receiveString(const StringMsg *msg);

        /** Presses the button under the mouse: play, replay, or back to the map. */
        void runSelected();
        virtual void drawOn(SDL_Surface *screen);

        const std::string &getSolution() const { return m_solution; }
        Uint32 getActiveMask() const { return m_activeMask; }
        const Picture *getBg() const { return m_bg; }
        const LayeredPicture *getRack() const { return m_rack; }
};

#endif
