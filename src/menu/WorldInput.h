#ifndef HEADER_WORLDINPUT_H
#define HEADER_WORLDINPUT_H

// The keys of the world map: Tab selects the next open level, Return (or a
// left click) starts the selected one or presses the corner button under
// the mouse. The map has no help screen and no subtitles to toggle.

#include "plan/GameInput.h"

class WorldMap;

class WorldInput : public GameInput {
    private:
        WorldMap *m_world;
    protected:
        virtual void specKey(int keyIndex);
        virtual void enableHelp() {}
        virtual void enableSubtitles() {}
    public:
        explicit WorldInput(WorldMap *world);

        virtual void mouseEvent(const MouseStroke &stroke);
};

#endif
