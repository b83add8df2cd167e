#include "gengine/Random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(Random, TableRepeatsEvery255Indexes)
{
    Random::init();
    for (unsigned i = 0; i < 300; ++i) {
        ASSERT_EQ(Random::aByte(i), Random::aByte(i + 255)) << i;
    }
    EXPECT_EQ(Random::aByte(0), Random::aByte(255));
    EXPECT_EQ(Random::aByte(4294967295u), Random::aByte(4294967295u % 255));
    std::set<unsigned char> distinct;
    for (unsigned i = 0; i < 255; ++i) {
        distinct.insert(Random::aByte(i));
    }
    EXPECT_GT(distinct.size(), 100u) << "the table is not filled with random bytes";
}

TEST(Random, ValuesStayInTheirRange)
{
    EXPECT_EQ(0, Random::randomInt(0));
    for (int i = 0; i < 1000; ++i) {
        int value = Random::randomInt(6);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 6);
        double real = Random::randomReal(2.5);
        ASSERT_GE(real, 0.0);
        ASSERT_LT(real, 2.5);
    }
}

}
