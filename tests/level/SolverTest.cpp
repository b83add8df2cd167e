#include "TextRoom.h"

#include "level/Solver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using textroom::TextRoom;

struct Goals {
    const char *fish;
    const char *goal;
};

/** A fresh room with fish goals, replaying moves as a saved game does. */
bool solvedBy(const char *picture, const std::vector<Goals> &goals, const std::string &moves)
{
    TextRoom room(picture);
    for (const Goals &g : goals) {
        room.setGoal(g.fish[0], g.goal);
    }
    for (char c : moves) {
        if (!room.room.tryMove(c)) {
            return false;
        }
    }
    return room.room.settle() && room.room.isSolved();
}

/** The shortest solution length by trying every string of the symbols up to maxLength; -1 for none. */
int bruteForceLength(const char *picture, const std::vector<Goals> &goals,
        const std::string &symbols, int maxLength)
{
    for (int length = 0; length <= maxLength; ++length) {
        std::vector<size_t> digits(length, 0);
        while (true) {
            std::string moves;
            for (size_t d : digits) {
                moves += symbols[d];
            }
            if (solvedBy(picture, goals, moves)) {
                return length;
            }
            int i = length - 1;
            while (i >= 0 && ++digits[i] == symbols.size()) {
                digits[i] = 0;
                --i;
            }
            if (i < 0) {
                break;
            }
        }
    }
    return -1;
}

Solver::Result solveRoom(const char *picture, const std::vector<Goals> &goals,
        const Solver::Limits &limits = Solver::Limits())
{
    TextRoom room(picture);
    for (const Goals &g : goals) {
        room.setGoal(g.fish[0], g.goal);
    }
    return Solver(&room.room).solve(limits);
}

TEST(Solver, FindsASolutionAsShortAsTryingEveryString)
{
    struct Case { const char *room; std::vector<Goals> goals; const char *symbols; int maxLength; };
    const Case cases[] = {
        // Out to the left at once; out to the right after a turn.
        {"#####\n.s..#\n#####\n", {{"s", "goal_escape"}}, "udlr", 3},
        {"#####\n#s...\n#####\n", {{"s", "goal_escape"}}, "udlr", 5},
        // The item must drop into the pit before the way out is open.
        {"#######\n#sa....\n###.###\n#######\n", {{"s", "goal_escape"}}, "udlr", 7},
        // The big fish must make way into the niche below it.
        {"#####\n#.sS.\n###.#\n#####\n",
            {{"s", "goal_escape"}, {"S", "goal_alive"}}, "udlrUDLR", 4},
    };
    for (const Case &c : cases) {
        const int shortest = bruteForceLength(c.room, c.goals, c.symbols, c.maxLength);
        ASSERT_GE(shortest, 0) << "fixture needs a solution within the brute force: " << c.room;
        const Solver::Result result = solveRoom(c.room, c.goals);
        EXPECT_TRUE(result.solved) << c.room;
        EXPECT_FALSE(result.exhausted) << c.room;
        EXPECT_EQ(shortest, static_cast<int>(result.moves.size())) << c.room << result.moves;
        EXPECT_TRUE(solvedBy(c.room, c.goals, result.moves)) << c.room << result.moves;
    }
}

TEST(Solver, AnAlreadySolvedRoomNeedsNoMoves)
{
    const Solver::Result result = solveRoom("#s.#\n####\n", {{"s", "goal_alive"}});
    EXPECT_TRUE(result.solved);
    EXPECT_EQ("", result.moves);
    EXPECT_EQ(0, result.expanded);
}

TEST(Solver, AShutInFishIsProvenUnsolvableAfterTheWholeSpace)
{
    const Solver::Result result = solveRoom("#####\n#s..#\n#####\n", {{"s", "goal_escape"}});
    EXPECT_FALSE(result.solved);
    EXPECT_TRUE(result.exhausted);
    // Three cells and two look sides.
    EXPECT_EQ(6, result.stored);
    EXPECT_EQ(6, result.expanded);
}

TEST(Solver, BranchesThatCanNoLongerFinishAreCut)
{
    // The small fish must live, and the heavy item drops on it when the
    // big fish swims away below the item; every other place is searched.
    const char *room = "#####\n#.A.#\n#.S.#\n#s..#\n#####\n";
    const Solver::Result cut = solveRoom(room, {{"s", "goal_alive"}, {"S", "goal_escape"}});
    EXPECT_FALSE(cut.solved);
    EXPECT_TRUE(cut.exhausted);
    const Solver::Result free = solveRoom(room, {{"S", "goal_alive"}});
    EXPECT_TRUE(free.solved);
}

TEST(Solver, LimitsStopTheSearchWithoutClaimingAProof)
{
    const char *room = "##########\n#s.......#\n#........#\n#..S.....#\n#........#\n###.######\n";
    Solver::Limits limits;
    limits.maxStates = 10;
    const Solver::Result result = solveRoom(room, {{"s", "goal_escape"}}, limits);
    EXPECT_FALSE(result.solved);
    EXPECT_FALSE(result.exhausted);
    EXPECT_EQ(10, result.expanded);
    Solver::Limits none;
    none.maxStates = 0;
    none.maxSeconds = 0;
    EXPECT_TRUE(solveRoom(room, {{"s", "goal_escape"}}, none).solved);
}

TEST(Solver, KeysOfATwentyByFifteenRoomStaySmall)
{
    std::string picture = std::string(20, '#') + "\n";
    for (int y = 1; y < 14; ++y) {
        std::string row = "#" + std::string(18, '.') + "#";
        if (y == 13) {
            row = "#..abcdefghij..sS..#";
        }
        picture += row + "\n";
    }
    picture += std::string(20, '#') + "\n";
    Solver::Limits limits;
    limits.maxStates = 50;
    const Solver::Result result = solveRoom(picture.c_str(), {{"s", "goal_escape"}}, limits);
    EXPECT_LE(result.keyBytes, 32);
    EXPECT_GT(result.stored, 50);
}

}
