#ifndef HEADER_NODEDRAWER_H
#define HEADER_NODEDRAWER_H

// Paints the world map's nodes, the lines between them, the selection spot
// and the selected level's name onto the surface set with setScreen before
// each pass. It owns its node pictures and its font.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"

#include "SDL.h"

#include <string>

class Font;
class LevelNode;
class ResImagePack;

class NodeDrawer : public NoCopy {
    private:
        ResImagePack *m_pack;
        Font *m_font;
        SDL_Surface *m_screen;

        void drawCentred(SDL_Surface *image, const V2 &loc);
    public:
        /** Loads the pictures and the font; loading errors pass to the caller. */
        NodeDrawer();
        virtual ~NodeDrawer();

        void setScreen(SDL_Surface *screen) { m_screen = screen; }
        void drawNode(const LevelNode *node);
        void drawEdge(const LevelNode *start, const LevelNode *end);
        void drawSelect(const V2 &loc);
        void drawSelected(const std::string &levelName);
};

#endif
