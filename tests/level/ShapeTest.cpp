#include "level/Cube.h"
#include "level/Field.h"
#include "level/MarkMask.h"
#include "level/ModelFactory.h"
#include "level/Rules.h"
#include "level/Shape.h"
#include "gengine/BaseException.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

TEST(Shape, ReadsCellsInReadingOrder)
{
    struct Case { const char *text; const char *cells; int w; int h; };
    const Case cases[] = {
        {"X", "[0,0]", 1, 1},
        {"X\n", "[0,0]", 1, 1},
        {".X\nXX", "[1,0][0,1][1,1]", 2, 2},
        {"...", "", 0, 0},
        {"\n\n.X..\n", "[1,2]", 2, 3},
        {"XXX\nX", "[0,0][1,0][2,0][0,1]", 3, 2},
    };
    for (const Case &c : cases) {
        Shape shape(c.text);
        EXPECT_EQ(c.cells, shape.toString()) << c.text;
        EXPECT_EQ(c.w, shape.getW()) << c.text;
        EXPECT_EQ(c.h, shape.getH()) << c.text;
    }
}

TEST(Shape, RefusesAnyOtherCharacter)
{
    const char *texts[] = { "X X", "X\r\nX", "x", "X\t" };
    for (const char *text : texts) {
        try {
            Shape shape(text);
            ADD_FAILURE() << text;
        } catch (const LayoutException &e) {
            EXPECT_EQ(0, std::string(e.what()).find("bad shape char; char="));
            EXPECT_NE(std::string::npos, std::string(e.what()).find("shape='" + std::string(text) + "'"));
        }
    }
    EXPECT_THROW(Shape(std::string(Shape::MAX_SIZE + 1, '.')), LayoutException);
}

Uint32 pixelAt(SDL_Surface *surface, int x, int y)
{
    SDL_LockSurface(surface);
    const Uint32 pixel = static_cast<Uint32 *>(surface->pixels)[y * surface->pitch / 4 + x];
    SDL_UnlockSurface(surface);
    return pixel;
}

TEST(Shape, GeneratedPictureColoursTheCellsByWeight)
{
    Shape shape("X.\nXX");
    const unsigned hash = shape.colourHash();
    EXPECT_EQ(((0u * 961 + 0 * 31 + 1) * 961 + 1 * 31 + 1), hash) << "cells [0,0] [0,1] [1,1]";

    SDL_Surface *heavy = shape.createImage(Cube::HEAVY);
    ASSERT_EQ(30, heavy->w);
    ASSERT_EQ(30, heavy->h);
    EXPECT_EQ(SDL_MapRGB(heavy->format, 0, 0, 50 + hash % 205), pixelAt(heavy, 14, 29));
    EXPECT_EQ(SDL_MapRGB(heavy->format, 255, 0, 255), pixelAt(heavy, 20, 5)) << "no cell: transparent";
    SDL_FreeSurface(heavy);

    SDL_Surface *light = shape.createImage(Cube::LIGHT);
    EXPECT_EQ(SDL_MapRGB(light->format, 255 - hash % 255, hash % 255, 0), pixelAt(light, 0, 0));
    SDL_FreeSurface(light);
    SDL_Surface *fixed = shape.createImage(Cube::FIXED);
    EXPECT_EQ(SDL_MapRGB(fixed->format, 128, 128, 128), pixelAt(fixed, 16, 16));
    SDL_FreeSurface(fixed);
}

class MaskTest : public testing::Test {
    protected:
        Field field{4, 3};
        std::unique_ptr<Cube> make(const char *kind, V2 loc, const char *shape)
        {
            std::unique_ptr<Cube> model(ModelFactory::createModel(kind, loc, shape));
            model->setIndex(7);
            model->getRules()->takeField(&field);
            return model;
        }
};

TEST_F(MaskTest, ListsEachOverlappingModelOnce)
{
    std::unique_ptr<Cube> wall = make("item_fixed", V2(0, 1), "XXXX");
    std::unique_ptr<Cube> item = make("item_light", V2(1, 0), "XX");
    MarkMask mask(item.get(), &field);

    CubeList below = mask.getResist(Dir::DIR_DOWN);
    ASSERT_EQ(1u, below.size());
    EXPECT_EQ(wall.get(), below[0]);
    EXPECT_TRUE(mask.getResist(Dir::DIR_NO).empty());

    CubeList above = mask.getResist(Dir::DIR_UP);
    ASSERT_EQ(1u, above.size());
    EXPECT_EQ(-1, above[0]->getIndex());

    CubeList placed = mask.getPlacedResist(V2(0, 1));
    ASSERT_EQ(1u, placed.size()) << "two overlapping cells, one model";
}

TEST_F(MaskTest, UnmaskLeavesCellsThatAnotherModelTook)
{
    std::unique_ptr<Cube> item = make("item_light", V2(0, 0), "XX");
    std::unique_ptr<Cube> other(ModelFactory::createModel("item_light", V2(1, 0), "X"));
    field.setModel(V2(1, 0), other.get(), nullptr);
    MarkMask(item.get(), &field).unmask();
    EXPECT_EQ(nullptr, field.getModel(V2(0, 0)));
    EXPECT_EQ(other.get(), field.getModel(V2(1, 0)));
}

TEST_F(MaskTest, AnEmptyShapeIsFullyOutAndWritesNothing)
{
    std::unique_ptr<Cube> nothing = make("item_light", V2(1, 1), "...");
    MarkMask mask(nothing.get(), &field);
    EXPECT_TRUE(mask.isFullyOut());
    EXPECT_EQ(nullptr, field.getModel(V2(1, 1)));

    std::unique_ptr<Cube> item = make("item_light", V2(3, 2), "X");
    EXPECT_FALSE(MarkMask(item.get(), &field).isFullyOut());
}

TEST_F(MaskTest, BorderDirTestsLeftRightUpDownPerCell)
{
    const Goal out(Goal::SATISFY_IGNORE, Goal::SATISFY_TRUE);
    std::unique_ptr<Cube> corner = make("item_light", V2(3, 2), "X");
    corner->setGoal(out);
    EXPECT_EQ(Dir::DIR_RIGHT, MarkMask(corner.get(), &field).getBorderDir());
    corner.reset();

    std::unique_ptr<Cube> pair = make("item_light", V2(2, 2), "XX");
    pair->setGoal(out);
    EXPECT_EQ(Dir::DIR_DOWN, MarkMask(pair.get(), &field).getBorderDir())
        << "the left cell comes first and already lies in the last row";

    pair->setGoal(Goal::noGoal());
    EXPECT_EQ(Dir::DIR_NO, MarkMask(pair.get(), &field).getBorderDir())
        << "the border blocks a model that should not go out";
}

TEST_F(MaskTest, TakingAnOccupiedPlaceNamesBothModels)
{
    std::unique_ptr<Cube> wall = make("item_fixed", V2(0, 0), "X");
    std::unique_ptr<Cube> item(ModelFactory::createModel("item_light", V2(0, 0), "X"));
    try {
        item->getRules()->takeField(&field);
        FAIL();
    } catch (const LayoutException &e) {
        EXPECT_EQ("position is occupied; model='model; loc='[0,0]'; alive=0; weight=1; power=0; shape='[0,0]''"
                "; resist='model; loc='[0,0]'; alive=0; weight=3; power=0; shape='[0,0]''", std::string(e.what()));
    }
    EXPECT_EQ(wall.get(), field.getModel(V2(0, 0)));

    std::unique_ptr<Cube> outside(ModelFactory::createModel("item_light", V2(3, 0), "XX"));
    EXPECT_THROW(outside->getRules()->takeField(&field), LayoutException) << "the border is in the way";
    std::unique_ptr<Cube> far(ModelFactory::createModel("item_light", V2(INT_MAX, 0), "XX"));
    EXPECT_THROW(far->getRules()->takeField(&field), LayoutException);
}

}
