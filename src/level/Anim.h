#ifndef HEADER_ANIM_H
#define HEADER_ANIM_H

// The animation set of one model, as far as the puzzle reads it: the view
// effect the model is drawn with (the rules remove a dead model once its
// effect has disintegrated) and how many pictures each animation has (the
// fish controls pace a move by them). The set always holds one effect.
// The effect advances only when the model is drawn, so a room that is not
// drawn (a replay, a test) keeps its dead fish as items.

#include "gengine/NoCopy.h"
#include <map>
#include <memory>
#include <string>

class ViewEffect;

class Anim : public NoCopy {
    private:
        std::unique_ptr<ViewEffect> m_effect;
        std::string m_animName;
        std::string m_specialAnimName;
        std::map<std::string, int> m_phases[2];
    public:
        Anim();
        ~Anim();

        ViewEffect *getEffect() const { return m_effect.get(); }
        /** Takes ownership of the new effect; throws LogicException "new_effect is NULL" for null. */
        void changeEffect(ViewEffect *effect);

        /** One more picture in animation name for look direction 0 (left) or 1 (right). */
        void addPhase(const std::string &name, int lookDir);
        /** The number of pictures of an animation; 0 for an unknown name or look direction. */
        int countAnims(const std::string &name, int lookDir) const;
};

#endif
