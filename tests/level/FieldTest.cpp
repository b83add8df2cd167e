#include "level/Cube.h"
#include "level/Dir.h"
#include "level/Field.h"
#include "level/ModelFactory.h"
#include "gengine/BaseException.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

TEST(V2, RendersBracketsAndShrinksTowardZero)
{
    EXPECT_EQ("[7,-3]", V2(7, -3).toString());
    EXPECT_EQ(V2(-3, 2), V2(-7, 5).shrink(2));
    EXPECT_EQ(V2(3, 4), V2(1, 5).plus(V2(2, -1)));
    EXPECT_EQ(V2(-4, INT_MAX), V2(4, INT_MIN).shrink(-1));
}

TEST(Dir, UpDecreasesY)
{
    struct Case { Dir::eDir dir; V2 shift; };
    const Case cases[] = {
        {Dir::DIR_NO, V2(0, 0)}, {Dir::DIR_UP, V2(0, -1)}, {Dir::DIR_DOWN, V2(0, 1)},
        {Dir::DIR_LEFT, V2(-1, 0)}, {Dir::DIR_RIGHT, V2(1, 0)},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.shift, Dir::dir2xy(c.dir)) << c.dir;
    }
}

TEST(Field, EverythingOutsideIsTheBorder)
{
    Field field(3, 2);
    const V2 outside[] = { V2(-1, 0), V2(3, 0), V2(0, -1), V2(0, 2), V2(-1000, -1000), V2(INT_MAX, INT_MIN) };
    for (const V2 &loc : outside) {
        const Cube *model = field.getModel(loc);
        ASSERT_NE(nullptr, model) << loc.toString();
        EXPECT_EQ(-1, model->getIndex());
        EXPECT_EQ(Cube::FIXED, model->getWeight());
        EXPECT_EQ(field.getBorder(), model);
    }
    EXPECT_EQ(nullptr, field.getModel(V2(2, 1)));
}

TEST(Field, ConditionalWritesEraseOnlyTheirOwnMarks)
{
    Field field(1, 1);
    std::unique_ptr<Cube> a(ModelFactory::createModel("item_light", V2(5, 5), "X"));
    std::unique_ptr<Cube> b(ModelFactory::createModel("item_light", V2(5, 5), "X"));

    field.setModel(V2(0, 0), a.get(), nullptr);
    field.setModel(V2(0, 0), b.get(), nullptr);
    EXPECT_EQ(b.get(), field.getModel(V2(0, 0))) << "a write without a model to replace overwrites";
    field.setModel(V2(0, 0), nullptr, a.get());
    EXPECT_EQ(b.get(), field.getModel(V2(0, 0))) << "erasing a keeps b";
    field.setModel(V2(0, 0), nullptr, b.get());
    EXPECT_EQ(nullptr, field.getModel(V2(0, 0)));

    field.setModel(V2(1, 0), a.get(), nullptr);
    field.setModel(V2(-1, 0), a.get(), nullptr);
    EXPECT_EQ(field.getBorder(), field.getModel(V2(1, 0))) << "writes outside are dropped";
}

TEST(Field, RefusesSizesThatCannotBeAllocated)
{
    const int sizes[][2] = { {-1, 5}, {5, -1}, {Field::MAX_CELLS, 2}, {INT_MAX, INT_MAX} };
    for (const auto &size : sizes) {
        EXPECT_THROW(Field(size[0], size[1]), LayoutException) << size[0] << "x" << size[1];
    }
    Field empty(0, 0);
    EXPECT_EQ(-1, empty.getModel(V2(0, 0))->getIndex());
}

}
