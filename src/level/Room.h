#ifndef HEADER_ROOM_H
#define HEADER_ROOM_H

// One level's playing area: the field, the models in the order they were
// added (a model's index is its place in that order), the fish controls and
// the path finder. A round first settles the previous one (moved models take
// their new cells, deaths, leaving through the border, falling) and only when
// nothing happened lets a fish move. Every loop runs over the models in index
// order; that order decides ties. lastAction is the only state between
// rounds: ACTION_NO means at rest.
//
// The room runs whole rounds with no host, no media and no lock: sounds,
// view pacing and planned actions are then simply skipped.

#include "level/Rules.h"

#include "SDL.h"

#include <memory>
#include <string>
#include <vector>

class Controls;
class Cube;
class FinderAlg;
class Field;
class InputProvider;
class RoomHost;
class RoomMedia;
class RoomState;
class RoundLock;
class Unit;

class Room {
    private:
        std::string m_picture;
        std::unique_ptr<Field> m_field;
        std::unique_ptr<FinderAlg> m_finder;
        std::vector<std::unique_ptr<Cube>> m_models;
        std::unique_ptr<Controls> m_controls;
        std::unique_ptr<RoomMedia> m_media;
        RoundLock *m_lock;
        RoomHost *m_host;
        Rules::eAction m_lastAction;
        bool m_fastFalling;
        std::vector<char> m_stoned;
        std::vector<Cube*> m_pending;
        friend class RoomState;

        void prepareRound();
        bool checkOut(bool animate);
        bool fallDown(bool animate);
        void killModel(Cube *model);
        void playImpact(Cube::eWeight impact);
        void playSound(const std::string &name, int volume);
        void killPlan();
        void ensurePhases(int phases);
        int settleLimit() const;
    public:
        /**
         * A room of w x h cells. The lock and the host belong to the level and
         * may be null. Throws LayoutException "bad room size".
         */
        Room(int w, int h, const std::string &picture, RoundLock *lock, RoomHost *host);
        virtual ~Room();
        Room(const Room &) = delete;
        Room &operator=(const Room &) = delete;

        /** Takes ownership of the media (sounds and view); null for none. */
        void takeMedia(RoomMedia *media);
        /**
         * Takes ownership of the model and of the fish's unit (null for an
         * item) and returns the model's index. Throws LayoutException
         * "position is occupied"; then neither is kept.
         */
        int addModel(Cube *model, Unit *unit);
        /** Throws LogicException "bad model index". */
        Cube *getModel(int index) const;
        int getModelCount() const { return static_cast<int>(m_models.size()); }
        /** The model in a cell: null, a model, or the border outside the room. */
        Cube *askField(const V2 &loc) const;
        int getW() const;
        int getH() const;
        Controls *getControls() const { return m_controls.get(); }
        const std::string &getBg() const { return m_picture; }
        void changeBg(const std::string &picture);
        void setFastFalling(bool fastFalling) { m_fastFalling = fastFalling; }

        /** One interactive round: settle, or else let the fish move by keys or mouse. */
        void nextRound(const InputProvider *input);
        /** The first half of a round; true when anything moves, dies, leaves or falls. */
        bool beginFall(bool animate);
        /** The second half: pacing, and the moving models leave their old cells. */
        void finishRound(bool animate);
        /** Replays one recorded symbol: settles silently, then performs it once. */
        void loadMove(char symbol);
        /**
         * Performs a symbol now. False while the room is busy; throws
         * LoadException "load error - bad move" when no fish can perform it.
         */
        bool makeMove(char symbol);
        /**
         * loadMove that reports instead of throwing: false when no fish can
         * perform the symbol, the previous round settled all the same.
         * Throws LoadException "load error - room does not settle".
         */
        bool tryMove(char symbol);
        /**
         * tryMove for a room at rest (after settle): the round that would
         * first settle it changes nothing then, so only the move's round runs.
         */
        bool tryMoveAtRest(char symbol);
        /** Rounds without moves until nothing happens; false when the room does not come to rest. */
        bool settle();

        /** Copies the room's whole changing state (see RoomState). */
        void saveState(RoomState *state) const;
        /** Puts a copy taken from this room back; throws LogicException for another room's copy. */
        void restoreState(const RoomState &state);

        Rules::eAction getLastAction() const { return m_lastAction; }
        bool isSolved() const;
        bool canFinish() const;
        bool cannotMove() const;

        void switchFish();
        void checkActive();
        void setMoves(const std::string &moves);
        const std::string &getMoves() const;
        /** A key press between rounds, queued for the next one. */
        void controlEvent(SDLKey key);
        /** A mouse button press at a screen point: the left button activates the fish there. */
        void selectModel(int button, const V2 &screenPos);
        void unBusyUnits();
};

#endif
