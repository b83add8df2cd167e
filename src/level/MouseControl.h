#ifndef HEADER_MOUSECONTROL_H
#define HEADER_MOUSECONTROL_H

// Mouse steering of the active fish for one round: with the left button held
// one step along a shortest free path to the pointer's cell, with the right
// button one step straight toward it, horizontally first. Each step is an
// ordinary recorded move.

#include "gengine/V2.h"

class Controls;
class FinderAlg;
class InputProvider;
class RoomMedia;

class MouseControl {
    private:
        Controls &m_controls;
        const RoomMedia *m_media;
        FinderAlg &m_finder;

        bool moveDir(int dir);
    public:
        /** The media map the pointer to a cell; without them the plain 15-pixel grid does. */
        MouseControl(Controls &controls, const RoomMedia *media, FinderAlg &finder);

        /** True when the fish moved. */
        bool mouseDrive(const InputProvider *input);
        bool moveTo(const V2 &cell);
        bool moveStraight(const V2 &cell);
        /** The cell under a point of the screen. */
        static V2 fieldPos(const RoomMedia *media, const V2 &screenPos);
};

#endif
