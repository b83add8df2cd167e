#include "plan/CommandQueue.h"
#include "plan/Command.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

/** Records its counts and finishes once it has run `runs` times. */
class CountingCmd : public Command {
    public:
        CountingCmd(std::vector<std::string> *log, const std::string &name, int runs,
                std::function<void()> during = nullptr)
            : m_log(log), m_name(name), m_runs(runs), m_during(during) {}
        ~CountingCmd() { m_log->push_back(m_name + " deleted"); }
        virtual bool finish(int count)
        {
            m_log->push_back(m_name + " " + std::to_string(count));
            if (m_during) {
                m_during();
            }
            return count + 1 >= m_runs;
        }
    private:
        std::vector<std::string> *m_log;
        std::string m_name;
        int m_runs;
        std::function<void()> m_during;
};

TEST(CommandQueue, HeadRunsWithRisingCountsUntilDoneThenNextStartsAtZero)
{
    std::vector<std::string> log;
    CommandQueue queue;
    EXPECT_FALSE(queue.executeFirst());
    queue.planCommand(new CountingCmd(&log, "a", 4));
    queue.planCommand(new CountingCmd(&log, "b", 1));
    while (queue.executeFirst()) {
    }
    const std::vector<std::string> expected = {
        "a 0", "a 1", "a 2", "a 3", "a deleted", "b 0", "b deleted"};
    EXPECT_EQ(expected, log);
    EXPECT_TRUE(queue.isEmpty());
}

TEST(CommandQueue, RemoveAllResetsTheCountOfTheNextHead)
{
    std::vector<std::string> log;
    CommandQueue queue;
    queue.planCommand(new CountingCmd(&log, "a", 5));
    queue.executeFirst();
    queue.executeFirst();
    queue.removeAll();
    queue.planCommand(new CountingCmd(&log, "b", 5));
    queue.executeFirst();
    const std::vector<std::string> expected = {"a 0", "a 1", "a deleted", "b 0"};
    EXPECT_EQ(expected, log);
}

TEST(CommandQueue, CommandThatEmptiesThePlanWhileRunningIsDeletedAfterItsRun)
{
    std::vector<std::string> log;
    CommandQueue queue;
    queue.planCommand(new CountingCmd(&log, "a", 3, [&queue]() { queue.removeAll(); }));
    queue.planCommand(new CountingCmd(&log, "b", 1));
    EXPECT_TRUE(queue.executeFirst());
    EXPECT_TRUE(queue.isEmpty());
    const std::vector<std::string> expected = {"a 0", "b deleted", "a deleted"};
    EXPECT_EQ(expected, log);

    queue.planCommand(new CountingCmd(&log, "c", 1));
    queue.executeFirst();
    EXPECT_EQ("c 0", log[3]);
}

}
