#include "Solve.h"

#include "Headless.h"
#include "Json.h"

#include "level/Level.h"
#include "level/Room.h"
#include "level/Solver.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

int usageError(const std::string &text)
{
    std::cerr << "tidepool-level solve: " << text << "\n" << Solve::usage();
    return Solve::BAD_LEVEL;
}

void print(const Solver::Result &result, const std::string &error)
{
    std::ostringstream seconds;
    seconds << std::fixed << std::setprecision(3) << result.seconds;
    std::cout << "{\"solved\": " << Json::boolean(result.solved)
        << ", \"moves\": " << Json::quote(result.moves)
        << ", \"steps\": " << result.moves.size()
        << ", \"states\": " << result.expanded
        << ", \"seconds\": " << seconds.str()
        << ", \"exhausted\": " << Json::boolean(result.exhausted);
    if (!error.empty()) {
        std::cout << ", \"error\": " << Json::quote(error);
    }
    std::cout << "}\n";
}

}

const char *Solve::usage()
{
    return "usage: tidepool-level solve [--systemdir DIR] [--max-states N] [--max-seconds S] LEVEL_FILE\n"
           "  Loads LEVEL_FILE as replay does and searches breadth-first for a\n"
           "  shortest moves string (fewest symbols; a turn is a symbol) that\n"
           "  solves it. After every symbol the room settles as in a replay.\n"
           "  Branches in which the level can no longer be finished, or in which\n"
           "  a fish dies, are not searched. Prints one JSON object: solved,\n"
           "  moves, steps, states (expanded), seconds, exhausted.\n"
           "  --systemdir DIR   the data directory (default: the shipped data)\n"
           "  --max-states N    stop after N expanded states (default 2000000; 0: no limit)\n"
           "  --max-seconds S   stop after S seconds (default 50; 0: no limit)\n"
           "  Exit status: 0 found, 1 proven unsolvable (every reachable state\n"
           "  searched), 2 usage error or a level that cannot be loaded, 4 a\n"
           "  limit stopped the search.\n";
}

bool Solve::parseCount(const std::string &text, long long *value)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    char *end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') {
        return false;
    }
    *value = parsed;
    return true;
}

bool Solve::parseSeconds(const std::string &text, double *value)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) {
        return false;
    }
    errno = 0;
    char *end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(parsed) || parsed < 0) {
        return false;
    }
    *value = parsed;
    return true;
}

int Solve::run(const std::vector<std::string> &args, const char *argv0)
{
    std::string systemdir;
    Solver::Limits limits;
    limits.maxStates = DEFAULT_MAX_STATES;
    limits.maxSeconds = DEFAULT_MAX_SECONDS;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--systemdir" || arg == "--max-states" || arg == "--max-seconds") {
            if (i + 1 >= args.size()) {
                return usageError(arg + " needs a value");
            }
            const std::string &value = args[++i];
            if (arg == "--systemdir") {
                systemdir = value;
            } else if (arg == "--max-states" && !parseCount(value, &limits.maxStates)) {
                return usageError("bad number of states " + value);
            } else if (arg == "--max-seconds" && !parseSeconds(value, &limits.maxSeconds)) {
                return usageError("bad number of seconds " + value);
            }
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return usageError("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1) {
        return usageError("one LEVEL_FILE is needed");
    }
    if (systemdir.empty()) {
        systemdir = Headless::defaultSystemDir(argv0);
    }
    const std::string &file = positional[0];
    Headless engine(systemdir);
    std::unique_ptr<Level> level;
    Solver::Result result;
    try {
        level.reset(engine.loadLevel(file, Headless::defaultCodename(file)));
        result = Solver(level->getRoom()).solve(limits);
    } catch (const std::exception &e) {
        print(Solver::Result(), e.what());
        return BAD_LEVEL;
    }
    print(result, "");
    if (result.solved) {
        return FOUND;
    }
    return result.exhausted ? UNSOLVABLE : STOPPED;
}
