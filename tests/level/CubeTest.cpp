#include "level/Anim.h"
#include "level/Cube.h"
#include "level/ModelFactory.h"
#include "level/Unit.h"
#include "effect/ViewEffect.h"
#include "gengine/BaseException.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<Cube> make(const std::string &kind)
{
    return std::unique_ptr<Cube>(ModelFactory::createModel(kind, V2(2, 3), "X"));
}

TEST(ModelFactory, KindsGiveWeightPowerAndLife)
{
    struct Case { const char *kind; Cube::eWeight weight; Cube::eWeight power; bool alive; };
    const Case cases[] = {
        {"fish_small", Cube::LIGHT, Cube::LIGHT, true},
        {"fish_big", Cube::LIGHT, Cube::HEAVY, true},
        {"fish_extra-udlr", Cube::LIGHT, Cube::LIGHT, true},
        {"fish_extraordinary", Cube::LIGHT, Cube::LIGHT, true},
        {"fish_EXTRA-UDLR", Cube::LIGHT, Cube::HEAVY, true},
        {"item_light", Cube::LIGHT, Cube::NONE, false},
        {"item_heavy", Cube::HEAVY, Cube::NONE, false},
        {"item_fixed", Cube::FIXED, Cube::NONE, false},
        {"output_up", Cube::FIXED, Cube::NONE, false},
    };
    for (const Case &c : cases) {
        std::unique_ptr<Cube> model = make(c.kind);
        EXPECT_EQ(c.weight, model->getWeight()) << c.kind;
        EXPECT_EQ(c.power, model->getPower()) << c.kind;
        EXPECT_EQ(c.alive, model->isAlive()) << c.kind;
    }
}

TEST(ModelFactory, UnknownKindsAreRefused)
{
    struct Case { const char *kind; const char *message; };
    const Case cases[] = {
        {"Fish_small", "unknown model kind; kind='Fish_small'"},
        {"", "unknown model kind; kind=''"},
        {"output_", "unknown border dir; kind='output_'"},
        {"output_sideways", "unknown border dir; kind='output_sideways'"},
    };
    for (const Case &c : cases) {
        try {
            make(c.kind);
            ADD_FAILURE() << c.kind;
        } catch (const LogicException &e) {
            EXPECT_EQ(c.message, std::string(e.what()));
        }
    }
}

TEST(ModelFactory, ExtraFishNeedExactlyFourSymbols)
{
    std::unique_ptr<Unit> unit(ModelFactory::createUnit("fish_extra-abcd"));
    ASSERT_TRUE(unit);
    EXPECT_EQ('a', unit->myOrder(Dir::DIR_UP));
    EXPECT_EQ('b', unit->myOrder(Dir::DIR_DOWN));
    EXPECT_EQ('c', unit->myOrder(Dir::DIR_LEFT));
    EXPECT_EQ('d', unit->myOrder(Dir::DIR_RIGHT));
    EXPECT_EQ(SDLK_LAST, unit->getKeys().getUp());

    const std::string bad[] = { "fish_extra-abc", "fish_EXTRA-abcde", "fish_extra", std::string("fish_extra-ab\0d", 15) };
    for (const std::string &kind : bad) {
        EXPECT_THROW(ModelFactory::createUnit(kind), LogicException) << kind;
    }
    EXPECT_EQ(nullptr, ModelFactory::createUnit("item_light"));
}

TEST(Cube, FreshModelHasNoIndexNoGoalAndFacesLeft)
{
    std::unique_ptr<Cube> model = make("item_light");
    EXPECT_EQ(-1, model->getIndex());
    EXPECT_EQ(Goal::SATISFY_IGNORE, model->getGoal().getAlive());
    EXPECT_EQ(Goal::SATISFY_IGNORE, model->getGoal().getOut());
    EXPECT_TRUE(model->isLeft());
    EXPECT_FALSE(model->isOut());
    EXPECT_FALSE(model->isLost());
    EXPECT_STREQ("none", model->getAnim()->getEffect()->getName());
    EXPECT_EQ("model; loc='[2,3]'; alive=0; weight=1; power=0; shape='[0,0]'", model->toString());
}

TEST(Cube, OutputTurnsIntoALightItemWhenFull)
{
    std::unique_ptr<Cube> output = make("output_left");
    EXPECT_EQ(Dir::DIR_LEFT, output->getOutDir());
    EXPECT_EQ(2, output->getOutCapacity());
    output->decOutCapacity();
    EXPECT_EQ(Cube::FIXED, output->getWeight());
    output->decOutCapacity();
    output->decOutCapacity();
    EXPECT_EQ(Cube::LIGHT, output->getWeight());
    EXPECT_EQ(Dir::DIR_NO, output->getOutDir());
    EXPECT_EQ(-1, output->getOutCapacity());
}

TEST(Cube, GoingOutRemovesTheModel)
{
    std::unique_ptr<Cube> fish = make("fish_small");
    fish->change_goOut();
    EXPECT_EQ(V2(-1000, -1000), fish->getLoc());
    EXPECT_EQ(Cube::NONE, fish->getWeight());
    EXPECT_TRUE(fish->isOut());
    EXPECT_TRUE(fish->isLost());
}

TEST(Cube, DyingStartsTheDisintegration)
{
    std::unique_ptr<Cube> fish = make("fish_small");
    fish->change_die();
    EXPECT_FALSE(fish->isAlive());
    EXPECT_STREQ("disintegrate", fish->getAnim()->getEffect()->getName());
    EXPECT_THROW(fish->getAnim()->changeEffect(nullptr), LogicException);
}

TEST(Cube, ScriptNumbersOutsideTheirRangesAreRefused)
{
    std::unique_ptr<Cube> item = make("item_light");
    EXPECT_THROW(item->change_setOutDir(static_cast<Dir::eDir>(5), 1, Cube::LIGHT), LogicException);
    EXPECT_THROW(item->change_setOutDir(Dir::DIR_UP, 1, static_cast<Cube::eWeight>(-1)), LogicException);
    EXPECT_THROW(item->change_setOutDir(Dir::DIR_UP, 1, static_cast<Cube::eWeight>(4)), LogicException);
    EXPECT_EQ(Cube::LIGHT, item->getWeight());
}

TEST(Goal, SatisfyAndWrongCombineBothConditions)
{
    struct Case { const char *goal; bool alive; bool out; bool satisfy; bool wrong; };
    const Case cases[] = {
        {"goal_no", false, false, true, false},
        {"goal_alive", false, false, false, true},
        {"goal_alive", true, true, true, false},
        {"goal_escape", true, true, true, false},
        {"goal_escape", true, false, false, false},
        {"goal_escape", false, true, false, true},
        {"goal_out", false, true, true, false},
        {"goal_out", false, false, false, false},
    };
    for (const Case &c : cases) {
        std::unique_ptr<Cube> model = make(c.alive ? "fish_small" : "item_light");
        if (c.out) {
            model->change_goOut();
        }
        Goal goal = Goal::noGoal();
        ASSERT_TRUE(Goal::fromName(c.goal, &goal));
        EXPECT_EQ(c.satisfy, goal.isSatisfy(model.get())) << c.goal << c.alive << c.out;
        EXPECT_EQ(c.wrong, goal.isWrong(model.get())) << c.goal << c.alive << c.out;
    }
    Goal goal = Goal::noGoal();
    EXPECT_FALSE(Goal::fromName("goal_win", &goal));
    EXPECT_TRUE(Goal(Goal::SATISFY_FALSE, Goal::SATISFY_TRUE).shouldGoOut());
    EXPECT_FALSE(Goal(Goal::SATISFY_TRUE, Goal::SATISFY_FALSE).shouldGoOut());
    std::unique_ptr<Cube> out = make("item_light");
    out->change_goOut();
    EXPECT_TRUE(Goal(Goal::SATISFY_IGNORE, Goal::SATISFY_FALSE).isWrong(out.get()));
}

}
