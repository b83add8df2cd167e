#ifndef HEADER_MENUENV_H
#define HEADER_MENUENV_H

// The engine around the world map in tests: the level environment plus the
// map's pictures (tiny BMPs in solid colours), the menu font and a world
// map script written by the test.

#include "../level/LevelEnv.h"

#include "SDL.h"

#include <string>

class WorldMap;

class MenuEnv : public LevelEnv {
    protected:
        static constexpr int MAP_W = 60;
        static constexpr int MAP_H = 40;

        virtual void SetUp();

        /** Writes a w x h picture filled with the colour. */
        void writePicture(const std::string &file, int w, int h, Uint32 rgb) const;
        /** Writes the map mask: black with four distinct corner pixels. */
        void writeMask(const std::string &file, int w, int h) const;
        /** A solution file of the level in the user directory. */
        void writeSolved(const std::string &codename, const std::string &moves) const;
        /** Builds a map from the script text (not pushed). */
        WorldMap *createMap(const std::string &script) const;
        /** Pushes the map as the state above the bottom and runs its first cycle. */
        WorldMap *pushMap(const std::string &script);
        /** The raw colour of a surface pixel as 0xRRGGBB. */
        static Uint32 pixelAt(SDL_Surface *surface, int x, int y);
        /** Sets the mouse of the top state's handler. */
        void moveMouse(int x, int y);
};

#endif
