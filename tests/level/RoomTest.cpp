#include "TextRoom.h"

#include "level/RoomHost.h"
#include "level/RoomMedia.h"
#include "gengine/BaseException.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using textroom::TextRoom;

class RecordingMedia : public RoomMedia {
    public:
        std::vector<std::string> *sounds;
        std::vector<int> *phases;
        RecordingMedia(std::vector<std::string> *s, std::vector<int> *p) : sounds(s), phases(p) {}
        virtual void playSound(const std::string &name, int volume)
        { sounds->push_back(name + "@" + std::to_string(volume)); }
        virtual void noteNewRound(int count) { phases->push_back(count); }
        virtual V2 getFieldPos(const V2 &screenPos) const { return screenPos.shrink(15); }
};

class RecordingHost : public RoomHost {
    public:
        int killPlans = 0;
        std::vector<int> killedSounds;
        virtual void killPlan() { ++killPlans; }
        virtual bool isTalking(int actor) const { return actor == 1; }
        virtual void killSound(int actor) { killedSounds.push_back(actor); }
        virtual void removeDialogs() {}
};

TEST(Room, LandingPlaysTheImpactOfTheHeaviestModelOnce)
{
    struct Case { const char *room; const char *sound; int rounds; };
    const Case cases[] = {
        {"#a#\n#.#\n#.#\n###\n", "impact_light@50", 3},
        {"#A#\n#.#\n#.#\n###\n", "impact_heavy@50", 3},
        {"#aA#\n#..#\n####\n", "impact_heavy@50", 2},
    };
    for (const Case &c : cases) {
        TextRoom room(c.room);
        std::vector<std::string> sounds;
        std::vector<int> phases;
        room.room.takeMedia(new RecordingMedia(&sounds, &phases));
        int rounds = 0;
        do {
            room.room.nextRound(nullptr);
            ++rounds;
        } while (room.room.getLastAction() != Rules::ACTION_NO && rounds < 20);
        EXPECT_EQ(c.rounds, rounds) << c.room;
        EXPECT_EQ(std::vector<std::string>{c.sound}, sounds) << c.room;
    }
}

TEST(Room, ItemsFallTogetherAndAStackOnAFishStays)
{
    TextRoom room("#a.#\n#bc#\n#.s#\n####\n");
    room.room.nextRound(nullptr);
    EXPECT_EQ(Rules::ACTION_FALL, room.room.getLastAction());
    EXPECT_FALSE(room.room.isSolved()) << "a room is not solved while anything falls";
    room.settle();
    EXPECT_EQ("#..#\n#ac#\n#bs#\n####\n", room.picture());
    EXPECT_TRUE(room.model('s')->isAlive());
    EXPECT_TRUE(room.room.isSolved());
}

TEST(Room, FastFallingEndsTheFallAndLetsTheFishMoveInTheSameRound)
{
    TextRoom room("#a..#\n#...#\n#...#\n#..s#\n#####\n");
    room.room.setFastFalling(true);
    textroom::FakeInput input;
    input.keys.insert(SDLK_LEFT);
    room.room.nextRound(&input);
    EXPECT_EQ("#...#\n#...#\n#...#\n#a.s#\n#####\n", room.picture());
    EXPECT_EQ("", room.room.getMoves()) << "the first round at rest activates the fish";
    room.room.nextRound(&input);
    EXPECT_EQ("l", room.room.getMoves());
}

TEST(Room, NothingFallsWhileAModelLeaves)
{
    TextRoom room("......\nss...a\n####..\n");
    room.setGoal('s', "goal_escape");
    for (int step = 1; step <= 2; ++step) {
        EXPECT_TRUE(room.room.beginFall(false));
        EXPECT_EQ(Rules::ACTION_MOVE, room.room.getLastAction());
        EXPECT_EQ(step, room.model('s')->getRules()->getOutDepth());
        EXPECT_FALSE(room.model('a')->getRules()->isFalling()) << "the item waits for the leaving fish";
        room.room.finishRound(false);
    }
    EXPECT_TRUE(room.room.beginFall(false));
    EXPECT_TRUE(room.model('s')->isOut());
    EXPECT_EQ(Rules::ACTION_FALL, room.room.getLastAction()) << "falling resumes in the round that marks it out";
    room.room.finishRound(false);
    room.settle();
    EXPECT_EQ("......\n......\n####.a\n", room.picture());
}

TEST(Room, DeathsAndDeparturesStopThePlan)
{
    RecordingHost host;
    RoundLock lock;
    std::vector<std::string> sounds;
    std::vector<int> phases;
    {
        Room room(3, 3, "", &lock, &host);
        room.takeMedia(new RecordingMedia(&sounds, &phases));
        room.addModel(ModelFactory::createModel("item_heavy", V2(1, 1), "X"), nullptr);
        room.addModel(ModelFactory::createModel("fish_small", V2(1, 2), "X"), ModelFactory::createUnit("fish_small"));
        room.getModel(1)->takeDialogs(&host);
        EXPECT_EQ("talking", room.getModel(1)->getRules()->getState());
        room.nextRound(nullptr);
        EXPECT_FALSE(room.getModel(1)->isAlive());
        EXPECT_EQ(std::vector<int>{1}, host.killedSounds);
        EXPECT_EQ(std::vector<std::string>{"dead_small@100"}, sounds);
        EXPECT_EQ(1, host.killPlans);
        EXPECT_FALSE(room.canFinish() && room.getModel(1)->getGoal().getAlive() == Goal::SATISFY_TRUE);
    }
    EXPECT_EQ(2, host.killPlans) << "destroying the room stops the plan";
}

TEST(Room, GoalsDecideSolvedAndCanFinish)
{
    TextRoom room("#....#\n#.s..#\n######\n");
    room.setGoal('s', "goal_alive");
    room.settle();
    EXPECT_TRUE(room.room.isSolved());
    EXPECT_TRUE(room.room.canFinish());
    room.setGoal('s', "goal_escape");
    EXPECT_FALSE(room.room.isSolved());
    EXPECT_TRUE(room.room.canFinish());
    room.model('s')->change_die();
    EXPECT_FALSE(room.room.canFinish());
    EXPECT_TRUE(room.room.cannotMove());
}

TEST(Room, BadIndexAndOccupiedPlaceAreRefused)
{
    TextRoom room("#s.#\n####\n");
    EXPECT_THROW(room.room.getModel(-1), LogicException);
    EXPECT_THROW(room.room.getModel(2), LogicException);
    try {
        room.room.getModel(7);
    } catch (const LogicException &e) {
        EXPECT_EQ("bad model index; model_index=7", std::string(e.what()));
    }
    EXPECT_THROW(room.room.addModel(ModelFactory::createModel("fish_big", V2(1, 0), "X"),
                ModelFactory::createUnit("fish_big")), LayoutException);
    EXPECT_EQ(2, room.room.getModelCount());
    EXPECT_EQ(2, room.room.addModel(ModelFactory::createModel("item_light", V2(2, 0), "X"), nullptr));
    EXPECT_EQ(-1, room.room.askField(V2(9, 9))->getIndex());
}

}
