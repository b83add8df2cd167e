#ifndef HEADER_DIALOGSTACK_H
#define HEADER_DIALOGSTACK_H

// The dialog definitions of a planner and the lines its actors are saying.
// Lines that end on their own are kept in running and dropped one per cycle
// once they stop talking; endless lines are kept in cycling until they are
// killed. activeDialog is the line of a conversation the game waits for, if
// any. The stack owns the definitions and the planned lines.

#include "gengine/NoCopy.h"

#include <list>
#include <string>

class Dialog;
class PlannedDialog;
class ResDialogPack;

class DialogStack : public NoCopy {
    private:
        typedef std::list<PlannedDialog *> t_planned;
        ResDialogPack *m_dialogs;
        t_planned m_running;
        t_planned m_cycling;
        PlannedDialog *m_activeDialog;

        void removePlanned(PlannedDialog *planned);
        void killActorIn(t_planned &list, int actor);
        bool isTalkingIn(const t_planned &list, int actor) const;
    public:
        DialogStack();
        /** Stops and frees every line and every definition. */
        virtual ~DialogStack();

        /** Stores a definition (taken over) under the name. */
        void addDialog(const std::string &name, Dialog *dialog);
        /**
         * Shows the subtitle of "name@value1@value2..." and plays its speech
         * for the actor; loops -1 talks until killed; dialogFlag makes the
         * line the active dialog.
         */
        void actorTalk(int actor, const std::string &name, int volume, int loops,
                bool dialogFlag);
        bool isTalking(int actor) const;
        void killSound(int actor);
        void killTalks();
        /** Drops at most one finished line of running; cycling is left alone. */
        void removeFirstNotTalking();
        /** Whether a line that ends by itself is still kept (talking or not yet dropped). */
        bool hasRunning() const { return !m_running.empty(); }
        /** Whether the active dialog is still talking. */
        bool isDialog() const;
        /** Kills every line and frees every definition. */
        void removeAll();
};

#endif
