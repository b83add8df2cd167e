#ifndef HEADER_DESCFINDER_H
#define HEADER_DESCFINDER_H

// Where a level finds the texts of its caption: the world map knows the
// name and the description of every level by its code name.

#include <string>

class DescFinder {
    public:
        virtual ~DescFinder() {}
        /** The level's name, or "" when the finder has none. */
        virtual std::string findLevelName(const std::string &codename) const = 0;
        /** The level's description, or "" when the finder has none. */
        virtual std::string findDesc(const std::string &codename) const = 0;
};

#endif
