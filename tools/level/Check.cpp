#include "Check.h"

#include "Headless.h"
#include "Solve.h"

#include "level/Level.h"
#include "level/Room.h"
#include "level/Solver.h"

#include "gengine/BaseException.h"
#include "gengine/LuaGuard.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/Scripter.h"

#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

struct MapLevel {
    std::string codename;
    std::string datafile;
    int bestMoves = -1;
    bool ending = false;
};

/**
 * Reads the world map file with the four functions the game's map reader
 * registers, keeping only what the check needs: the levels in the order
 * they were added, their data files and best solution counts. The same
 * mistakes the game refuses are refused here.
 */
class MapReader : public Scripter {
    private:
        std::vector<MapLevel> m_levels;
        bool m_hasEnding = false;
        MapLevel m_ending;
    public:
        MapReader();
        void addNode(const std::string &parent, const std::string &codename, const std::string &datafile);
        void setEnding(const std::string &codename, const std::string &datafile);
        void bestSolution(const std::string &codename, int moves, const std::string &author);
        /** The tree's levels, then the ending. */
        std::vector<MapLevel> levels() const;
};

int script_worldmap_addDesc(lua_State *L)
{
    luaL_checkstring(L, 1);
    luaL_checkstring(L, 2);
    luaL_checkstring(L, 3);
    luaL_checkstring(L, 4);
    return 0;
}

int script_branch_addNode(lua_State *L)
{
    const char *parent = luaL_checkstring(L, 1);
    const char *codename = luaL_checkstring(L, 2);
    const char *datafile = luaL_checkstring(L, 3);
    luaL_checkinteger(L, 4);
    luaL_checkinteger(L, 5);
    luaL_optstring(L, 7, "");
    MapReader *reader = static_cast<MapReader *>(getLeader(L));
    return luaGuard(L, [&]() {
        reader->addNode(parent, codename, datafile);
        return 0;
    });
}

int script_branch_setEnding(lua_State *L)
{
    const char *codename = luaL_checkstring(L, 1);
    const char *datafile = luaL_checkstring(L, 2);
    luaL_optstring(L, 3, "");
    MapReader *reader = static_cast<MapReader *>(getLeader(L));
    return luaGuard(L, [&]() {
        reader->setEnding(codename, datafile);
        return 0;
    });
}

int script_node_bestSolution(lua_State *L)
{
    const char *codename = luaL_checkstring(L, 1);
    const lua_Integer moves = luaL_checkinteger(L, 2);
    const char *author = luaL_checkstring(L, 3);
    MapReader *reader = static_cast<MapReader *>(getLeader(L));
    return luaGuard(L, [&]() {
        // A count beyond int cannot be any string's length here.
        const int count = moves < -1 || moves > 1000000000 ? -2 : static_cast<int>(moves);
        reader->bestSolution(codename, count, author);
        return 0;
    });
}

MapReader::MapReader()
{
    registerFunc("worldmap_addDesc", script_worldmap_addDesc);
    registerFunc("branch_addNode", script_branch_addNode);
    registerFunc("branch_setEnding", script_branch_setEnding);
    registerFunc("node_bestSolution", script_node_bestSolution);
}

void MapReader::addNode(const std::string &parent, const std::string &codename, const std::string &datafile)
{
    if (parent.empty() && !m_levels.empty()) {
        throw LogicException(InfoText("there is a one root node already")
                .addValue("root", m_levels.front().codename).addValue("new_node", codename));
    }
    if (!parent.empty() && !m_levels.empty()) {
        bool found = false;
        for (const MapLevel &level : m_levels) {
            found = found || level.codename == parent;
        }
        if (!found) {
            throw LogicException(InfoText("there is no such parent node")
                    .addValue("parent", parent).addValue("new_node", codename));
        }
    }
    MapLevel level;
    level.codename = codename;
    level.datafile = datafile;
    m_levels.push_back(level);
}

void MapReader::setEnding(const std::string &codename, const std::string &datafile)
{
    m_hasEnding = true;
    m_ending = MapLevel();
    m_ending.codename = codename;
    m_ending.datafile = datafile;
    m_ending.ending = true;
}

void MapReader::bestSolution(const std::string &codename, int moves, const std::string &author)
{
    // As in the game, only the tree is searched: the ending holds no count.
    for (MapLevel &level : m_levels) {
        if (level.codename == codename) {
            level.bestMoves = moves;
            return;
        }
    }
    throw LogicException(InfoText("there is no such node")
            .addValue("codename", codename).addValue("moves", moves).addValue("author", author));
}

std::vector<MapLevel> MapReader::levels() const
{
    std::vector<MapLevel> all = m_levels;
    if (m_hasEnding) {
        all.push_back(m_ending);
    }
    return all;
}

/** A code name names files in several folders; one that could leave them is refused. */
bool safeCodename(const std::string &codename)
{
    return !codename.empty() && codename.find('/') == std::string::npos
        && codename.find('\\') == std::string::npos && codename.find('\0') == std::string::npos
        && codename != "." && codename != "..";
}

struct Row {
    std::string codename;
    std::string steps = "-";
    std::string best = "-";
    std::string solver = "-";
    std::string problem;
};

bool readSolution(const std::string &codename, std::string *moves)
{
    const Path file = Path::dataReadPath("solutions/" + codename + ".txt");
    std::ifstream in(file.getNative().c_str(), std::ios::binary);
    if (!in) {
        return false;
    }
    moves->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    while (!moves->empty() && (moves->back() == '\n' || moves->back() == '\r'
                || moves->back() == ' ' || moves->back() == '\t')) {
        moves->pop_back();
    }
    return true;
}

void checkOptimal(Headless &engine, const MapLevel &map, const std::string &file, size_t length,
        const Solver::Limits &limits, Row *row)
{
    std::unique_ptr<Level> level(engine.loadLevel(file, map.codename));
    const Solver::Result result = Solver(level->getRoom()).solve(limits);
    if (result.solved) {
        row->solver = std::to_string(result.moves.size());
        if (result.moves.size() < length) {
            row->problem = "shorter solution " + result.moves;
        }
    } else {
        // "none": the reference needs what the search leaves out (a death);
        // "stopped": nothing shorter within the limits.
        row->solver = result.exhausted ? "none" : "stopped";
    }
}

Row checkLevel(Headless &engine, const MapLevel &map, bool optimal, const Solver::Limits &limits)
{
    Row row;
    row.codename = map.codename;
    if (!safeCodename(map.codename)) {
        row.problem = "bad code name";
        return row;
    }
    if (map.bestMoves >= 0) {
        row.best = std::to_string(map.bestMoves);
    }
    std::string moves;
    if (!readSolution(map.codename, &moves)) {
        row.problem = "no reference solution solutions/" + map.codename + ".txt";
        return row;
    }
    row.steps = std::to_string(moves.size());
    const std::string file = Path::dataReadPath(map.datafile).getNative();
    try {
        std::unique_ptr<Level> level(engine.loadLevel(file, map.codename));
        Room *room = level->getRoom();
        for (char symbol : moves) {
            room->loadMove(symbol);
        }
        if (!room->settle() || !room->isSolved()) {
            row.problem = "reference solution does not solve";
            return row;
        }
    } catch (const std::exception &e) {
        row.problem = e.what();
        return row;
    }
    if (!map.ending && map.bestMoves != static_cast<long long>(moves.size())) {
        row.problem = map.bestMoves < 0 ? "no best solution count" : "best solution count differs";
        return row;
    }
    if (optimal) {
        try {
            checkOptimal(engine, map, file, moves.size(), limits, &row);
        } catch (const std::exception &e) {
            row.problem = e.what();
        }
    }
    return row;
}

int usageError(const std::string &text)
{
    std::cerr << "tidepool-level check: " << text << "\n" << Check::usage();
    return Check::BAD_MAP;
}

}

const char *Check::usage()
{
    return "usage: tidepool-level check [--systemdir DIR] [--optimal] [--max-states N] [--max-seconds S]\n"
           "  For every level of the world map script (parameter \"worldmap\",\n"
           "  default script/worldmap.lua): load it, replay its reference solution\n"
           "  (solutions/CODENAME.txt in the data directory: one moves string),\n"
           "  require \"solved\", and require the map's node_bestSolution count to\n"
           "  equal the solution's length (the ending level has no count).\n"
           "  Prints a table: level, steps, best, solver, result.\n"
           "  --systemdir DIR   the data directory (default: the shipped data)\n"
           "  --optimal         also require that the solver finds no shorter\n"
           "                    solution within its limits (per level)\n"
           "  --max-states N, --max-seconds S   the solver's limits, as for solve\n"
           "  Exit status: 0 every level passes, 1 some level fails, 2 usage error\n"
           "  or a world map that cannot be read.\n";
}

int Check::run(const std::vector<std::string> &args, const char *argv0)
{
    std::string systemdir;
    bool optimal = false;
    Solver::Limits limits;
    limits.maxStates = Solve::DEFAULT_MAX_STATES;
    limits.maxSeconds = Solve::DEFAULT_MAX_SECONDS;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--optimal") {
            optimal = true;
        } else if (arg == "--systemdir" || arg == "--max-states" || arg == "--max-seconds") {
            if (i + 1 >= args.size()) {
                return usageError(arg + " needs a value");
            }
            const std::string &value = args[++i];
            if (arg == "--systemdir") {
                systemdir = value;
            } else if (arg == "--max-states" && !Solve::parseCount(value, &limits.maxStates)) {
                return usageError("bad number of states " + value);
            } else if (arg == "--max-seconds" && !Solve::parseSeconds(value, &limits.maxSeconds)) {
                return usageError("bad number of seconds " + value);
            }
        } else {
            return usageError("unknown argument " + arg);
        }
    }
    if (systemdir.empty()) {
        systemdir = Headless::defaultSystemDir(argv0);
    }
    Headless engine(systemdir);
    std::vector<MapLevel> levels;
    const std::string mapName = OptionAgent::instance()->getParam("worldmap", "script/worldmap.lua");
    const Path mapFile = Path::dataReadPath(mapName);
    try {
        if (!mapFile.exists()) {
            throw PathException(InfoText("cannot find world map").addValue("file", mapFile.getNative()));
        }
        MapReader reader;
        reader.doFile(mapFile);
        levels = reader.levels();
        if (levels.empty() || levels.front().ending) {
            throw LogicException(InfoText("cannot create world map").addValue("file", mapFile.getNative()));
        }
    } catch (const std::exception &e) {
        std::cerr << "tidepool-level check: " << e.what() << "\n";
        std::cout << "world map " << mapFile.getNative() << ": FAIL " << e.what() << "\n";
        return BAD_MAP;
    }

    std::cout << std::left << std::setw(24) << "level" << std::setw(7) << "steps" << std::setw(7) << "best"
        << std::setw(9) << "solver" << "result\n";
    int failed = 0;
    for (const MapLevel &map : levels) {
        const Row row = checkLevel(engine, map, optimal, limits);
        failed += row.problem.empty() ? 0 : 1;
        std::cout << std::left << std::setw(24) << row.codename << std::setw(7) << row.steps
            << std::setw(7) << (map.ending ? "end" : row.best) << std::setw(9) << row.solver
            << (row.problem.empty() ? "ok" : "FAIL " + row.problem) << "\n";
    }
    std::cout << levels.size() - failed << " passed, " << failed << " failed\n";
    return failed == 0 ? PASSED : FAILED;
}
