#ifndef HEADER_COMMANDQUEUE_H
#define HEADER_COMMANDQUEUE_H

// The queue of planned commands. Only the head command runs, once per
// executeFirst, until it reports that it is done; count says how often the
// head already ran and starts at 0 for every new head. The queue owns its
// commands. A command may empty the queue while it runs (a script that kills
// its own plan): the running command is then deleted only after it returned.

#include "gengine/NoCopy.h"

#include <deque>

class Command;

class CommandQueue : public NoCopy {
    private:
        std::deque<Command *> m_plan;
        int m_count;
        Command *m_running;
        bool m_runningRemoved;
    public:
        CommandQueue() : m_count(0), m_running(nullptr), m_runningRemoved(false) {}
        virtual ~CommandQueue();

        /** Appends; the queue takes ownership. */
        void planCommand(Command *command);
        /** Runs the head once; false when there was nothing to run. */
        bool executeFirst();
        bool isEmpty() const { return m_plan.empty(); }
        void removeAll();
};

#endif
