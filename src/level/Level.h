#ifndef HEADER_LEVEL_H
#define HEADER_LEVEL_H

// The game state in which one level is played. It runs the level's data
// file in its level script, which builds the room; then, once per cycle, it
// starts a room round when the round lock is zero, calls the script's
// update, lets the planner take a step and ticks the end-of-level countdown.
// After each normal round that leaves the room in a good state it stores an
// undo point through the script. It saves and loads games, undoes and redoes
// through the script, restarts, and finally stores the solution and leaves,
// or restarts itself when no fish can move any more.
//
// The level owns its round lock, script (which owns the room), loading
// replay, countdown, show queue, room view and status display.

#include "level/CountAdvisor.h"

#include "gengine/Path.h"
#include "plan/GameState.h"

#include <memory>
#include <string>

class Command;
class CommandQueue;
class DescFinder;
class LevelCountdown;
class LevelLoading;
class LevelScript;
class LevelStatus;
class MultiDrawer;
class Room;
class RoundLock;
class StatusDisplay;

class Level : public GameState, public CountAdvisor {
    private:
        int m_depth;
        const DescFinder *m_desc;
        std::string m_codename;
        Path m_datafile;
        std::unique_ptr<RoundLock> m_lock;
        bool m_newRound;
        std::unique_ptr<LevelScript> m_levelScript;
        std::unique_ptr<LevelLoading> m_loading;
        std::unique_ptr<LevelCountdown> m_countdown;
        std::unique_ptr<CommandQueue> m_show;
        int m_restartCounter;
        int m_undoSteps;
        bool m_unsavedPush;
        std::unique_ptr<MultiDrawer> m_roomView;
        std::unique_ptr<StatusDisplay> m_statusDisplay;

        void nextAction();
        void nextLoadAction();
        void nextShowAction();
        void nextPlayerAction();
        void saveUndo(const std::string &moves);
        void undoStep();
        void finishLevel();
        void prepareScreen();
        void runLevelScript();
        std::string savedFile() const;
    protected:
        virtual void ownInitState();
        virtual void ownUpdateState();
        virtual void ownPauseState();
        virtual void ownResumeState();
        virtual void ownCleanState();
        virtual void ownNoteBg();
        virtual void ownNoteFg();
    public:
        Level(const std::string &codename, const Path &datafile, int depth);
        virtual ~Level();
        virtual const char *getName() const { return "state_level"; }

        void fillDesc(const DescFinder *desc) { m_desc = desc; }
        /** The finder of the level's name and description; null before fillDesc. */
        const DescFinder *getDescFinder() const { return m_desc; }
        void fillStatus(LevelStatus *status);

        void createRoom(int w, int h, const std::string &picture);
        bool action_move(char symbol);
        bool action_restart(int increment);
        bool action_save();
        bool action_load();
        /** Writes the saved game with the script's model text; failures are logged. */
        void saveGame(const std::string &models);
        /** While undoing the fish controls take the moves, else a loading replay starts. */
        void loadMoves(const std::string &moves);
        /** Shows a solution, one move per round. */
        void loadReplay(const std::string &moves);
        /** Pushes a demo state for the script over the level. */
        void newDemo(const Path &demofile);
        /** Appends a command (taken over) to the show queue. */
        void planShow(Command *command);
        bool isShowing() const;
        /** Drops every planned show command. */
        void removeShow();
        bool isNewRound() const { return m_newRound; }
        int getDepth() const { return m_depth; }
        int getRestartCounter() const { return m_restartCounter; }
        bool isSolved() const;
        bool isUndoing() const { return m_undoSteps != 0; }
        bool isLoading() const;
        void switchFish();
        /** Starts undo (steps 1) or redo (steps -1) and takes the first step. */
        void action_undo(int steps);
        /** Ends an undo in progress: a silent restart into the state reached. */
        void finishUndo();
        /** A show, a replay or an undo is running; the player's keys wait. */
        bool isBusy() const;
        bool hasRoom() const;
        Room *getRoom() const;
        LevelScript *getLevelScript() const { return m_levelScript.get(); }
        const RoundLock *getLock() const { return m_lock.get(); }
        const LevelCountdown *getCountdown() const { return m_countdown.get(); }
        const StatusDisplay *getStatusDisplay() const { return m_statusDisplay.get(); }
        const std::string &getCodename() const { return m_codename; }

        /**
         * Runs the code name chunk and the data file as a level start does,
         * without touching the state stack, the music or the countdown (for
         * tools). Throws what the script throws.
         */
        void loadLevel();

        virtual int getCountForSolved() const;
        virtual int getCountForWrong() const { return 75; }
};

#endif
