#ifndef HEADER_CHECK_H
#define HEADER_CHECK_H

// tidepool-level check: every level of the world map script loads, its
// reference solution (data "solutions/" + codename + ".txt", one moves
// string) replays to "solved", and the world map's best solution count is
// that solution's length; with --optimal the solver must find no shorter one.

#include <string>
#include <vector>

class Check {
    public:
        enum eStatus {
            PASSED = 0,
            FAILED = 1,
            BAD_MAP = 2
        };
        static const char *usage();
        /** Runs the subcommand with its arguments (after "check"); returns the exit status. */
        static int run(const std::vector<std::string> &args, const char *argv0);
};

#endif
