#include "level/LevelLoading.h"

#include "level/Room.h"
#include "level/RoomAccess.h"

#include "gengine/BaseException.h"

#include <algorithm>

LevelLoading::LevelLoading(const RoomAccess *access)
    : m_paused(false), m_replayMode(false), m_speed(1), m_access(access)
{
}

void LevelLoading::reset()
{
    m_speed = 1;
    m_paused = false;
    m_replayMode = false;
    m_moves.clear();
}

void LevelLoading::loadMoves(const std::string &moves)
{
    m_moves = moves;
    std::string::size_type speed = moves.size() / 150;
    m_speed = static_cast<int>(std::min<std::string::size_type>(std::max<std::string::size_type>(speed, 5), 50));
}

void LevelLoading::loadReplay(const std::string &moves)
{
    m_moves = moves;
    m_replayMode = true;
    m_speed = 1;
}

void LevelLoading::nextLoadAction()
{
    if (m_paused) {
        return;
    }
    Room *room = m_access->room();
    if (m_moves.empty()) {
        room->beginFall(false);
        room->finishRound(false);
        return;
    }
    for (int i = 0; i < m_speed && !m_moves.empty(); ++i) {
        char symbol = m_moves[0];
        m_moves.erase(0, 1);
        try {
            room->loadMove(symbol);
        } catch (const LoadException &e) {
            std::string remain = m_moves;
            m_moves.clear();
            throw LoadException(InfoText(e.info()).addValue("remain", remain));
        }
    }
}
