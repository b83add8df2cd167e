#include "level/Cube.h"

#include "level/Anim.h"
#include "level/RoomHost.h"
#include "level/Rules.h"
#include "level/Shape.h"
#include "effect/EffectDisintegrate.h"
#include "gengine/BaseException.h"

Cube::Cube(const V2 &loc, eWeight weight, eWeight power, bool alive, Shape *shape)
    : m_index(-1), m_busy(false), m_loc(loc), m_alive(alive), m_out(false),
      m_weight(weight), m_power(power), m_lookLeft(true), m_lost(false),
      m_shape(shape), m_anim(new Anim()), m_rules(), m_goal(Goal::noGoal()),
      m_outDir(Dir::DIR_NO), m_outCapacity(0), m_dialogs(nullptr)
{
    m_rules.reset(new Rules(this));
}

Cube::~Cube()
{
    // The rules unmask the model, which reads its location and shape.
    m_rules.reset();
}

bool Cube::isTalking() const
{
    return m_dialogs && m_dialogs->isTalking(m_index);
}

std::string Cube::toString() const
{
    return InfoText("model")
        .addValue("loc", m_loc.toString())
        .addValue("alive", m_alive ? 1 : 0)
        .addValue("weight", static_cast<int>(m_weight))
        .addValue("power", static_cast<int>(m_power))
        .addValue("shape", m_shape->toString())
        .text();
}

void Cube::change_remove()
{
    m_loc = V2(-1000, -1000);
    m_lost = true;
    m_weight = NONE;
}

void Cube::change_goOut()
{
    m_out = true;
    change_remove();
}

void Cube::change_die()
{
    m_alive = false;
    m_anim->changeEffect(new EffectDisintegrate());
}

void Cube::change_setOutDir(Dir::eDir outDir, int capacity, eWeight weight)
{
    // The numbers may come from a level script; the rules switch on them.
    if (outDir < Dir::DIR_NO || outDir > Dir::DIR_RIGHT) {
        throw LogicException(InfoText("bad out dir").addValue("outDir", static_cast<int>(outDir)));
    }
    if (weight < NONE || weight > FIXED) {
        throw LogicException(InfoText("bad model weight").addValue("weight", static_cast<int>(weight)));
    }
    m_outDir = outDir;
    m_outCapacity = capacity;
    m_weight = weight;
}

void Cube::change_restore()
{
    m_rules->change_restoreDir();
    m_lost = false;
}

void Cube::decOutCapacity()
{
    if (m_outCapacity <= 0) {
        return;
    }
    --m_outCapacity;
    if (m_outCapacity == 0) {
        m_outCapacity = -1;
        m_outDir = Dir::DIR_NO;
        m_weight = LIGHT;
    }
}
