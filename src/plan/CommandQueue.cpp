#include "plan/CommandQueue.h"

#include "plan/Command.h"

#include <climits>

CommandQueue::~CommandQueue()
{
    removeAll();
}

void CommandQueue::planCommand(Command *command)
{
    m_plan.push_back(command);
}

bool CommandQueue::executeFirst()
{
    if (m_plan.empty()) {
        return false;
    }
    Command *head = m_plan.front();
    m_runningRemoved = false;
    bool done = false;
    m_running = head;
    try {
        done = head->finish(m_count);
    } catch (...) {
        m_running = nullptr;
        if (m_runningRemoved) {
            m_runningRemoved = false;
            delete head;
        }
        throw;
    }
    m_running = nullptr;
    if (m_runningRemoved) {
        // The plan was emptied during the run; only the head is left to free.
        m_runningRemoved = false;
        delete head;
    } else if (done) {
        m_plan.pop_front();
        delete head;
        m_count = 0;
    } else if (m_count < INT_MAX) {
        ++m_count;
    }
    return true;
}

void CommandQueue::removeAll()
{
    std::deque<Command *> old;
    old.swap(m_plan);
    m_count = 0;
    for (Command *command : old) {
        if (command == m_running) {
            m_runningRemoved = true;
        } else {
            delete command;
        }
    }
}
