#ifndef HEADER_ROOMACCESS_H
#define HEADER_ROOMACCESS_H

// Holder of the level's room and of the room's view (owned by the room).
// It owns the room and destroys the old one when a new one arrives; asking
// for either before a room exists throws.

#include "gengine/NoCopy.h"

class Room;
class View;

class RoomAccess : public NoCopy {
    private:
        Room *m_room;
        View *m_view;
    public:
        RoomAccess() : m_room(nullptr), m_view(nullptr) {}
        virtual ~RoomAccess();

        /** The room; throws LogicException "room is not ready" when there is none. */
        Room *room() const;
        /** The room's view; throws LogicException "room is not ready" when there is none. */
        View *view() const;
        bool isRoom() const { return m_room != nullptr; }
        /** Destroys the room held so far and keeps this one, which owns the view. */
        void takeRoom(Room *room, View *view);
        void cleanRoom();
};

#endif
