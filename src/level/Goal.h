#ifndef HEADER_GOAL_H
#define HEADER_GOAL_H

// What a level requires of one model: a condition on being alive and one on
// having left the room. The room is solved when every model satisfies its
// goal and lost for good once any model's goal is wrong.

#include <string>

class Cube;

class Goal {
    public:
        enum eSATISFY : int {
            SATISFY_TRUE = 0,
            SATISFY_FALSE = 1,
            SATISFY_IGNORE = 2
        };
    private:
        eSATISFY m_alive;
        eSATISFY m_out;
    public:
        Goal(eSATISFY alive, eSATISFY out) : m_alive(alive), m_out(out) {}
        static Goal noGoal() { return Goal(SATISFY_IGNORE, SATISFY_IGNORE); }
        /** The goal of a level script's goal name ("goal_no", "goal_out", "goal_escape", "goal_alive"); false for any other name. */
        static bool fromName(const std::string &name, Goal *goal);

        bool isSatisfy(const Cube *model) const;
        /** The model can no longer meet this goal. */
        bool isWrong(const Cube *model) const;
        /** Only such models ever leave through the border. */
        bool shouldGoOut() const { return m_out == SATISFY_TRUE; }

        eSATISFY getAlive() const { return m_alive; }
        eSATISFY getOut() const { return m_out; }
};

#endif
