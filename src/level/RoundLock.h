#ifndef HEADER_ROUNDLOCK_H
#define HEADER_ROUNDLOCK_H

// How many more cycles the next round of the room must wait. The level owns
// it and counts it down once per cycle; the room and the fish controls raise
// it to give their animations time. A round starts only when it is zero.

class RoundLock {
    private:
        int m_phases;
    public:
        RoundLock() : m_phases(0) {}

        void reset() { m_phases = 0; }
        /** Raises the count to phases when it is lower. */
        void ensurePhases(int phases) { if (m_phases < phases) m_phases = phases; }
        void decrease() { if (m_phases > 0) --m_phases; }
        int getLocked() const { return m_phases; }
        bool isUnlocked() const { return m_phases == 0; }
};

#endif
