#ifndef HEADER_ROOMMEDIA_H
#define HEADER_ROOMMEDIA_H

// What a room shows and sounds: its registered sounds and the view that
// animates its models and maps the pointer to cells. The room owns it; a room
// without media (tests, tools) runs silently with the plain 15-pixel grid.

#include "gengine/V2.h"

#include <string>

class RoomMedia {
    public:
        virtual ~RoomMedia() {}
        /** A random sound registered under name, when sound is on; a missing name only warns. */
        virtual void playSound(const std::string &name, int volume) = 0;
        /** The coming move is drawn over this many phases. */
        virtual void noteNewRound(int phases) = 0;
        /** The field cell under a point of the screen. */
        virtual V2 getFieldPos(const V2 &screenPos) const = 0;
};

#endif
