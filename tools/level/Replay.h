#ifndef HEADER_REPLAY_H
#define HEADER_REPLAY_H

// tidepool-level replay: runs a level file as the game does when it loads a
// saved game, replays a moves string, lets the room settle and prints the
// outcome as one JSON object.

#include <string>
#include <vector>

class Replay {
    public:
        enum eStatus {
            SOLVED = 0,
            NOT_SOLVED = 1,
            BAD_LEVEL = 2,
            BAD_MOVE = 3
        };
        static const char *usage();
        /** Runs the subcommand with its arguments (after "replay"); returns the exit status. */
        static int run(const std::vector<std::string> &args, const char *argv0);
};

#endif
