// Rounds, replayed moves and path searches on a 40x30 room with walls
// around it, both fish and about 100 items of 1 to 4 cells stacked on each
// other. The room is the same on every run (fixed seed). The fish swim in a
// pool of their own; every replayed move still runs whole rounds of the room.

#include "level/Controls.h"
#include "level/Cube.h"
#include "level/FinderAlg.h"
#include "level/ModelFactory.h"
#include "level/Room.h"
#include "level/RoundLock.h"
#include "level/Unit.h"
#include "gengine/BaseException.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

const int W = 40;
const int H = 30;

struct ShapeDef { const char *text; std::vector<V2> cells; };

const ShapeDef SHAPES[] = {
    {"X", {V2(0, 0)}},
    {"XX", {V2(0, 0), V2(1, 0)}},
    {"X\nX", {V2(0, 0), V2(0, 1)}},
    {"XXX", {V2(0, 0), V2(1, 0), V2(2, 0)}},
    {"XX\nX.", {V2(0, 0), V2(1, 0), V2(0, 1)}},
    {"XX\nXX", {V2(0, 0), V2(1, 0), V2(0, 1), V2(1, 1)}},
    {".X\nXX", {V2(1, 0), V2(0, 1), V2(1, 1)}},
    {"XXXX", {V2(0, 0), V2(1, 0), V2(2, 0), V2(3, 0)}},
};

class BenchRoom {
    public:
        RoundLock lock;
        std::unique_ptr<Room> room;
        int items = 0;

        BenchRoom()
            : room(new Room(W, H, "", &lock, nullptr))
        {
            std::vector<std::string> grid(H, std::string(W, '.'));
            std::string walls;
            for (int y = 0; y < H; ++y) {
                for (int x = 0; x < W; ++x) {
                    const bool wall = x == 0 || y == 0 || x == W - 1 || y == H - 1
                        || (y == 20 && x > 9 && x < 18) || (x == 8 && y > 2);
                    walls += wall ? 'X' : '.';
                    if (wall) {
                        grid[y][x] = '#';
                    }
                }
                walls += '\n';
            }
            room->addModel(ModelFactory::createModel("item_fixed", V2(0, 0), walls), nullptr);
            addFish(grid, "fish_small", V2(2, 27), "XXX");
            addFish(grid, "fish_big", V2(1, 24), "XXXX\nXXXX");
            // The fish swim in their own pool left of the wall at x = 8, where
            // nothing is dropped: a random walk among falling items would end
            // in a death within a few hundred moves.
            for (int y = 1; y < 24; ++y) {
                for (int x = 1; x < 8; ++x) {
                    grid[y][x] = '-';
                }
            }

            std::mt19937 random(20261211);
            for (int tries = 0; items < 100 && tries < 10000; ++tries) {
                const ShapeDef &shape = SHAPES[random() % 8];
                const int x = 1 + static_cast<int>(random() % (W - 2));
                int y = 1;
                if (!fits(grid, shape, x, y)) {
                    continue;
                }
                while (fits(grid, shape, x, y + 1)) {
                    ++y;
                }
                for (const V2 &cell : shape.cells) {
                    grid[y + cell.getY()][x + cell.getX()] = '#';
                }
                const char *kind = random() % 4 == 0 ? "item_heavy" : "item_light";
                room->addModel(ModelFactory::createModel(kind, V2(x, y), shape.text), nullptr);
                ++items;
            }
        }

        static bool fits(const std::vector<std::string> &grid, const ShapeDef &shape, int x, int y)
        {
            for (const V2 &cell : shape.cells) {
                const int cx = x + cell.getX();
                const int cy = y + cell.getY();
                if (cx >= W || cy >= H || grid[cy][cx] != '.') {
                    return false;
                }
            }
            return true;
        }

        void addFish(std::vector<std::string> &grid, const char *kind, V2 loc, const char *shape)
        {
            Cube *fish = ModelFactory::createModel(kind, loc, shape);
            room->addModel(fish, ModelFactory::createUnit(kind));
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 4; ++x) {
                    grid[loc.getY() + y][loc.getX() + x] = '#';
                }
            }
        }

        /** Silent rounds until the room is at rest. */
        void settle()
        {
            for (int i = 0; i < 10000 && room->beginFall(false); ++i) {
                room->finishRound(false);
            }
            room->finishRound(false);
        }

        bool bothAlive() const
        {
            return room->getModel(1)->isAlive() && room->getModel(2)->isAlive();
        }
};

/** A random walk of valid moves in which no fish dies. */
const std::string &randomWalk()
{
    static std::string moves;
    if (!moves.empty()) {
        return moves;
    }
    const char symbols[] = "udlrUDLR";
    std::mt19937 random(7);
    std::unique_ptr<BenchRoom> bench(new BenchRoom());
    bench->settle();
    while (moves.size() < 10000) {
        const char symbol = symbols[random() % 8];
        try {
            bench->room->loadMove(symbol);
        } catch (const LoadException &) {
            continue;
        }
        moves += symbol;
        bench->settle();
        if (!bench->bothAlive()) {
            moves.pop_back();
            bench.reset(new BenchRoom());
            for (char c : moves) {
                bench->room->loadMove(c);
            }
            bench->settle();
        }
    }
    return moves;
}

void BM_RoundAtRest(benchmark::State &state)
{
    BenchRoom bench;
    bench.settle();
    bench.room->nextRound(nullptr);
    for (auto _ : state) {
        bench.room->nextRound(nullptr);
    }
    state.counters["items"] = bench.items;
    state.counters["rounds/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
            benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RoundAtRest);

void BM_ReplayRandomWalk(benchmark::State &state)
{
    const std::string &moves = randomWalk();
    for (auto _ : state) {
        BenchRoom bench;
        for (char c : moves) {
            bench.room->loadMove(c);
        }
        bench.settle();
        benchmark::DoNotOptimize(bench.room->getModel(1)->getLoc());
    }
    state.counters["moves/s"] = benchmark::Counter(static_cast<double>(state.iterations() * moves.size()),
            benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReplayRandomWalk)->Unit(benchmark::kMillisecond);

// Across the pool to its far corner; and to a cell behind the items that no
// path reaches, which expands every place the fish can reach.
void BM_PathSearch(benchmark::State &state)
{
    BenchRoom bench;
    bench.settle();
    FinderAlg finder(W, H);
    const Unit *fish = bench.room->getControls()->getActive();
    const V2 dest = state.range(0) ? V2(7, 1) : V2(W - 2, H - 2);
    Dir::eDir dir = Dir::DIR_NO;
    for (auto _ : state) {
        dir = finder.findDir(fish, dest);
        benchmark::DoNotOptimize(dir);
    }
    state.counters["found"] = dir != Dir::DIR_NO;
    state.counters["searches/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
            benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PathSearch)->Arg(1)->Arg(0);

}
