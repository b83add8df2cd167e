#ifndef HEADER_ROOMHOST_H
#define HEADER_ROOMHOST_H

// The level around a room as the room and its models see it: the level
// script's planned actions and its dialog stack. The level script implements
// it; a room without a host (tests, tools) runs its rounds all the same.

class RoomHost {
    public:
        virtual ~RoomHost() {}
        /** Every planned action and dialog stops: a fish died or a model left the room. */
        virtual void killPlan() = 0;
        /** A planned dialog of this model (by index) is talking. */
        virtual bool isTalking(int actor) const = 0;
        /** The dialogs of this model stop: it is dying. */
        virtual void killSound(int actor) = 0;
        /** Every dialog and subtitle goes: the room is being destroyed. */
        virtual void removeDialogs() = 0;
};

#endif
