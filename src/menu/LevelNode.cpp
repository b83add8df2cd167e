#include "menu/LevelNode.h"

#include "menu/NodeDrawer.h"

#include "level/Level.h"

#include <cassert>

LevelNode::LevelNode(const std::string &codename, const Path &datafile, const V2 &loc,
        const std::string &poster)
    : m_codename(codename), m_poster(poster), m_datafile(datafile), m_loc(loc),
    m_state(STATE_FAR), m_depth(1), m_bestMoves(-1)
{
}

LevelNode::~LevelNode()
{
    for (LevelNode *child : m_children) {
        delete child;
    }
}

void LevelNode::setState(eState state)
{
    assert(state >= STATE_HIDDEN && state <= STATE_SOLVED && "unknown level node state");
    m_state = state;
    if (state == STATE_SOLVED) {
        for (LevelNode *child : m_children) {
            if (child->m_state < STATE_OPEN) {
                child->setState(STATE_OPEN);
            }
        }
    }
}

void LevelNode::addAdjacent(LevelNode *child)
{
    m_children.push_back(child);
    child->m_depth = m_depth + 1;
    if (m_state == STATE_SOLVED && child->m_state < STATE_OPEN) {
        child->setState(STATE_OPEN);
    }
}

LevelNode *LevelNode::findNamed(const std::string &codename)
{
    if (m_codename == codename) {
        return this;
    }
    for (LevelNode *child : m_children) {
        if (LevelNode *found = child->findNamed(codename)) {
            return found;
        }
    }
    return nullptr;
}

LevelNode *LevelNode::findSelected(const V2 &pos)
{
    if (m_state < STATE_OPEN) {
        return nullptr;
    }
    // In 64 bits: positions come from the mouse and the map script.
    long long dx = static_cast<long long>(pos.getX()) - m_loc.getX();
    long long dy = static_cast<long long>(pos.getY()) - m_loc.getY();
    if (dx * dx + dy * dy < 169) {
        return this;
    }
    for (LevelNode *child : m_children) {
        if (LevelNode *found = child->findSelected(pos)) {
            return found;
        }
    }
    return nullptr;
}

bool LevelNode::areAllSolved() const
{
    if (m_state != STATE_SOLVED) {
        return false;
    }
    for (const LevelNode *child : m_children) {
        if (!child->areAllSolved()) {
            return false;
        }
    }
    return true;
}

Level *LevelNode::createLevel() const
{
    return new Level(m_codename, m_datafile, m_depth);
}

void LevelNode::collectOpenInto(t_children &list)
{
    if (m_state < STATE_OPEN) {
        return;
    }
    if (m_state == STATE_OPEN) {
        list.push_back(this);
    }
    for (LevelNode *child : m_children) {
        child->collectOpenInto(list);
    }
}

LevelNode::t_children LevelNode::collectOpen()
{
    t_children list;
    collectOpenInto(list);
    return list;
}

void LevelNode::drawPath(NodeDrawer *drawer) const
{
    if (m_state == STATE_HIDDEN) {
        return;
    }
    for (const LevelNode *child : m_children) {
        if (child->m_state > STATE_HIDDEN) {
            drawer->drawEdge(this, child);
            child->drawPath(drawer);
        }
    }
    drawer->drawNode(this);
}

void LevelNode::bestSolution(int moves, const std::string &author)
{
    m_bestMoves = moves;
    m_bestAuthor = author;
}
