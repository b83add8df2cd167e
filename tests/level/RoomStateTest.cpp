#include "TextRoom.h"

#include "level/RoomState.h"
#include "effect/ViewEffect.h"
#include "gengine/BaseException.h"
#include "level/Anim.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using textroom::TextRoom;

const char *ROOM =
    "##########\n"
    "#..a.....#\n"
    "#..b..C..#\n"
    "#.......d#\n"
    "#.s.####.#\n"
    "#....S...#\n"
    "##########\n";

/** Everything a replay can tell about the room: the picture and each model's flags. */
std::string describe(const TextRoom &room)
{
    std::ostringstream out;
    out << room.picture() << room.room.getMoves() << "\n";
    for (int i = 0; i < room.room.getModelCount(); ++i) {
        const Cube *m = room.room.getModel(i);
        out << m->getLoc().toString() << m->isAlive() << m->isOut() << m->isLost()
            << m->isLeft() << m->getWeight() << m->getOutDir() << m->getOutCapacity() << " ";
    }
    return out.str();
}

void settleAfterReplay(TextRoom &room)
{
    ASSERT_TRUE(room.room.settle());
}

/** A string of moves the fish can really make here, from a fixed wish list. */
std::string playableMoves(const char *wishes)
{
    TextRoom room(ROOM);
    std::string moves;
    for (const char *c = wishes; *c; ++c) {
        if (room.room.tryMove(*c)) {
            moves += *c;
        }
    }
    return moves;
}

TEST(RoomState, RestoringACopyAndReplayingTheRestEndsLikeTheWholeReplay)
{
    const std::string moves = playableMoves("rrrrrdduuRRRUUllluLLLLrrrrUUUddlllDDDrrRRR");
    ASSERT_GE(moves.size(), 20u);
    TextRoom whole(ROOM);
    whole.replay(moves);
    const std::string expected = describe(whole);

    for (size_t split = 0; split <= moves.size(); split += 3) {
        TextRoom room(ROOM);
        for (size_t i = 0; i < split; ++i) {
            room.room.loadMove(moves[i]);
        }
        // Taken mid-round: the last move's models are in no cell yet.
        RoomState copy;
        room.room.saveState(&copy);
        for (char c : std::string("UUddLLrr")) {
            room.room.tryMove(c);
        }
        room.room.settle();
        room.room.restoreState(copy);
        for (size_t i = split; i < moves.size(); ++i) {
            room.room.loadMove(moves[i]);
        }
        settleAfterReplay(room);
        EXPECT_EQ(expected, describe(room)) << "split after " << split << " of " << moves;
    }
}

TEST(RoomState, RestAtRestRewritesOnlyMovedModelsAndEndsLikeAFullRestore)
{
    const std::string moves = playableMoves("rrrrrdduuRRRUUllluLLLL");
    TextRoom room(ROOM);
    room.room.settle();
    RoomState start;
    room.room.saveState(&start);
    room.replay(moves);
    RoomState later;
    room.room.saveState(&later);
    const std::string expected = describe(room);

    room.room.restoreState(start);
    later.applyAtRest(room.room);
    EXPECT_EQ(expected, describe(room));
    start.applyAtRest(room.room);
    room.replay(moves);
    EXPECT_EQ(expected, describe(room)) << "the field must agree with the models after a rest restore";
}

TEST(RoomState, AMoveAtRestEndsLikeAReplayedMove)
{
    const std::string moves = playableMoves("rrrrrdduuRRRUUllluLLLLrrrrUUUddlllDDDrrRRR");
    TextRoom replayed(ROOM);
    replayed.replay(moves);
    TextRoom rested(ROOM);
    ASSERT_TRUE(rested.room.settle());
    for (char c : moves) {
        ASSERT_TRUE(rested.room.tryMoveAtRest(c)) << c;
        ASSERT_TRUE(rested.room.settle());
    }
    EXPECT_EQ(describe(replayed), describe(rested));
    EXPECT_FALSE(rested.room.tryMoveAtRest('x'));
    EXPECT_EQ(describe(replayed), describe(rested)) << "a symbol no fish has changes nothing";
}

TEST(RoomState, ARestoredDeadFishLivesAgainAndNoLongerCrumbles)
{
    TextRoom room("#A#\n#.#\n#s#\n###\n");
    RoomState before;
    room.room.saveState(&before);
    const std::string effect = room.model('s')->getAnim()->getEffect()->getName();
    room.room.settle();
    ASSERT_FALSE(room.model('s')->isAlive()) << "the heavy item kills the small fish";
    room.room.restoreState(before);
    EXPECT_TRUE(room.model('s')->isAlive());
    EXPECT_EQ(effect, room.model('s')->getAnim()->getEffect()->getName());
    EXPECT_EQ("#A#\n#.#\n#s#\n###\n", room.picture());
}

TEST(RoomState, ACopyOfAnotherRoomIsRefused)
{
    TextRoom one("#s.#\n####\n");
    TextRoom two("#s.#\n####\n");
    RoomState copy;
    one.room.saveState(&copy);
    EXPECT_THROW(two.room.restoreState(copy), LogicException);
    EXPECT_THROW(copy.applyAtRest(two.room), LogicException);
    RoomState empty;
    EXPECT_THROW(one.room.restoreState(empty), LogicException);
}

}
