// tidepool-level: tools for level authors, one subcommand each.

#include "Check.h"
#include "Replay.h"
#include "Solve.h"

#include "gengine/Log.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char *help()
{
    return "usage: tidepool-level COMMAND [ARGS]\n"
           "Commands:\n"
           "  replay   replay a moves string in a level and report the room\n"
           "  solve    search a shortest solution of a level\n"
           "  check    replay the reference solution of every level of the world map\n"
           "Run 'tidepool-level COMMAND --help' for a command's arguments.\n";
}

}

int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << help();
        if (args.empty()) {
            return 2;
        }
        std::cout << "\n" << Replay::usage() << "\n" << Solve::usage() << "\n" << Check::usage();
        return 0;
    }
    std::string command = args[0];
    args.erase(args.begin());
    try {
        if (command == "replay") {
            for (const std::string &arg : args) {
                if (arg == "--help" || arg == "-h") {
                    std::cout << Replay::usage();
                    return 0;
                }
            }
            return Replay::run(args, argv[0]);
        }
        if (command == "solve") {
            for (const std::string &arg : args) {
                if (arg == "--help" || arg == "-h") {
                    std::cout << Solve::usage();
                    return 0;
                }
            }
            return Solve::run(args, argv[0]);
        }
        if (command == "check") {
            for (const std::string &arg : args) {
                if (arg == "--help" || arg == "-h") {
                    std::cout << Check::usage();
                    return 0;
                }
            }
            return Check::run(args, argv[0]);
        }
    } catch (const std::exception &e) {
        LOG_ERROR(InfoText(e.what()));
        return 2;
    }
    std::cerr << "tidepool-level: unknown command " << command << "\n" << help();
    return 2;
}
