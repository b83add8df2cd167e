// Entry point of every test binary. The tests run headless and find the
// source and build folders through the environment, so those are set here,
// before any test starts, unless the caller chose other values already.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("TIDEPOOL_SOURCE_DIR", TIDEPOOL_TEST_SOURCE_DIR, 0);
    setenv("TIDEPOOL_BINARY_DIR", TIDEPOOL_TEST_BINARY_DIR, 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
