#ifndef HEADER_ROOMSTATE_H
#define HEADER_ROOMSTATE_H

// A complete copy of a room's changing state: every model's location, life,
// out and lost flags, look side, weight, output direction and capacity and
// view effect, every model's rules flags, the room's last action, the fish
// controls (active fish, moves string) and the field marks. Restoring a copy
// into the room it came from puts the room back exactly, mid-round included.
// A copy is bound to its room's model list: restoring it into a room with
// other models is refused. Buffers are reused, so copying again is cheap.

#include "level/Cube.h"
#include "level/Dir.h"
#include "level/Rules.h"

#include <string>
#include <vector>

class Room;

class RoomState {
    public:
        struct ModelState {
            V2 loc = V2(0, 0);
            bool alive;
            bool out;
            bool lost;
            bool lookLeft;
            Cube::eWeight weight;
            Dir::eDir outDir;
            int outCapacity;
            const char *effect;

            Dir::eDir dir;
            Dir::eDir touchDir;
            bool readyToDie;
            bool readyToTurn;
            bool readyToActive;
            bool pushing;
            bool lastFall;
            int outDepth;
        };
    private:
        std::vector<ModelState> m_models;
        std::vector<Cube*> m_marks;
        Rules::eAction m_lastAction;
        int m_active;
        int m_speedup;
        bool m_switched;
        char m_stroke;
        std::string m_moves;
        const Room *m_room;

        void checkRoom(const Room &room) const;
        static void applyModel(Cube *cube, const ModelState &state);
        static bool sameAsCopied(const Cube *cube, const ModelState &state);
        void applyControls(Room &room) const;
        void unmaskMoved(Room &room, int index) const;
        void applyMoved(Room &room, int index) const;
    public:
        RoomState();

        /** Copies the room's state into this one. */
        void take(const Room &room);
        /**
         * Puts the copied state back into the room it was taken from. Throws
         * LogicException "room state of another room" for any other room.
         */
        void apply(Room &room) const;
        /**
         * apply for a copy taken at rest into its room at rest (every model
         * in play marked at its location, no move pending): only the cells of
         * models whose location or lost flag differ are rewritten, so it is
         * cheap when few models moved. The room's other marks are trusted.
         */
        void applyAtRest(Room &room) const;
        /** applyAtRest for the listed models only; the caller knows the others are as copied. */
        void applyAtRest(Room &room, const std::vector<int> &models) const;
        /** A model's entry, to build a state from parts (the solver's keys). */
        ModelState &changeModel(int index) { return m_models[index]; }
        void changeMoves(const std::string &moves) { m_moves = moves; }

        bool empty() const { return m_room == nullptr; }
        const ModelState &model(int index) const { return m_models[index]; }
        int getModelCount() const { return static_cast<int>(m_models.size()); }
        Rules::eAction getLastAction() const { return m_lastAction; }
        const std::string &getMoves() const { return m_moves; }
};

#endif
