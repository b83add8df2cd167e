#ifndef HEADER_MODELFACTORY_H
#define HEADER_MODELFACTORY_H

// Builds models and fish units from the kind names of level scripts:
// "fish_small", "fish_big", "fish_extra..." and "fish_EXTRA...", "item_light",
// "item_heavy", "item_fixed" and the four "output_" kinds. Kind names are
// case-sensitive. The caller owns what is returned.

#include "level/Cube.h"

#include <string>

class Unit;

class ModelFactory {
    public:
        /**
         * A new model of the kind at loc with the parsed shape text. Throws
         * LogicException "unknown model kind" or "unknown border dir" (with
         * "kind") and LayoutException "bad shape char".
         */
        static Cube *createModel(const std::string &kind, const V2 &loc, const std::string &shape);
        /** The unit that steers a fish of this kind, null for an item kind. */
        static Unit *createUnit(const std::string &kind);
        /** The single fixed dead cell at (-1,-1) that stands for everything outside a room. */
        static Cube *createBorder();

        static void kindToWeight(const std::string &kind,
                Cube::eWeight *weight, Cube::eWeight *power, bool *alive);
        static Cube *createOutputItem(const std::string &kind, const V2 &loc, const std::string &shape);
};

#endif
