#include "TextRoom.h"

#include "level/Anim.h"
#include "effect/ViewEffect.h"
#include "gengine/BaseException.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using textroom::TextRoom;

// A room, the moves replayed into it, and the room at rest afterwards; an
// empty expectation means the last move is refused as a bad move.
struct MoveCase {
    const char *name;
    const char *before;
    const char *moves;
    const char *after;
    const char *goOut;
};

const MoveCase MOVE_CASES[] = {
    {"small fish pushes a row of light items",
        "#######\n#.abcs#\n#######\n", "l", "#######\n#abcs.#\n#######\n", ""},
    {"a heavy item anywhere in the row stops the small fish",
        "#######\n#.aBcs#\n#######\n", "l", nullptr, ""},
    {"big fish pushes a heavy item and a light one",
        "######\n#.aBS#\n######\n", "L", "######\n#aBS.#\n######\n", ""},
    {"a fish is never pushed",
        "#####\n#.sS#\n#####\n", "L", nullptr, ""},
    {"an item against the other fish cannot be pushed",
        "######\n#.saS#\n######\n", "L", nullptr, ""},
    {"a wall at the end of the row blocks",
        "######\n##abs#\n######\n", "l", nullptr, ""},
    {"the border blocks a model that should not go out",
        "as.\n###\n", "l", nullptr, ""},
    {"an item that should go out is pushed through the edge",
        "....\n.as.\n####\n", "l", "....\n.s..\n####\n", "a"},
    {"a fish that should go out swims through the edge",
        "....\n.s..\n####\n", "l", "....\n....\n####\n", "s"},
    {"right while facing left only turns",
        "#.s.#\n#####\n", "r", "#.s.#\n#####\n", ""},
    {"the second right moves",
        "#.s.#\n#####\n", "rr", "#..s#\n#####\n", ""},
    {"moves of a dead fish are refused",
        "#A#\n#s#\n###\n", "u", nullptr, ""},
    {"a symbol of no fish is refused",
        "#s.#\n####\n", "x", nullptr, ""},
    {"a pushed item falls off the ledge",
        "#....#\n#..as#\n#.####\n#.####\n######\n", "ll", "#....#\n#.s..#\n#.####\n#a####\n######\n", ""},
};

TEST(Rules, MovesAndPushes)
{
    for (const MoveCase &c : MOVE_CASES) {
        TextRoom room(c.before);
        for (const char *g = c.goOut; *g; ++g) {
            room.setGoal(*g, "goal_out");
        }
        if (!c.after) {
            EXPECT_THROW(room.replay(c.moves), LoadException) << c.name;
            continue;
        }
        try {
            room.replay(c.moves);
        } catch (const LoadException &e) {
            ADD_FAILURE() << c.name << ": " << e.what();
            continue;
        }
        EXPECT_EQ(c.after, room.picture()) << c.name;
        EXPECT_EQ(c.moves, room.room.getMoves()) << c.name;
    }
}

TEST(Rules, BadMoveNamesTheSymbol)
{
    TextRoom room("#s#\n###\n");
    try {
        room.replay("l");
        FAIL();
    } catch (const LoadException &e) {
        EXPECT_EQ("load error - bad move; move='l'", std::string(e.what()));
    }
}

TEST(Rules, BlockedMoveTouchesTheChainUpToTheFirstWall)
{
    TextRoom room("#######\n#aBcs.#\n#######\n");
    room.settle();
    EXPECT_FALSE(room.model('s')->getRules()->moveDir(Dir::DIR_LEFT));
    for (char c : std::string("#aBcs")) {
        EXPECT_EQ(Dir::DIR_LEFT, room.model(c)->getRules()->getTouchDir()) << c;
        EXPECT_EQ(Dir::DIR_NO, room.model(c)->getRules()->getDir()) << c;
    }
    room.settle();
    EXPECT_EQ(Dir::DIR_NO, room.model('a')->getRules()->getTouchDir()) << "a touch lasts one round";
}

TEST(Rules, OutputSwallowsFishAndBecomesAnItemWhenFull)
{
    TextRoom room("#<.sS#\n######\n");
    room.replay("ll");
    EXPECT_TRUE(room.model('s')->isOut());
    EXPECT_TRUE(room.model('s')->isAlive());
    EXPECT_EQ(1, room.model('<')->getOutCapacity());
    EXPECT_EQ("#<..S#\n######\n", room.picture());
    room.replay("LLL");
    EXPECT_TRUE(room.model('S')->isOut());
    EXPECT_EQ(Cube::LIGHT, room.model('<')->getWeight());
    EXPECT_EQ(Dir::DIR_NO, room.model('<')->getOutDir());
    EXPECT_TRUE(room.room.cannotMove());
}

struct DeathCase {
    const char *name;
    const char *room;
    const char *moves;
    bool smallDies;
};

const DeathCase DEATH_CASES[] = {
    {"a heavy item on the small fish kills it",
        "#.A.#\n#.s.#\n#####\n", "", true},
    {"a heavy item on the big fish kills nobody",
        "#.A.#\n#.S.#\n#####\n", "", false},
    {"a heavy item on the small fish and a wall kills nobody",
        "#AA#\n#s##\n####\n", "", false},
    {"a light item on the small fish is harmless",
        "#a#\n#s#\n###\n", "", false},
    {"a light item that falls onto a fish kills it",
        "#a#\n#.#\n#s#\n###\n", "", true},
    {"a falling item that also lands on a wall kills nobody",
        "#aa#\n#..#\n#s##\n####\n", "", false},
    {"a light item pushed off a ledge onto a fish kills it",
        "######\n#..aS#\n#.####\n#s####\n######\n", "LL", true},
    {"an item pushed over the fish's back kills it",
        "######\n#.aS.#\n#ss###\n######\n", "L", true},
    {"unless it also rests on a resting stack",
        "#######\n#.aaS.#\n#bss###\n#######\n", "L", false},
    {"a heavy item shared with the big fish kills nobody",
        "#AA.#\n#sS.#\n#####\n", "", false},
};

TEST(Rules, Deaths)
{
    for (const DeathCase &c : DEATH_CASES) {
        TextRoom room(c.room);
        room.settle();
        room.replay(c.moves);
        room.settle();
        const Cube *fish = room.model(std::string(c.room).find('s') != std::string::npos ? 's' : 'S');
        EXPECT_EQ(c.smallDies, !fish->isAlive()) << c.name;
    }
}

TEST(Rules, DeadFishIsALightItemUntilItDisintegrates)
{
    TextRoom room("#...#\n#.A.#\n#.s.#\n#####\n");
    room.settle();
    Cube *fish = room.model('s');
    ASSERT_FALSE(fish->isAlive());
    EXPECT_EQ(Cube::LIGHT, fish->getWeight());
    EXPECT_STREQ("dead", fish->getRules()->getState().c_str());
    EXPECT_FALSE(fish->getRules()->checkDead(Rules::ACTION_FALL)) << "a dead fish does not die again";

    for (int i = 0; i < 14; ++i) {
        fish->getAnim()->getEffect()->updateEffect();
    }
    room.settle();
    EXPECT_TRUE(fish->isLost());
    EXPECT_FALSE(fish->isOut());
    EXPECT_EQ("#...#\n#...#\n#.A.#\n#####\n", room.picture()) << "the heavy item falls into its place";
}

TEST(Rules, LeavingModelStepsOutOneCellPerRoundAndReportsGooutOnce)
{
    TextRoom room("....\nss..\n####\n");
    room.setGoal('s', "goal_escape");
    room.room.beginFall(false);
    EXPECT_EQ(1, room.model('s')->getRules()->getOutDepth());
    EXPECT_EQ("goout", room.model('s')->getRules()->getState());
    EXPECT_EQ(Cube::FIXED, room.model('s')->getWeight()) << "nothing pushes a leaving model";
    room.room.finishRound(false);
    room.room.beginFall(false);
    EXPECT_EQ(2, room.model('s')->getRules()->getOutDepth());
    EXPECT_EQ("normal", room.model('s')->getRules()->getState());
    room.room.finishRound(false);
    room.room.beginFall(false);
    EXPECT_EQ(-1, room.model('s')->getRules()->getOutDepth());
    EXPECT_TRUE(room.model('s')->isOut());
    EXPECT_TRUE(room.room.isSolved()) << "the round that marks it out falls nothing here";
}

TEST(Rules, SetLocationWithBothCoordinatesNegativeTakesTheModelOut)
{
    TextRoom room("#a.#\n####\n");
    room.model('a')->getRules()->change_setLocation(V2(2, 0));
    EXPECT_EQ("#.a#\n####\n", room.picture());
    EXPECT_EQ(room.model('a'), room.room.askField(V2(2, 0)));
    room.model('a')->getRules()->change_setLocation(V2(-1, -5));
    EXPECT_TRUE(room.model('a')->isOut());
    EXPECT_EQ(nullptr, room.room.askField(V2(2, 0)));
    EXPECT_THROW(room.model('#')->getRules()->change_setLocation(V2(INT_MAX, 0)), LayoutException);
}

}
