#ifndef HEADER_WORLDBRANCH_H
#define HEADER_WORLDBRANCH_H

// Reads a world map script: the tree of level nodes (parents before their
// children), the ending level, the best known solutions and the level
// descriptions. The branch owns what it built until parseMap hands it out;
// whatever is left is deleted with the branch.

#include "gengine/Scripter.h"
#include "gengine/V2.h"

#include <string>

class LevelNode;
class Path;
class ResDialogPack;

class WorldBranch : public Scripter {
    private:
        LevelNode *m_root;
        LevelNode *m_ending;
        ResDialogPack *m_outPack;

        void takeNode(const std::string &parent, LevelNode *node);
    public:
        WorldBranch();
        virtual ~WorldBranch();

        /**
         * Runs the file; returns the root (owned by the caller) or null. The
         * ending goes to *ending (owned by the caller); without a place for
         * it a script that sets one throws LogicException. Descriptions are
         * added to pack. Script failures throw ScriptException.
         */
        LevelNode *parseMap(const Path &file, LevelNode **ending, ResDialogPack *pack);

        void addDesc(const std::string &codename, const std::string &lang,
                const std::string &levelName, const std::string &desc);
        void addNode(const std::string &parent, const std::string &codename,
                const std::string &datafile, const V2 &loc, bool hidden,
                const std::string &poster);
        void setEnding(const std::string &codename, const std::string &datafile,
                const std::string &poster);
        void bestSolution(const std::string &codename, int moves, const std::string &author);

        /** "solved/" + codename + ".lua" exists among the data files. */
        static bool isSolved(const std::string &codename);
};

#endif
