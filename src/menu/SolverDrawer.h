#ifndef HEADER_SOLVERDRAWER_H
#define HEADER_SOLVERDRAWER_H

// The line under the pedometer that compares the player's stored solution
// with the best known one: a centred paragraph of the matching label
// ("solver_better", "solver_equals" or "solver_worse"), in which %1 is the
// best move count and %2 its author.

#include "widget/VBox.h"

#include <string>

class LevelStatus;

class SolverDrawer : public VBox {
    public:
        /** Reads the labels and the font; their errors pass to the caller. */
        explicit SolverDrawer(LevelStatus *status);

        /** The label name for a solution of own moves against the best known (<= 0: none). */
        static std::string labelName(long long own, int best);
};

#endif
