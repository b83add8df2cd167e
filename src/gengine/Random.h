#ifndef HEADER_RANDOM_H
#define HEADER_RANDOM_H

// Process-wide random numbers over the C library's rand, seeded from the
// clock once at start, plus a table of 255 random bytes (not 256, so indexes
// that step by 256 still vary) for effects that need stable noise.

class Random {
    private:
        static const unsigned TABLE_SIZE = 255;
        static unsigned char ms_table[TABLE_SIZE];
    public:
        /** Seeds rand from the clock and fills the byte table. */
        static void init();
        /** 0 for bound 0, else rand() % bound. */
        static int randomInt(int bound);
        /** A value from 0 up to, but excluding, max. */
        static double randomReal(double max);
        /** The table byte at index % 255. */
        static unsigned char aByte(unsigned index) { return ms_table[index % TABLE_SIZE]; }
};

#endif
