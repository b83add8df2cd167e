#include "level/LevelCountdown.h"

#include "level/Controls.h"
#include "level/CountAdvisor.h"
#include "level/LevelStatus.h"
#include "level/Room.h"
#include "level/RoomAccess.h"

#include "gengine/BaseException.h"

LevelCountdown::LevelCountdown(const RoomAccess *access)
    : m_count(-1), m_access(access), m_status(nullptr)
{
}

void LevelCountdown::reset()
{
    if (!m_status) {
        throw LogicException(InfoText("level status is NULL"));
    }
    m_status->setRunning();
    m_count = -1;
}

bool LevelCountdown::countDown(const CountAdvisor *advisor)
{
    if (m_count >= 0) {
        if (m_count == 0) {
            return true;
        }
        --m_count;
        return false;
    }
    if (!m_access->isRoom()) {
        return false;
    }
    Room *room = m_access->room();
    if (room->isSolved()) {
        m_count = advisor->getCountForSolved();
    } else if (room->cannotMove()) {
        m_count = advisor->getCountForWrong();
    } else {
        m_count = -1;
    }
    return false;
}

bool LevelCountdown::isFinished() const
{
    return m_count == 0 && m_access->isRoom() && m_access->room()->isSolved();
}

bool LevelCountdown::isWrong() const
{
    if (m_count != 0 || !m_access->isRoom()) {
        return false;
    }
    Room *room = m_access->room();
    return room->cannotMove() && !room->isSolved();
}

void LevelCountdown::saveSolution()
{
    if (!m_status) {
        throw LogicException(InfoText("level status is NULL"));
    }
    m_status->setComplete();
    m_status->writeSolvedMoves(m_access->room()->getControls()->getMoves());
}

GameState *LevelCountdown::createPoster() const
{
    return m_status ? m_status->createPoster() : nullptr;
}
