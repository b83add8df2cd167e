#include "Replay.h"

#include "Headless.h"
#include "Json.h"

#include "level/Cube.h"
#include "level/Level.h"
#include "level/Room.h"

#include "gengine/BaseException.h"

#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

struct Outcome {
    std::string codename;
    int steps = 0;
    bool solved = false;
    bool canFinish = false;
    std::string error;
    bool failed = false;
    long long failedAt = -1;
    std::string models;
};

/** Rounds without moves until nothing happens; bounded so a room that never rests still ends. */
void settle(Room *room)
{
    const int limit = 100000;
    for (int round = 0; round < limit && room->beginFall(false); ++round) {
        room->finishRound(false);
    }
    room->finishRound(false);
}

std::string describeModels(const Room *room)
{
    std::ostringstream out;
    out << "[";
    for (int i = 0; i < room->getModelCount(); ++i) {
        const Cube *model = room->getModel(i);
        out << (i ? ", " : "") << "{\"index\": " << i
            << ", \"x\": " << model->getLoc().getX()
            << ", \"y\": " << model->getLoc().getY()
            << ", \"alive\": " << Json::boolean(model->isAlive())
            << ", \"out\": " << Json::boolean(model->isOut())
            << ", \"lost\": " << Json::boolean(model->isLost())
            << ", \"weight\": " << static_cast<int>(model->getWeight())
            << ", \"look_left\": " << Json::boolean(model->isLeft()) << "}";
    }
    out << "]";
    return out.str();
}

void print(const Outcome &outcome)
{
    std::cout << "{\"codename\": " << Json::quote(outcome.codename)
        << ", \"steps\": " << outcome.steps
        << ", \"solved\": " << Json::boolean(outcome.solved)
        << ", \"can_finish\": " << Json::boolean(outcome.canFinish)
        << ", \"error\": " << (outcome.error.empty() && !outcome.failed ? "null" : Json::quote(outcome.error))
        << ", \"failed_at\": ";
    if (outcome.failedAt >= 0) {
        std::cout << outcome.failedAt;
    } else {
        std::cout << "null";
    }
    std::cout << ",\n \"models\": " << (outcome.models.empty() ? "[]" : outcome.models) << "}\n";
}

int usageError(const std::string &text)
{
    std::cerr << "tidepool-level replay: " << text << "\n" << Replay::usage();
    return Replay::BAD_LEVEL;
}

}

const char *Replay::usage()
{
    return "usage: tidepool-level replay [--systemdir DIR] [--codename NAME] LEVEL_FILE MOVES\n"
           "  Runs LEVEL_FILE as the game does when it loads a saved game, with no\n"
           "  window and sound off, replays MOVES (\"-\" reads them from standard\n"
           "  input) and lets the room settle. Prints one JSON object: codename,\n"
           "  steps, solved, can_finish, error, failed_at and the models.\n"
           "  --systemdir DIR   the data directory (default: the shipped data)\n"
           "  --codename NAME   the level's code name (default: the file's base name)\n"
           "  Exit status: 0 solved, 1 not solved, 2 usage error or a level that\n"
           "  cannot be loaded, 3 a move that could not be performed.\n";
}

int Replay::run(const std::vector<std::string> &args, const char *argv0)
{
    std::string systemdir;
    std::string codename;
    bool codenameGiven = false;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--systemdir" || arg == "--codename") {
            if (i + 1 >= args.size()) {
                return usageError(arg + " needs a value");
            }
            (arg == "--systemdir" ? systemdir : codename) = args[++i];
            codenameGiven = codenameGiven || arg == "--codename";
        } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return usageError("unknown option " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) {
        return usageError("LEVEL_FILE and MOVES are needed");
    }
    const std::string &file = positional[0];
    std::string moves = positional[1];
    if (moves == "-") {
        moves.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        // A line end after the moves is the shell's, not a move.
        while (!moves.empty() && (moves.back() == '\n' || moves.back() == '\r')) {
            moves.pop_back();
        }
    }
    if (systemdir.empty()) {
        systemdir = Headless::defaultSystemDir(argv0);
    }
    Outcome outcome;
    outcome.codename = codenameGiven ? codename : Headless::defaultCodename(file);

    Headless engine(systemdir);
    std::unique_ptr<Level> level;
    try {
        level.reset(engine.loadLevel(file, outcome.codename));
    } catch (const std::exception &e) {
        outcome.error = e.what();
        outcome.failed = true;
        print(outcome);
        return BAD_LEVEL;
    }
    Room *room = level->getRoom();
    int status = NOT_SOLVED;
    try {
        for (size_t i = 0; i < moves.size(); ++i) {
            outcome.failedAt = static_cast<long long>(i);
            room->loadMove(moves[i]);
        }
        outcome.failedAt = -1;
        settle(room);
    } catch (const LoadException &e) {
        outcome.error = e.what();
        outcome.failed = true;
        status = BAD_MOVE;
    }
    outcome.steps = static_cast<int>(room->getMoves().size());
    outcome.solved = room->isSolved();
    outcome.canFinish = room->canFinish();
    outcome.models = describeModels(room);
    print(outcome);
    if (status == BAD_MOVE) {
        return status;
    }
    return outcome.solved ? SOLVED : NOT_SOLVED;
}
