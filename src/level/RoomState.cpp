#include "level/RoomState.h"

#include "level/Anim.h"
#include "level/Controls.h"
#include "level/Field.h"
#include "level/Room.h"
#include "effect/EffectDisintegrate.h"
#include "effect/ViewEffect.h"
#include "gengine/BaseException.h"

#include <algorithm>
#include <cstring>

namespace {

/**
 * Only a death changes a model's effect during play; a restore must undo
 * that, or a fish brought back to life would go on crumbling when drawn.
 */
void restoreEffect(Anim *anim, const char *name)
{
    const char *current = anim->getEffect()->getName();
    if (current == name || std::strcmp(current, name) == 0) {
        return;
    }
    if (std::strcmp(name, EffectDisintegrate::NAME) == 0) {
        anim->changeEffect(new EffectDisintegrate());
    } else {
        anim->setEffect(name);
    }
}

}

RoomState::RoomState()
    : m_models(), m_marks(), m_lastAction(Rules::ACTION_NO), m_active(-1), m_speedup(0),
      m_switched(false), m_stroke(0), m_moves(), m_room(nullptr)
{
}

void RoomState::take(const Room &room)
{
    m_room = &room;
    m_models.resize(room.m_models.size());
    for (size_t i = 0; i < m_models.size(); ++i) {
        const Cube *cube = room.m_models[i].get();
        const Rules *rules = cube->m_rules.get();
        ModelState &state = m_models[i];
        state.loc = cube->m_loc;
        state.alive = cube->m_alive;
        state.out = cube->m_out;
        state.lost = cube->m_lost;
        state.lookLeft = cube->m_lookLeft;
        state.weight = cube->m_weight;
        state.outDir = cube->m_outDir;
        state.outCapacity = cube->m_outCapacity;
        state.effect = cube->m_anim->getEffect()->getName();
        state.dir = rules->m_dir;
        state.touchDir = rules->m_touchDir;
        state.readyToDie = rules->m_readyToDie;
        state.readyToTurn = rules->m_readyToTurn;
        state.readyToActive = rules->m_readyToActive;
        state.pushing = rules->m_pushing;
        state.lastFall = rules->m_lastFall;
        state.outDepth = rules->m_outDepth;
    }
    m_marks = room.m_field->m_marks;
    m_lastAction = room.m_lastAction;
    const Controls *controls = room.m_controls.get();
    m_active = controls->m_active;
    m_speedup = controls->m_speedup;
    m_switched = controls->m_switched;
    m_stroke = controls->m_stroke;
    m_moves = controls->m_moves;
}

void RoomState::checkRoom(const Room &room) const
{
    if (m_room != &room || m_models.size() != room.m_models.size()
            || m_marks.size() != room.m_field->m_marks.size()) {
        throw LogicException(InfoText("room state of another room"));
    }
}

void RoomState::applyModel(Cube *cube, const ModelState &state)
{
    Rules *rules = cube->m_rules.get();
    cube->m_loc = state.loc;
    cube->m_alive = state.alive;
    cube->m_out = state.out;
    cube->m_lost = state.lost;
    cube->m_lookLeft = state.lookLeft;
    cube->m_weight = state.weight;
    cube->m_outDir = state.outDir;
    cube->m_outCapacity = state.outCapacity;
    restoreEffect(cube->m_anim.get(), state.effect);
    rules->m_dir = state.dir;
    rules->m_touchDir = state.touchDir;
    rules->m_readyToDie = state.readyToDie;
    rules->m_readyToTurn = state.readyToTurn;
    rules->m_readyToActive = state.readyToActive;
    rules->m_pushing = state.pushing;
    rules->m_lastFall = state.lastFall;
    rules->m_outDepth = state.outDepth;
}

bool RoomState::sameAsCopied(const Cube *cube, const ModelState &state)
{
    const Rules *rules = cube->m_rules.get();
    return cube->m_alive == state.alive && cube->m_out == state.out
        && cube->m_lookLeft == state.lookLeft && cube->m_weight == state.weight
        && cube->m_outDir == state.outDir && cube->m_outCapacity == state.outCapacity
        && rules->m_dir == state.dir && rules->m_touchDir == state.touchDir
        && rules->m_readyToDie == state.readyToDie && rules->m_readyToTurn == state.readyToTurn
        && rules->m_readyToActive == state.readyToActive && rules->m_pushing == state.pushing
        && rules->m_lastFall == state.lastFall && rules->m_outDepth == state.outDepth;
}

void RoomState::applyControls(Room &room) const
{
    room.m_lastAction = m_lastAction;
    Controls *controls = room.m_controls.get();
    controls->m_active = m_active;
    controls->m_speedup = m_speedup;
    controls->m_switched = m_switched;
    controls->m_stroke = m_stroke;
    if (controls->m_moves != m_moves) {
        controls->m_moves = m_moves;
    }
}

void RoomState::applyAtRest(Room &room) const
{
    checkRoom(room);
    for (size_t i = 0; i < m_models.size(); ++i) {
        unmaskMoved(room, static_cast<int>(i));
    }
    for (size_t i = 0; i < m_models.size(); ++i) {
        applyMoved(room, static_cast<int>(i));
    }
    applyControls(room);
}

void RoomState::applyAtRest(Room &room, const std::vector<int> &models) const
{
    checkRoom(room);
    for (int index : models) {
        if (index < 0 || index >= static_cast<int>(m_models.size())) {
            throw LogicException(InfoText("bad model index").addValue("model_index", index));
        }
    }
    // Erase every moved model first, then mark them anew: a model may take
    // cells that another one leaves, and an unmask erases only its own marks.
    for (int index : models) {
        unmaskMoved(room, index);
    }
    for (int index : models) {
        applyMoved(room, index);
    }
    applyControls(room);
}

void RoomState::unmaskMoved(Room &room, int index) const
{
    Cube *cube = room.m_models[index].get();
    const ModelState &state = m_models[index];
    if ((cube->m_loc != state.loc || cube->m_lost != state.lost) && !cube->m_lost) {
        cube->m_rules->m_mask->unmask();
    }
}

void RoomState::applyMoved(Room &room, int index) const
{
    Cube *cube = room.m_models[index].get();
    const ModelState &state = m_models[index];
    const bool moved = cube->m_loc != state.loc || cube->m_lost != state.lost;
    if (!moved && sameAsCopied(cube, state)) {
        // Most models did not take part in the last move; the effect
        // changes only with life, which is compared.
        return;
    }
    applyModel(cube, state);
    if (moved && !state.lost) {
        cube->m_rules->m_mask->mask();
    }
}

void RoomState::apply(Room &room) const
{
    checkRoom(room);
    for (size_t i = 0; i < m_models.size(); ++i) {
        applyModel(room.m_models[i].get(), m_models[i]);
    }
    // The marks are copied as they were, not rebuilt from the locations:
    // between the halves of a round moving models are in no cell at all.
    std::copy(m_marks.begin(), m_marks.end(), room.m_field->m_marks.begin());
    applyControls(room);
}
