#include "gengine/Random.h"

#include <cstdlib>
#include <ctime>

unsigned char Random::ms_table[Random::TABLE_SIZE];

void Random::init()
{
    srand(static_cast<unsigned>(time(nullptr)));
    for (unsigned i = 0; i < TABLE_SIZE; ++i) {
        ms_table[i] = static_cast<unsigned char>(randomInt(256));
    }
}

int Random::randomInt(int bound)
{
    if (bound == 0) {
        return 0;
    }
    return rand() % bound;
}

double Random::randomReal(double max)
{
    // rand() is below 2^31, so the factor stays below 1.
    return max * rand() * (1.0 / 2147483648.0);
}
