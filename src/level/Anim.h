#ifndef HEADER_ANIM_H
#define HEADER_ANIM_H

// The animation set of one model: named sequences of pictures for each look
// direction (0 left, 1 right), the running animation and its phase, an
// optional special frame drawn over it, a drawing offset in cells and the
// view effect the model is drawn with. The puzzle reads the effect (a dead
// model is removed once it has disintegrated) and the picture counts (moves
// are paced by them). The set always holds one effect and owns its pictures.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"

#include "SDL.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class Path;
class ViewEffect;

class Anim : public NoCopy {
    private:
        struct Frame {
            SDL_Surface *surface;
            bool cached;
        };
        typedef std::map<std::string, std::vector<Frame>> t_frames;

        std::unique_ptr<ViewEffect> m_effect;
        V2 m_viewShift;
        t_frames m_frames[2];
        std::string m_animName;
        int m_animPhase;
        bool m_run;
        std::string m_specialAnimName;
        int m_specialAnimPhase;
        std::string m_usedPath;
        std::map<std::string, int> m_phases[2];

        SDL_Surface *getFrame(const std::string &name, int phase, int lookDir) const;
        void freeFrames();
    public:
        Anim();
        ~Anim();

        ViewEffect *getEffect() const { return m_effect.get(); }
        /** Takes ownership of the new effect; throws LogicException "new_effect is NULL" for null. */
        void changeEffect(ViewEffect *effect);
        /**
         * "none", "mirror", "invisible", "reverse" or "zx"; any other name
         * only warns "unknown view effect" and keeps the effect.
         */
        void setEffect(const std::string &name);

        /** One more picture in animation name, without a picture of its own (puzzle tests). */
        void addPhase(const std::string &name, int lookDir);
        /** Appends a ready surface (taken over) to the animation for the look direction. */
        void addAnim(const std::string &name, SDL_Surface *surface, int lookDir);
        /** Appends the picture of a file, shared through the image cache; load errors pass up. */
        void addImage(const std::string &name, const Path &file, int lookDir);
        /** The number of pictures of an animation; 0 for an unknown name or look direction. */
        int countAnims(const std::string &name, int lookDir) const;

        /** Runs the animation; a name already shown keeps its phase. */
        void runAnim(const std::string &name, int phase = 0);
        /** Shows one still frame; a phase past the end wraps (with a warning). */
        void setAnim(const std::string &name, int phase);
        /** Draws this frame over the normal one until changed; "" for none. */
        void useSpecialAnim(const std::string &name, int phase);

        void setViewShift(const V2 &shift) { m_viewShift = shift; }
        const V2 &getViewShift() const { return m_viewShift; }
        const std::string &getAnimName() const { return m_animName; }
        int getAnimPhase() const { return m_animPhase; }
        bool isRunning() const { return m_run; }
        const std::string &getSpecialAnimName() const { return m_specialAnimName; }
        int getSpecialAnimPhase() const { return m_specialAnimPhase; }

        /**
         * Draws the current frame and the special frame through the effect
         * at (x, y) and advances a running animation and the effect. A frame
         * missing from the set throws ResourceException.
         */
        void drawAt(SDL_Surface *screen, int x, int y, int lookDir);

        /**
         * The state as text: effect name, view shift x and y, animation name,
         * phase, running (1 or 0), special name and phase, joined by commas;
         * "&" and "," in the names are written "&amp;" and "&comma;".
         */
        std::string getState() const;
        /** Restores a getState text; a text of another shape only warns. */
        void setState(const std::string &state);
};

#endif
