#include "level/RoomAccess.h"

#include "level/Room.h"

#include "gengine/BaseException.h"

RoomAccess::~RoomAccess()
{
    cleanRoom();
}

Room *RoomAccess::room() const
{
    if (!m_room) {
        throw LogicException(InfoText("room is not ready"));
    }
    return m_room;
}

View *RoomAccess::view() const
{
    if (!m_room) {
        throw LogicException(InfoText("room is not ready"));
    }
    return m_view;
}

void RoomAccess::takeRoom(Room *room, View *view)
{
    cleanRoom();
    m_room = room;
    m_view = view;
}

void RoomAccess::cleanRoom()
{
    // The room's destructor may call back into the level script (killPlan),
    // which must already see no room.
    Room *old = m_room;
    m_room = nullptr;
    m_view = nullptr;
    delete old;
}
