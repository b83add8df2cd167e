#include "level/Solver.h"

#include "level/ControlSym.h"
#include "level/Controls.h"
#include "level/Cube.h"
#include "level/Room.h"
#include "level/Shape.h"
#include "level/Unit.h"
#include "gengine/BaseException.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

const int FLAG_BITS = 6;
const int OUTPUT_BITS = 3 + 32;

int bitsFor(int range)
{
    int bits = 0;
    while ((1LL << bits) < range) {
        ++bits;
    }
    return bits;
}

/**
 * Packs little-endian bit fields of at most 32 bits into a key, four bytes
 * at a time; every byte of the key is written, so it needs no clearing.
 */
class BitWriter {
    private:
        uint8_t *m_out;
        uint64_t m_word;
        int m_used;
    public:
        explicit BitWriter(uint8_t *key) : m_out(key), m_word(0), m_used(0) {}
        void put(uint32_t value, int bits)
        {
            m_word |= static_cast<uint64_t>(value) << m_used;
            m_used += bits;
            if (m_used >= 32) {
                const uint32_t low = static_cast<uint32_t>(m_word);
                std::memcpy(m_out, &low, 4);
                m_out += 4;
                m_word >>= 32;
                m_used -= 32;
            }
        }
        void finish()
        {
            for (; m_used > 0; m_used -= 8) {
                *m_out++ = static_cast<uint8_t>(m_word);
                m_word >>= 8;
            }
        }
};

class BitReader {
    private:
        const uint8_t *m_in;
        const uint8_t *m_end;
        uint64_t m_word;
        int m_have;
    public:
        BitReader(const uint8_t *key, int size) : m_in(key), m_end(key + size), m_word(0), m_have(0) {}
        uint32_t get(int bits)
        {
            if (m_have < bits) {
                uint32_t next = 0;
                const long left = m_end - m_in;
                const size_t take = left < 4 ? static_cast<size_t>(left) : 4;
                std::memcpy(&next, m_in, take);
                m_in += take;
                m_word |= static_cast<uint64_t>(next) << m_have;
                m_have += 32;
            }
            const uint32_t value = static_cast<uint32_t>(m_word & ((1ULL << bits) - 1));
            m_word >>= bits;
            m_have -= bits;
            return value;
        }
};

bool hasUnit(const Controls *controls, const Cube *model)
{
    for (int i = 0; i < controls->getUnitCount(); ++i) {
        if (controls->getUnit(i)->equalsModel(model)) {
            return true;
        }
    }
    return false;
}

}

Solver::Solver(Room *room)
    : m_room(room), m_start(), m_scratch(), m_parts(), m_changing(), m_aliveModels(), m_symbols(),
      m_keyBits(0), m_keyBytes(0), m_keyBlocks(), m_linkBlocks(), m_stored(0),
      m_table(), m_tableMask(0)
{
}

void Solver::classify()
{
    m_parts.clear();
    m_changing.clear();
    m_aliveModels.clear();
    m_keyBits = 0;
    const Controls *controls = m_room->getControls();
    const int w = m_room->getW();
    const int h = m_room->getH();
    for (int i = 0; i < m_room->getModelCount(); ++i) {
        const Cube *model = m_room->getModel(i);
        if (model->isAlive()) {
            m_aliveModels.push_back(i);
        }
        // A fixed model that is no fish, no output and never leaves keeps
        // its place and its flags for good: it needs no room in a key.
        const bool changing = model->isAlive() || hasUnit(controls, model)
            || model->getWeight() != Cube::FIXED || model->getGoal().shouldGoOut()
            || model->getOutDir() != Dir::DIR_NO;
        if (!changing || model->isLost()) {
            continue;
        }
        // At rest a model is inside the room or lost; only one placed
        // outside by its level stays there, where it cannot move far.
        KeyPart part;
        part.model = i;
        part.cube = model;
        const V2 loc = model->getLoc();
        part.xMin = std::min(0, loc.getX()) - 1;
        part.xMax = std::max(w, loc.getX() + model->getShape()->getW()) + 1;
        part.yMin = std::min(0, loc.getY()) - 1;
        part.yMax = std::max(h, loc.getY() + model->getShape()->getH()) + 1;
        part.xBits = bitsFor(part.xMax - part.xMin + 1);
        part.yBits = bitsFor(part.yMax - part.yMin + 1);
        part.output = model->getOutDir() != Dir::DIR_NO;
        m_keyBits += part.xBits + part.yBits + FLAG_BITS + (part.output ? OUTPUT_BITS : 0);
        m_parts.push_back(part);
        m_changing.push_back(i);
    }
    m_keyBytes = (m_keyBits + 7) / 8;
    if (m_keyBytes == 0) {
        m_keyBytes = 1;
    }

    m_symbols.clear();
    for (int i = 0; i < controls->getUnitCount(); ++i) {
        const ControlSym &sym = controls->getUnit(i)->getSymbols();
        const char all[] = { sym.getUp(), sym.getDown(), sym.getLeft(), sym.getRight() };
        for (char c : all) {
            // The first fish with a symbol performs it; a second one never does.
            if (c != 0 && m_symbols.find(c) == std::string::npos && m_symbols.size() < 15) {
                m_symbols += c;
            }
        }
    }
}

bool Solver::encode(uint8_t *key) const
{
    // Only a key with no bits at all leaves its one byte unwritten.
    key[m_keyBytes - 1] = 0;
    BitWriter writer(key);
    for (const KeyPart &part : m_parts) {
        const Cube *model = part.cube;
        uint32_t x = 0;
        uint32_t y = 0;
        if (!model->isLost()) {
            const V2 loc = model->getLoc();
            if (loc.getX() < part.xMin || loc.getX() > part.xMax
                    || loc.getY() < part.yMin || loc.getY() > part.yMax) {
                return false;
            }
            x = static_cast<uint32_t>(loc.getX() - part.xMin);
            y = static_cast<uint32_t>(loc.getY() - part.yMin);
        }
        writer.put(x, part.xBits);
        writer.put(y, part.yBits);
        const uint32_t flags = (model->isAlive() ? 1u : 0u) | (model->isLeft() ? 2u : 0u)
            | (model->isOut() ? 4u : 0u) | (model->isLost() ? 8u : 0u)
            | (static_cast<uint32_t>(model->getWeight()) << 4);
        writer.put(flags, FLAG_BITS);
        if (part.output) {
            writer.put(static_cast<uint32_t>(model->getOutDir()), 3);
            writer.put(static_cast<uint32_t>(model->getOutCapacity()), 32);
        }
    }
    writer.finish();
    return true;
}

void Solver::decode(const uint8_t *key)
{
    BitReader reader(key, m_keyBytes);
    for (const KeyPart &part : m_parts) {
        RoomState::ModelState &state = m_scratch.changeModel(part.model);
        const int x = static_cast<int>(reader.get(part.xBits)) + part.xMin;
        const int y = static_cast<int>(reader.get(part.yBits)) + part.yMin;
        const uint32_t flags = reader.get(FLAG_BITS);
        state.alive = flags & 1u;
        state.lookLeft = flags & 2u;
        state.out = flags & 4u;
        state.lost = flags & 8u;
        state.weight = static_cast<Cube::eWeight>(flags >> 4);
        // Where a lost model lies means nothing; this is where the room puts it.
        state.loc = state.lost ? V2(-1000, -1000) : V2(x, y);
        if (part.output) {
            state.outDir = static_cast<Dir::eDir>(reader.get(3));
            state.outCapacity = static_cast<int>(reader.get(32));
        }
        // What a settled room keeps of a round.
        state.dir = Dir::DIR_NO;
        state.touchDir = Dir::DIR_NO;
        state.readyToDie = false;
        state.readyToTurn = false;
        state.readyToActive = false;
        state.pushing = false;
        state.lastFall = false;
        state.outDepth = state.lost && state.out ? -1 : 0;
    }
}

uint64_t Solver::hashKey(const uint8_t *key) const
{
    uint64_t hash = 0x9e3779b97f4a7c15ULL;
    int i = 0;
    for (; i + 8 <= m_keyBytes; i += 8) {
        uint64_t word;
        std::memcpy(&word, key + i, 8);
        hash = (hash ^ word) * 0xff51afd7ed558ccdULL;
        hash ^= hash >> 32;
    }
    uint64_t rest = 0;
    std::memcpy(&rest, key + i, m_keyBytes - i);
    hash = (hash ^ rest) * 0xc4ceb9fe1a85ec53ULL;
    hash ^= hash >> 29;
    return hash;
}

const uint8_t *Solver::keyOf(uint32_t state) const
{
    return m_keyBlocks[state / BLOCK].get() + static_cast<size_t>(state % BLOCK) * m_keyBytes;
}

uint32_t Solver::linkOf(uint32_t state) const
{
    return m_linkBlocks[state / BLOCK][state % BLOCK];
}

namespace {

// A table entry is the state number + 1 in the low 28 bits and four more
// bits of the key's hash above them, so most probes of other keys end
// without comparing keys.
const uint32_t INDEX_MASK = (1u << 28) - 1;

uint32_t tagOf(uint64_t hash)
{
    return static_cast<uint32_t>(hash >> 60) << 28;
}

}

void Solver::growTable()
{
    const size_t size = m_table.empty() ? 1024 : m_table.size() * 2;
    m_table.assign(size, 0);
    m_tableMask = static_cast<uint32_t>(size - 1);
    for (uint32_t state = 0; state < m_stored; ++state) {
        const uint64_t hash = hashKey(keyOf(state));
        uint32_t slot = static_cast<uint32_t>(hash) & m_tableMask;
        while (m_table[slot] != 0) {
            slot = (slot + 1) & m_tableMask;
        }
        m_table[slot] = (state + 1) | tagOf(hash);
    }
}

bool Solver::add(const uint8_t *key, uint32_t parent, int symbol)
{
    // At most half full: linear probing stays short for the many keys that are new.
    if ((m_stored + 1) * 2ULL > m_table.size()) {
        growTable();
    }
    const uint64_t hash = hashKey(key);
    const uint32_t tag = tagOf(hash);
    uint32_t slot = static_cast<uint32_t>(hash) & m_tableMask;
    while (m_table[slot] != 0) {
        const uint32_t entry = m_table[slot];
        if ((entry & ~INDEX_MASK) == tag
                && std::memcmp(keyOf((entry & INDEX_MASK) - 1), key, m_keyBytes) == 0) {
            return false;
        }
        slot = (slot + 1) & m_tableMask;
    }
    const uint32_t state = m_stored;
    if (state % BLOCK == 0) {
        m_keyBlocks.emplace_back(new uint8_t[static_cast<size_t>(BLOCK) * m_keyBytes]);
        m_linkBlocks.emplace_back(new uint32_t[BLOCK]);
    }
    std::memcpy(m_keyBlocks[state / BLOCK].get() + static_cast<size_t>(state % BLOCK) * m_keyBytes,
            key, m_keyBytes);
    m_linkBlocks[state / BLOCK][state % BLOCK] = parent << 4 | static_cast<uint32_t>(symbol);
    m_table[slot] = (state + 1) | tag;
    ++m_stored;
    return true;
}

bool Solver::died() const
{
    for (int index : m_aliveModels) {
        if (!m_room->getModel(index)->isAlive()) {
            return true;
        }
    }
    return false;
}

std::string Solver::movesOf(uint32_t state) const
{
    std::string moves;
    for (uint32_t link = linkOf(state); (link >> 4) != NO_PARENT; link = linkOf(link >> 4)) {
        moves += m_symbols[link & 15u];
    }
    return std::string(moves.rbegin(), moves.rend());
}

double Solver::storedBytes() const
{
    const double blocks = static_cast<double>(m_keyBlocks.size()) * BLOCK
        * (m_keyBytes + sizeof(uint32_t));
    return blocks + static_cast<double>(m_table.size()) * sizeof(uint32_t);
}

void Solver::reset()
{
    m_keyBlocks.clear();
    m_linkBlocks.clear();
    m_stored = 0;
    m_table.clear();
    m_tableMask = 0;
}

Solver::Result Solver::solve(const Limits &limits)
{
    typedef std::chrono::steady_clock Clock;
    const Clock::time_point started = Clock::now();
    Result result;
    reset();
    if (!m_room->settle()) {
        // No move could ever be replayed in a room that never rests.
        result.exhausted = true;
        return result;
    }
    m_room->saveState(&m_start);
    m_scratch = m_start;
    m_scratch.changeMoves("");
    classify();
    result.keyBytes = m_keyBytes;

    std::vector<uint8_t> key(m_keyBytes);
    if (!encode(key.data())) {
        throw LogicException(InfoText("model outside its key range"));
    }
    add(key.data(), NO_PARENT, 0);
    bool solved = m_room->isSolved();
    uint32_t found = 0;
    bool stopped = false;
    if (!solved && !m_room->canFinish()) {
        result.exhausted = true;
    }
    bool dirty = false;
    for (uint32_t state = 0; !solved && !result.exhausted && state < m_stored; ++state) {
        if (limits.maxStates > 0 && result.expanded >= limits.maxStates) {
            stopped = true;
            break;
        }
        if ((result.expanded & 63) == 0 && limits.maxSeconds > 0
                && std::chrono::duration<double>(Clock::now() - started).count() >= limits.maxSeconds) {
            stopped = true;
            break;
        }
        if (m_stored >= MAX_STORED - m_symbols.size()) {
            stopped = true;
            break;
        }
        decode(keyOf(state));
        ++result.expanded;
        // A symbol that no fish could perform leaves the room as it was
        // (touching marks nothing that lasts past the next round).
        bool placed = false;
        for (size_t symbol = 0; !solved && symbol < m_symbols.size(); ++symbol) {
            if (dirty) {
                m_room->restoreState(m_start);
                dirty = false;
                placed = false;
            }
            if (!placed) {
                m_scratch.applyAtRest(*m_room, m_changing);
                placed = true;
            }
            try {
                if (!m_room->tryMoveAtRest(m_symbols[symbol])) {
                    continue;
                }
                placed = false;
                if (!m_room->settle()) {
                    dirty = true;
                    continue;
                }
            } catch (const BaseException &) {
                // A room that does not settle is left mid-round.
                dirty = true;
                continue;
            }
            if (died() || !m_room->canFinish() || !encode(key.data())) {
                continue;
            }
            if (add(key.data(), state, static_cast<int>(symbol)) && m_room->isSolved()) {
                solved = true;
                found = m_stored - 1;
            }
        }
    }
    result.solved = solved;
    if (solved) {
        result.moves = movesOf(found);
    } else if (!stopped) {
        result.exhausted = true;
    }
    result.stored = m_stored;
    result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    result.bytesPerState = m_stored ? storedBytes() / m_stored : 0.0;
    return result;
}
