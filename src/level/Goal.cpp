#include "level/Goal.h"

#include "level/Cube.h"

bool Goal::fromName(const std::string &name, Goal *goal)
{
    if (name == "goal_no") {
        *goal = Goal(SATISFY_IGNORE, SATISFY_IGNORE);
    } else if (name == "goal_out") {
        *goal = Goal(SATISFY_IGNORE, SATISFY_TRUE);
    } else if (name == "goal_escape") {
        *goal = Goal(SATISFY_TRUE, SATISFY_TRUE);
    } else if (name == "goal_alive") {
        *goal = Goal(SATISFY_TRUE, SATISFY_IGNORE);
    } else {
        return false;
    }
    return true;
}

bool Goal::isSatisfy(const Cube *model) const
{
    bool partial = true;
    if (m_out == SATISFY_TRUE) {
        partial = model->isOut();
    } else if (m_out == SATISFY_FALSE) {
        partial = !model->isOut();
    }

    if (m_alive == SATISFY_TRUE) {
        return partial && model->isAlive();
    } else if (m_alive == SATISFY_FALSE) {
        return partial && !model->isAlive();
    }
    return partial;
}

bool Goal::isWrong(const Cube *model) const
{
    return (m_alive == SATISFY_TRUE && !model->isAlive())
        || (m_out == SATISFY_FALSE && model->isOut());
}
