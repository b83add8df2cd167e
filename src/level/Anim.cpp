#include "level/Anim.h"

#include "effect/EffectNone.h"
#include "gengine/BaseException.h"

Anim::Anim()
    : m_effect(new EffectNone())
{
}

Anim::~Anim()
{
}

void Anim::changeEffect(ViewEffect *effect)
{
    if (!effect) {
        throw LogicException(InfoText("new_effect is NULL")
                .addValue("animName", m_animName)
                .addValue("specialAnimName", m_specialAnimName));
    }
    m_effect.reset(effect);
}

void Anim::addPhase(const std::string &name, int lookDir)
{
    if (lookDir == 0 || lookDir == 1) {
        ++m_phases[lookDir][name];
    }
}

int Anim::countAnims(const std::string &name, int lookDir) const
{
    if (lookDir != 0 && lookDir != 1) {
        return 0;
    }
    std::map<std::string, int>::const_iterator it = m_phases[lookDir].find(name);
    return it == m_phases[lookDir].end() ? 0 : it->second;
}
