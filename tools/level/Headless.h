#ifndef HEADER_HEADLESS_H
#define HEADER_HEADLESS_H

// The engine as the level tools run it: the game's agents with SDL's dummy
// video driver, silent sound and no user directory of its own, and a level
// loaded from a file the way the game loads it.

#include <memory>
#include <string>

class AgentPack;
class Level;

class Headless {
    private:
        std::unique_ptr<AgentPack> m_pack;
        std::string m_startDir;
    public:
        /** Starts the agents with the data directory; throws what start-up throws. */
        explicit Headless(const std::string &systemdir);
        ~Headless();

        /** The shipped data directory, wherever the tool runs from. */
        static std::string defaultSystemDir(const char *argv0);
        /** The code name a level file gets by default: its base name without extension. */
        static std::string defaultCodename(const std::string &file);
        /** A level for the file, its script run and its room built; throws on failure. */
        Level *loadLevel(const std::string &file, const std::string &codename);
};

#endif
