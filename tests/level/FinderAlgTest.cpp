#include "TextRoom.h"

#include "level/FinderAlg.h"
#include "level/FinderField.h"

#include <gtest/gtest.h>

namespace {

using textroom::FakeInput;
using textroom::TextRoom;

Dir::eDir firstStep(const char *picture, V2 dest)
{
    TextRoom room(picture);
    FinderAlg finder(room.room.getW(), room.room.getH());
    return finder.findDir(room.room.getControls()->getActive(), dest);
}

TEST(FinderAlg, FirstStepOfAShortestFreePath)
{
    struct Case { const char *name; const char *room; V2 dest; Dir::eDir dir; };
    const Case cases[] = {
        {"destination inside the fish's rectangle", "#...#\n#.ss#\n#####\n", V2(3, 1), Dir::DIR_NO},
        {"around a wall", "#....#\n#.s#.#\n######\n", V2(4, 1), Dir::DIR_UP},
        {"a tie between left and up goes left", "#...#\n#..s#\n#####\n", V2(1, 0), Dir::DIR_LEFT},
        {"unreachable", "#.#.#\n#s#.#\n#####\n", V2(3, 1), Dir::DIR_NO},
        {"items are obstacles too", "#.....#\n#.sa..#\n#######\n", V2(5, 1), Dir::DIR_UP},
        {"a tall fish does not fit a low tunnel", "#s....\n#s###.\n#.....\n######\n", V2(3, 2), Dir::DIR_NO},
        {"a tall fish covers a tunnel cell from above", "#s.....\n#s.....\n#..#...\n#######\n", V2(2, 2), Dir::DIR_RIGHT},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.dir, firstStep(c.room, c.dest)) << c.name;
    }
}

TEST(FinderAlg, MouseButtonsWalkOrGoStraight)
{
    const char *picture = "#.....#\n#.s#..#\n#######\n";
    // One round each; the right button toward the wall only turns the fish.
    struct Case { bool left; V2 cell; const char *moves; };
    const Case cases[] = {
        {true, V2(4, 1), "u"},
        {false, V2(4, 1), "r"},
        {false, V2(1, 1), "l"},
        {true, V2(2, 1), ""},
    };
    for (const Case &c : cases) {
        TextRoom room(picture);
        room.settle();
        FakeInput input;
        input.left = c.left;
        input.right = !c.left;
        input.pointAt(c.cell.getX(), c.cell.getY());
        room.room.nextRound(&input);
        EXPECT_EQ(c.moves, room.room.getMoves()) << c.left << c.cell.toString();
    }
}

TEST(FinderAlg, SelectingAFishActivatesIt)
{
    TextRoom room("#........#\n#...s..S.#\n##########\n");
    room.room.selectModel(SDL_BUTTON_RIGHT, V2(7 * 15, 15));
    EXPECT_TRUE(room.room.getControls()->getActive()->equalsModel(room.model('s')));
    room.room.selectModel(SDL_BUTTON_LEFT, V2(7 * 15 + 14, 15 + 14));
    EXPECT_TRUE(room.room.getControls()->getActive()->equalsModel(room.model('S')));
    room.room.selectModel(SDL_BUTTON_LEFT, V2(0, 0));
    EXPECT_TRUE(room.room.getControls()->getActive()->equalsModel(room.model('S'))) << "a wall is no fish";
}

TEST(FinderField, OutsideCountsAsClosed)
{
    FinderField field(2, 2);
    EXPECT_TRUE(field.isClosed(V2(-1, 0)));
    EXPECT_TRUE(field.isClosed(V2(0, 2)));
    EXPECT_FALSE(field.isClosed(V2(1, 1)));
    field.markClosed(V2(1, 1));
    field.markClosed(V2(5, 5));
    EXPECT_TRUE(field.isClosed(V2(1, 1)));
    field.reset();
    EXPECT_FALSE(field.isClosed(V2(1, 1)));
}

}
