#ifndef HEADER_WORLDMAP_H
#define HEADER_WORLDMAP_H

// The first game state and the hub of the game: the sea-floor picture with
// the tree of levels. Solved levels open their children; the player picks a
// level with the mouse or Tab and starts it with a click or Return. The four
// corners of the picture are the intro, exit, credits and options buttons.
// When the last level of a branch is solved and every level is, the ending
// level starts by itself. The map owns the node tree, the ending, the level
// descriptions and the level status it shares with every level it starts.

#include "level/DescFinder.h"

#include "gengine/Drawable.h"
#include "gengine/V2.h"
#include "plan/GameState.h"

#include "SDL.h"

#include <string>

class LayeredPicture;
class LevelNode;
class LevelStatus;
class NodeDrawer;
class Path;
class ResDialogPack;

class WorldMap : public GameState, public DescFinder, public Drawable {
    private:
        V2 m_lastMouse;
        LevelNode *m_startNode;
        LevelNode *m_ending;
        LevelNode *m_selected;
        NodeDrawer *m_drawer;
        ResDialogPack *m_descPack;
        LevelStatus *m_levelStatus;
        LayeredPicture *m_bg;
        Uint32 m_activeMask;
        Uint32 m_maskIntro;
        Uint32 m_maskExit;
        Uint32 m_maskCredits;
        Uint32 m_maskOptions;

        void watchCursor();
        void runNode(LevelNode *node);
        void runButton();
        /** The node to select after a run: the ending when its time has come. */
        LevelNode *noteLevelRun();
        void prepareScreen();
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState();
        virtual void ownPauseState() {}
        virtual void ownResumeState();
        virtual void ownCleanState();
    public:
        /** Loads the pictures and the font; loading errors pass to the caller. */
        WorldMap();
        virtual ~WorldMap();
        virtual const char *getName() const { return "state_worldmap"; }

        /** Reads the map file. Throws LogicException "cannot create world map"
         * when it has no root, and what the script throws. */
        void initMap(const Path &file);

        /** Starts the selected level, or presses the corner button under the mouse. */
        void runSelected();
        /** Tab: the open level after the selected one, wrapping to the first. */
        void selectNextLevel();

        virtual std::string findLevelName(const std::string &codename) const;
        virtual std::string findDesc(const std::string &codename) const;
        virtual void drawOn(SDL_Surface *screen);

        const LevelNode *getStartNode() const { return m_startNode; }
        const LevelNode *getEnding() const { return m_ending; }
        const LevelNode *getSelected() const { return m_selected; }
        LevelStatus *getLevelStatus() const { return m_levelStatus; }
        Uint32 getActiveMask() const { return m_activeMask; }
};

#endif
