// The solver's breadth-first search on rooms of growing size, each with
// walls, ledges, both fish and light and heavy items; the largest is the
// 20x15 room with 10 items the level tools are measured by. No room has a
// way out, so the search runs until its state limit. Counters: expanded
// states per second and bytes per stored state.

#include "level/Cube.h"
#include "level/Goal.h"
#include "level/ModelFactory.h"
#include "level/Room.h"
#include "level/RoundLock.h"
#include "level/Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// '#' walls, 's' small fish, 'S' big fish, a..j light items, A..J heavy items.
const char *const ROOMS[] = {
    "##########\n"
    "#........#\n"
    "#..a.B...#\n"
    "#.####...#\n"
    "#......c.#\n"
    "#..s...D.#\n"
    "#S.......#\n"
    "##########\n",

    "###############\n"
    "#.............#\n"
    "#..a....B.....#\n"
    "#.####..###...#\n"
    "#.........c...#\n"
    "#..D..........#\n"
    "#.#####...e...#\n"
    "#..........F..#\n"
    "#..s..........#\n"
    "#S.......g....#\n"
    "###############\n",

    "####################\n"
    "#..................#\n"
    "#..a.....B.........#\n"
    "#.#####..####..c...#\n"
    "#..................#\n"
    "#....D.......e.....#\n"
    "#..######...####...#\n"
    "#..........F.......#\n"
    "#...g..............#\n"
    "#..####..H....###..#\n"
    "#..........i.......#\n"
    "#...s.........J....#\n"
    "#..................#\n"
    "#S.................#\n"
    "####################\n",
};

std::vector<std::string> rowsOf(const std::string &picture)
{
    std::vector<std::string> rows;
    std::string row;
    for (char c : picture) {
        if (c == '\n') {
            rows.push_back(row);
            row.clear();
        } else {
            row += c;
        }
    }
    return rows;
}

std::string kindOf(char c)
{
    if (c == '#') return "item_fixed";
    if (c == 's') return "fish_small";
    if (c == 'S') return "fish_big";
    if (c >= 'a' && c <= 'j') return "item_light";
    return "item_heavy";
}

/** Every distinct character one model of all its cells, in the order they first appear. */
std::unique_ptr<Room> buildRoom(const char *picture, RoundLock *lock)
{
    const std::vector<std::string> rows = rowsOf(picture);
    const int w = static_cast<int>(rows[0].size());
    const int h = static_cast<int>(rows.size());
    std::unique_ptr<Room> room(new Room(w, h, "", lock, nullptr));
    std::string order;
    for (const std::string &row : rows) {
        for (char c : row) {
            if (c != '.' && order.find(c) == std::string::npos) {
                order += c;
            }
        }
    }
    for (char c : order) {
        int minX = w;
        int minY = h;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (rows[y][x] == c) {
                    minX = std::min(minX, x);
                    minY = std::min(minY, y);
                }
            }
        }
        std::string shape;
        for (int y = minY; y < h; ++y) {
            for (int x = minX; x < w; ++x) {
                shape += rows[y][x] == c ? 'X' : '.';
            }
            shape += '\n';
        }
        const std::string kind = kindOf(c);
        Cube *model = ModelFactory::createModel(kind, V2(minX, minY), shape);
        if (c == 's') {
            Goal goal = Goal::noGoal();
            Goal::fromName("goal_escape", &goal);
            model->setGoal(goal);
        }
        room->addModel(model, ModelFactory::createUnit(kind));
    }
    return room;
}

void BM_SolverSearch(benchmark::State &state)
{
    const char *picture = ROOMS[state.range(0)];
    Solver::Limits limits;
    limits.maxStates = state.range(1);
    limits.maxSeconds = 0;
    long long expanded = 0;
    double bytes = 0;
    long long stored = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RoundLock lock;
        std::unique_ptr<Room> room = buildRoom(picture, &lock);
        state.ResumeTiming();
        const Solver::Result result = Solver(room.get()).solve(limits);
        expanded += result.expanded;
        bytes = result.bytesPerState;
        stored = result.stored;
        benchmark::DoNotOptimize(result.moves);
        state.PauseTiming();
        room.reset();
        state.ResumeTiming();
    }
    state.counters["expanded/s"] = benchmark::Counter(static_cast<double>(expanded), benchmark::Counter::kIsRate);
    state.counters["bytes/state"] = bytes;
    state.counters["stored"] = static_cast<double>(stored);
}

}

BENCHMARK(BM_SolverSearch)
    ->Args({0, 20000})->Args({1, 50000})->Args({2, 100000})->Args({2, 300000})
    ->Unit(benchmark::kMillisecond);
