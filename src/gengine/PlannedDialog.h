#ifndef HEADER_PLANNEDDIALOG_H
#define HEADER_PLANNEDDIALOG_H

// One line being spoken by an actor (a model index, or -1). With sound it
// talks while its channel still plays its chunk; without sound it talks
// until a cycle computed from the subtitle's minimum time, so a silent line
// still lasts minTime x (loops + 1) cycles. Endless lines (loops -1) talk
// until they are killed. The dialog is not owned.

#include "gengine/NoCopy.h"

class Dialog;

class PlannedDialog : public NoCopy {
    private:
        int m_actor;
        Dialog *m_dialog;
        int m_channel;
        int m_endtime;
        int m_minTime;

        bool isPlaying() const;
    public:
        /** The end cycle of an endless silent line. */
        static constexpr int ENDLESS = 0x40000000;

        PlannedDialog(int actor, Dialog *dialog, int minTime);

        void talk(int volume, int loops);
        bool isTalking() const;
        /** Stops the sound when it still plays. */
        void killTalk();
        bool equalsActor(int actor) const { return m_actor == actor; }
};

#endif
