#ifndef HEADER_SOLVER_H
#define HEADER_SOLVER_H

// Breadth-first search for a shortest moves string of a room: every fish
// symbol is one edge (a turn counts like a swim, as the step counter counts
// it), and after each symbol the room settles exactly as a replay does
// (Room::tryMove, then Room::settle). Settled states are stored once each
// under a compact bit-packed key of the models that can change; branches in
// which the level can no longer be finished, or in which a fish died, are
// cut. A death is cut because its effect on the room depends on the drawing
// of the disintegration, which a replay without a window never does.

#include "level/RoomState.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Room;

class Solver {
    public:
        struct Limits {
            /** Expanded states after which the search stops; 0 or less for no limit. */
            long long maxStates = 1000000;
            /** Seconds after which the search stops; 0 or less for no limit. */
            double maxSeconds = 50.0;
        };
        struct Result {
            bool solved = false;
            /** The whole reachable space was searched (and no solution found). */
            bool exhausted = false;
            std::string moves;
            long long expanded = 0;
            long long stored = 0;
            double seconds = 0.0;
            /** Memory of the stored states (keys, parents, symbols, table) per stored state. */
            double bytesPerState = 0.0;
            int keyBytes = 0;
        };
    private:
        /** Where one changing model lies in a key. */
        struct KeyPart {
            int model;
            const Cube *cube;
            int xMin;
            int xMax;
            int yMin;
            int yMax;
            int xBits;
            int yBits;
            bool output;
        };
        /** Keys and links (parent << 4 | symbol index) of BLOCK states each, so memory grows evenly. */
        static constexpr uint32_t BLOCK = 1u << 16;
        static constexpr uint32_t NO_PARENT = (1u << 28) - 1;
        static constexpr uint32_t MAX_STORED = NO_PARENT - 1;
        Room *m_room;
        RoomState m_start;
        RoomState m_scratch;
        std::vector<KeyPart> m_parts;
        /** The models of the key parts: the only ones a search can change. */
        std::vector<int> m_changing;
        std::vector<int> m_aliveModels;
        std::string m_symbols;
        int m_keyBits;
        int m_keyBytes;

        std::vector<std::unique_ptr<uint8_t[]>> m_keyBlocks;
        std::vector<std::unique_ptr<uint32_t[]>> m_linkBlocks;
        uint32_t m_stored;
        std::vector<uint32_t> m_table;
        uint32_t m_tableMask;

        void classify();
        void reset();
        /** False when a model lies outside the range its key part can hold. */
        bool encode(uint8_t *key) const;
        void decode(const uint8_t *key);
        uint64_t hashKey(const uint8_t *key) const;
        const uint8_t *keyOf(uint32_t state) const;
        uint32_t linkOf(uint32_t state) const;
        /** True when the key is new; it is then stored with its parent and symbol. */
        bool add(const uint8_t *key, uint32_t parent, int symbol);
        void growTable();
        bool died() const;
        std::string movesOf(uint32_t state) const;
        double storedBytes() const;
    public:
        /** Searches from the room's present state; the room is used as the search's workplace. */
        explicit Solver(Room *room);

        /** Runs the search; the room is left in some searched state. */
        Result solve(const Limits &limits);
};

#endif
