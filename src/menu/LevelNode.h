#ifndef HEADER_LEVELNODE_H
#define HEADER_LEVELNODE_H

// One level on the world map, the root of the subtree of levels it unlocks.
// A node owns its children; a child's depth is its parent's + 1. Solving a
// node opens every child that is still hidden or far; a node below open
// hides its whole subtree from selection.

#include "gengine/NoCopy.h"
#include "gengine/Path.h"
#include "gengine/V2.h"

#include <string>
#include <vector>

class Level;
class NodeDrawer;

class LevelNode : public NoCopy {
    public:
        enum eState {
            STATE_HIDDEN = 0,
            STATE_FAR = 1,
            STATE_OPEN = 2,
            STATE_SOLVED = 3
        };
        typedef std::vector<LevelNode *> t_children;
    private:
        std::string m_codename;
        std::string m_poster;
        Path m_datafile;
        V2 m_loc;
        eState m_state;
        int m_depth;
        t_children m_children;
        int m_bestMoves;
        std::string m_bestAuthor;

        void collectOpenInto(t_children &list);
    public:
        LevelNode(const std::string &codename, const Path &datafile, const V2 &loc,
                const std::string &poster = "");
        virtual ~LevelNode();

        /** Solving opens the children still below open. */
        void setState(eState state);
        eState getState() const { return m_state; }
        /** Appends the child (taken over), one level deeper. */
        void addAdjacent(LevelNode *child);
        /** This node or the first of its subtree with the code name, depth first; null when none. */
        LevelNode *findNamed(const std::string &codename);
        /** The open or solved node of this subtree within 13 pixels of pos; null when none. */
        LevelNode *findSelected(const V2 &pos);
        bool areAllSolved() const;
        /** A new level for this node, owned by the caller. */
        Level *createLevel() const;
        /** The open nodes reachable through open or solved ones, depth first. */
        t_children collectOpen();
        /** Draws the visible subtree: lines first, each node over its lines. */
        void drawPath(NodeDrawer *drawer) const;

        void bestSolution(int moves, const std::string &author);
        void setDepth(int depth) { m_depth = depth; }

        const std::string &getCodename() const { return m_codename; }
        const std::string &getPoster() const { return m_poster; }
        const Path &getDatafile() const { return m_datafile; }
        V2 getLoc() const { return m_loc; }
        int getDepth() const { return m_depth; }
        int getBestMoves() const { return m_bestMoves; }
        const std::string &getBestAuthor() const { return m_bestAuthor; }
        const t_children &getChildren() const { return m_children; }
};

#endif
