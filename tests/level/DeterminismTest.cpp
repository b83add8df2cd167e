#include "TextRoom.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using textroom::FakeInput;
using textroom::TextRoom;

const char *ROOMS[] = {
    "##########\n"
    "#..a..b..#\n"
    "#..cc.A..#\n"
    "#.s...dd.#\n"
    "#.###.SS..\n"
    "#...B.SS..\n"
    "##########\n",

    "...........\n"
    ".aa..B..x..\n"
    ".s...ff.S..\n"
    "####.#####<\n"
    ".....#.....\n",

    "#######\n"
    "#.a.b.#\n"
    "#.cAd.#\n"
    "#.sSe.#\n"
    "###.###\n",
};

const std::map<char, std::string> EXTRA = {{'x', "fish_extra-^v<>"}};

void setGoals(TextRoom &room)
{
    room.setGoal('s', "goal_escape");
    room.setGoal('S', "goal_escape");
}

std::string state(const TextRoom &room)
{
    std::string text;
    for (int i = 0; i < room.room.getModelCount(); ++i) {
        const Cube *m = room.room.getModel(i);
        text += std::to_string(i) + ":" + m->getLoc().toString() + (m->isAlive() ? "A" : "d")
            + (m->isOut() ? "O" : "i") + (m->isLeft() ? "<" : ">") + (m->isLost() ? "L" : "-") + " ";
    }
    return text;
}

/** Random play through nextRound: held keys, queued strokes, mouse walks and fish switches. */
std::string playLive(TextRoom &room, unsigned seed, int rounds)
{
    static const SDLKey KEYS[] = {
        SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_i, SDLK_k, SDLK_j, SDLK_l,
        SDLK_w, SDLK_s, SDLK_a, SDLK_d,
    };
    std::mt19937 random(seed);
    FakeInput input;
    for (int i = 0; i < rounds; ++i) {
        input.keys.clear();
        input.left = input.right = false;
        const unsigned what = random() % 10;
        if (what < 5) {
            input.keys.insert(KEYS[random() % 12]);
            if (what == 0) {
                input.keys.insert(KEYS[random() % 12]);
            }
        } else if (what == 5) {
            room.room.controlEvent(KEYS[random() % 12]);
        } else if (what == 6) {
            input.left = random() % 2 == 0;
            input.right = !input.left;
            input.pointAt(random() % room.room.getW(), random() % room.room.getH());
        } else if (what == 7) {
            room.room.switchFish();
        }
        room.room.nextRound(&input);
    }
    room.settle(1000);
    return room.room.getMoves();
}

TEST(Determinism, ReplayingTheMovesReproducesLivePlay)
{
    int moveCount = 0;
    for (const char *picture : ROOMS) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            TextRoom live(picture, EXTRA);
            setGoals(live);
            const std::string moves = playLive(live, seed, 300);
            moveCount += static_cast<int>(moves.size());

            TextRoom replayed(picture, EXTRA);
            setGoals(replayed);
            ASSERT_NO_THROW(replayed.replay(moves)) << picture << " seed " << seed << " moves " << moves;
            EXPECT_EQ(state(live), state(replayed)) << picture << " seed " << seed << " moves " << moves;
            EXPECT_EQ(moves, replayed.room.getMoves());

            TextRoom again(picture, EXTRA);
            setGoals(again);
            again.replay(moves);
            EXPECT_EQ(state(replayed), state(again)) << "seed " << seed;
        }
    }
    EXPECT_GT(moveCount, 1000) << "the random play must actually move the fish";
}

}
