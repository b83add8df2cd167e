#include "TextRoom.h"

#include "level/Anim.h"

#include <gtest/gtest.h>

namespace {

using textroom::FakeInput;
using textroom::TextRoom;

const char *TWO_FISH = "#........#\n#...s..S.#\n##########\n";

// Plays rounds with the keys held; the first round activates the starting fish.
std::string play(TextRoom &room, std::initializer_list<SDLKey> keys, int rounds)
{
    FakeInput input;
    input.keys.insert(keys.begin(), keys.end());
    for (int i = 0; i < rounds; ++i) {
        room.room.nextRound(&input);
    }
    return room.room.getMoves();
}

TEST(Controls, KeysDriveTheirFishAndTheArrowsTheActiveOne)
{
    struct Case { std::initializer_list<SDLKey> keys; const char *moves; char active; };
    const Case cases[] = {
        {{SDLK_LEFT}, "l", 's'},
        {{SDLK_j}, "l", 's'},
        {{SDLK_a}, "L", 'S'},
        {{SDLK_RIGHT, SDLK_UP}, "r", 's'},
        {{SDLK_LEFT, SDLK_RIGHT}, "l", 's'},
        {{SDLK_k}, "", 's'},
    };
    for (const Case &c : cases) {
        TextRoom room(TWO_FISH);
        EXPECT_EQ(c.moves, play(room, c.keys, 2)) << c.moves;
        EXPECT_TRUE(room.room.getControls()->getActive()->equalsModel(room.model(c.active))) << c.moves;
    }
}

TEST(Controls, TheFirstRoundActivatesTheSmallFish)
{
    TextRoom room(TWO_FISH);
    EXPECT_EQ("", play(room, {SDLK_LEFT}, 1));
    EXPECT_EQ(3, room.lock.getLocked());
    EXPECT_EQ("activate", room.model('s')->getRules()->getAction());
    EXPECT_EQ("l", play(room, {SDLK_LEFT}, 1));
}

TEST(Controls, TurnIsRecordedAndAWallMoveIsNot)
{
    TextRoom room("#s.#\n####\n");
    EXPECT_EQ("r", play(room, {SDLK_RIGHT}, 2));
    EXPECT_TRUE(room.model('s')->isLeft());
    room.settle();
    EXPECT_FALSE(room.model('s')->isLeft());
    EXPECT_EQ("rr", play(room, {SDLK_RIGHT}, 1));
    EXPECT_EQ("rr", play(room, {SDLK_RIGHT}, 3)) << "the wall stops it, nothing more is recorded";
    EXPECT_EQ(V2(2, 0), room.model('s')->getLoc());
}

TEST(Controls, AKeyStrokeIsQueuedForTheNextRound)
{
    TextRoom room(TWO_FISH);
    room.settle();
    room.room.controlEvent(SDLK_a);
    room.room.controlEvent(SDLK_j);
    EXPECT_EQ("L", play(room, {}, 1)) << "the first stroke wins, the second is dropped";
    room.settle();
    room.room.controlEvent(SDLK_LEFT);
    EXPECT_EQ("LL", play(room, {}, 1)) << "the arrows belong to the active fish";
}

TEST(Controls, SwitchingSkipsFishThatCannotDriveAndSpendsARound)
{
    TextRoom three("#..........#\n#.s.S.x....#\n############\n", {{'x', "fish_extra-8246"}});
    three.settle();
    Controls *controls = three.room.getControls();
    three.model('S')->setBusy(true);
    three.room.switchFish();
    EXPECT_TRUE(controls->getActive()->equalsModel(three.model('x')));
    EXPECT_EQ("", play(three, {SDLK_LEFT}, 1)) << "activation round";
    EXPECT_EQ("4", play(three, {SDLK_LEFT}, 1)) << "the extra fish's own left symbol";
    three.settle();
    EXPECT_NO_THROW(three.room.loadMove('6'));
    EXPECT_EQ("46", three.room.getMoves());
}

TEST(Controls, MovesStringRestoresTheActiveFish)
{
    TextRoom room(TWO_FISH);
    room.room.setMoves("llrU");
    EXPECT_TRUE(room.room.getControls()->getActive()->equalsModel(room.model('S')));
    EXPECT_EQ(4, room.room.getControls()->getStepCount());
    EXPECT_TRUE(room.room.getControls()->isPowerful());
}

TEST(Controls, DeadFishTakeNoRecordedMoves)
{
    TextRoom big("#A#\n#S#\n#.#\n###\n");
    big.model('S')->change_die();
    EXPECT_FALSE(big.room.getControls()->makeMove('U'));
    EXPECT_TRUE(big.room.cannotMove());
}

TEST(Controls, LongSwimsSpeedUp)
{
    TextRoom room("#..............#\n#.............s#\n################\n");
    Cube *fish = room.model('s');
    for (int i = 0; i < 12; ++i) {
        fish->getAnim()->addPhase("swam", 0);
    }
    for (int i = 0; i < 5; ++i) {
        fish->getAnim()->addPhase("turn", 0);
    }
    FakeInput input;
    input.keys.insert(SDLK_LEFT);
    room.room.nextRound(&input);
    std::vector<int> locks;
    for (int i = 0; i < 11; ++i) {
        room.lock.reset();
        room.room.nextRound(&input);
        locks.push_back(room.lock.getLocked());
    }
    EXPECT_EQ((std::vector<int>{6, 6, 6, 6, 6, 6, 4, 4, 4, 4, 2}), locks);

    input.keys = {SDLK_RIGHT};
    room.lock.reset();
    room.room.nextRound(&input);
    EXPECT_EQ(5, room.lock.getLocked()) << "a turn lasts the whole turn animation";
}

}
