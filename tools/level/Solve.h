#ifndef HEADER_SOLVE_H
#define HEADER_SOLVE_H

// tidepool-level solve: loads a level file as replay does and searches for a
// shortest moves string that solves it, within limits of states and time.

#include <string>
#include <vector>

class Solve {
    public:
        enum eStatus {
            FOUND = 0,
            UNSOLVABLE = 1,
            BAD_LEVEL = 2,
            STOPPED = 4
        };
        static constexpr long long DEFAULT_MAX_STATES = 2000000;
        static constexpr double DEFAULT_MAX_SECONDS = 50.0;

        static const char *usage();
        /** Runs the subcommand with its arguments (after "solve"); returns the exit status. */
        static int run(const std::vector<std::string> &args, const char *argv0);
        /** A whole decimal number of at least 0; false for anything else. */
        static bool parseCount(const std::string &text, long long *value);
        /** A finite decimal number of at least 0; false for anything else. */
        static bool parseSeconds(const std::string &text, double *value);
};

#endif
