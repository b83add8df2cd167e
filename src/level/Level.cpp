#include "level/Level.h"

#include "level/Controls.h"
#include "level/DescFinder.h"
#include "level/LevelCountdown.h"
#include "level/LevelFile.h"
#include "level/LevelInput.h"
#include "level/LevelLoading.h"
#include "level/LevelScript.h"
#include "level/LevelStatus.h"
#include "level/Room.h"
#include "level/RoundLock.h"
#include "level/StatusDisplay.h"
#include "level/StepDecor.h"
#include "level/View.h"

#include "effect/Picture.h"
#include "gengine/BaseException.h"
#include "gengine/FileSys.h"
#include "gengine/Log.h"
#include "gengine/MultiDrawer.h"
#include "gengine/OptionAgent.h"
#include "gengine/SoundAgent.h"
#include "gengine/TextTool.h"
#include "gengine/VideoAgent.h"
#include "plan/Command.h"
#include "plan/CommandQueue.h"
#include "plan/SubTitleAgent.h"

Level::Level(const std::string &codename, const Path &datafile, int depth)
    : m_depth(depth), m_desc(nullptr), m_codename(codename), m_datafile(datafile),
      m_lock(new RoundLock()), m_newRound(false), m_levelScript(new LevelScript(this)),
      m_loading(new LevelLoading(m_levelScript.get())),
      m_countdown(new LevelCountdown(m_levelScript.get())), m_show(new CommandQueue()),
      m_restartCounter(1), m_undoSteps(0), m_unsavedPush(false),
      m_roomView(new MultiDrawer()), m_statusDisplay(new StatusDisplay())
{
    takeHandler(new LevelInput(this));
    registerDrawable(m_roomView.get());
    registerDrawable(SubTitleAgent::instance());
    registerDrawable(m_statusDisplay.get());
}

Level::~Level()
{
    // The show commands and the room live in the level script's Lua state.
    m_show->removeAll();
    m_roomView->removeAll();
    m_levelScript->cleanRoom();
}

void Level::fillStatus(LevelStatus *status)
{
    m_countdown->fillStatus(status);
}

// --- state hooks ----------------------------------------------------------

void Level::ownInitState()
{
    if (!m_desc) {
        throw LogicException(InfoText("level description is NULL").addValue("codename", m_codename));
    }
    m_countdown->reset();
    m_loading->reset();
    m_lock->reset();
    m_lock->ensurePhases(1);
    if (!isUndoing()) {
        SoundAgent::instance()->stopMusic();
    }
    loadLevel();
}

void Level::loadLevel()
{
    m_levelScript->doString(LevelFile::codenameChunk(m_codename));
    m_levelScript->doFile(m_datafile);
}

void Level::ownUpdateState()
{
    m_newRound = false;
    if (m_lock->isUnlocked()) {
        m_newRound = true;
        nextAction();
    }
    if (!isUndoing() && !isLoading()) {
        m_levelScript->doString("script_update()");
        m_levelScript->satisfyPlan();
    }
    m_lock->decrease();
    if (m_countdown->countDown(this)) {
        finishLevel();
    }
}

void Level::ownPauseState()
{
    m_levelScript->interruptPlan();
    finishUndo();
}

void Level::ownResumeState()
{
    if (hasRoom()) {
        prepareScreen();
    }
}

void Level::ownCleanState()
{
    m_roomView->removeAll();
    m_levelScript->cleanRoom();
}

void Level::ownNoteBg()
{
    if (isLoading()) {
        m_loading->setPaused(true);
    }
    finishUndo();
}

void Level::ownNoteFg()
{
    prepareScreen();
    if (isLoading()) {
        m_loading->setPaused(false);
    }
    m_lock->ensurePhases(3);
}

// --- rounds ---------------------------------------------------------------

void Level::nextAction()
{
    if (isUndoing()) {
        undoStep();
    } else if (isLoading()) {
        nextLoadAction();
    } else if (!m_show->isEmpty()) {
        nextShowAction();
    } else {
        nextPlayerAction();
    }
}

void Level::nextLoadAction()
{
    try {
        m_loading->nextLoadAction();
    } catch (const LoadException &e) {
        // A saved game is untrusted: a move that cannot be performed ends
        // the loading where it stands instead of ending the game.
        LOG_WARNING(e.info());
        m_loading->reset();
        return;
    }
    if (!m_loading->isLoading()) {
        m_levelScript->doString("script_loadState()");
    }
}

void Level::nextShowAction()
{
    Room *room = getRoom();
    room->beginFall(true);
    m_show->executeFirst();
    if (hasRoom()) {
        room = getRoom();
        room->finishRound(true);
    }
}

void Level::nextPlayerAction()
{
    if (!hasRoom()) {
        return;
    }
    Room *room = getRoom();
    std::string moves = room->getMoves();
    room->nextRound(getInput());
    bool canFinish = room->canFinish();
    bool fell = room->getLastAction() == Rules::ACTION_FALL;
    m_unsavedPush = m_unsavedPush || fell;
    if (canFinish && !fell) {
        saveUndo(moves);
    }
}

void Level::saveUndo(const std::string &moves)
{
    bool flag = m_unsavedPush;
    m_unsavedPush = getRoom()->getControls()->isPushing();
    m_levelScript->doString("script_saveUndo(\"" + LevelFile::escapeLua(moves, '"') + "\","
            + (flag ? "true" : "false") + ")");
}

void Level::undoStep()
{
    if (!hasRoom()) {
        return;
    }
    m_levelScript->doString("script_loadUndo(\"" + LevelFile::escapeLua(getRoom()->getMoves(), '"')
            + "\"," + TextTool::toText(m_undoSteps) + ")");
}

void Level::finishLevel()
{
    if (m_countdown->isFinished()) {
        m_countdown->saveSolution();
        GameState *poster = m_countdown->createPoster();
        if (poster) {
            changeState(poster);
        } else {
            quitState();
        }
    } else if (m_countdown->isWrong()) {
        m_undoSteps = 0;
        ownCleanState();
        ++m_restartCounter;
        ownInitState();
    }
}

// --- room -----------------------------------------------------------------

void Level::createRoom(int w, int h, const std::string &picture)
{
    std::unique_ptr<Room> room(new Room(w, h, picture, m_lock.get(), m_levelScript.get()));
    View *view = new View(room.get(), picture);
    room->takeMedia(view);
    view->addDecor(new StepDecor(room->getControls()));
    m_roomView->removeAll();
    m_levelScript->takeRoom(room.release(), view);
    m_roomView->acceptDrawer(view);
    prepareScreen();
}

void Level::prepareScreen()
{
    if (!hasRoom() || !m_desc) {
        return;
    }
    std::string desc = m_desc->findDesc(m_codename);
    std::string name = m_desc->findLevelName(m_codename);
    std::string caption = (desc.empty() ? "???" : desc) + ": " + (name.empty() ? m_codename : name);
    Room *room = getRoom();
    OptionAgent *options = OptionAgent::instance();
    options->setParam("caption", caption);
    options->setParam("screen_width", static_cast<long long>(room->getW()) * View::CELL);
    options->setParam("screen_height", static_cast<long long>(room->getH()) * View::CELL);
    VideoAgent::instance()->initVideoMode();
}

bool Level::hasRoom() const
{
    return m_levelScript->isRoom();
}

Room *Level::getRoom() const
{
    return m_levelScript->room();
}

bool Level::isSolved() const
{
    return getRoom()->isSolved();
}

bool Level::isLoading() const
{
    return m_loading->isLoading();
}

bool Level::action_move(char symbol)
{
    return getRoom()->makeMove(symbol);
}

void Level::switchFish()
{
    if (hasRoom()) {
        getRoom()->switchFish();
    }
}

bool Level::action_restart(int increment)
{
    if (increment > 0) {
        m_undoSteps = 0;
    }
    ownCleanState();
    m_restartCounter += increment;
    ownInitState();
    return true;
}

// --- saving and loading ---------------------------------------------------

std::string Level::savedFile() const
{
    return "saves/" + m_codename + ".lua";
}

bool Level::action_save()
{
    if (hasRoom() && getRoom()->canFinish()) {
        m_levelScript->doString("script_save()");
    } else {
        LOG_INFO(InfoText("bad level condition, level cannot be finished, no save is made"));
    }
    return true;
}

void Level::saveGame(const std::string &models)
{
    if (!hasRoom()) {
        return;
    }
    if (!LevelFile::isSafeCodename(m_codename)) {
        LOG_WARNING(InfoText("cannot save game").addValue("codename", m_codename));
        return;
    }
    Path file = Path::dataUserPath(savedFile());
    std::string content = "\nsaved_moves = '" + LevelFile::escapeLua(getRoom()->getMoves(), '\'')
        + "'\n\nsaved_models = " + models;
    try {
        FileSys::createPath(file.getNative());
        FileSys::replaceFile(file.getNative(), content);
    } catch (const std::exception &e) {
        LOG_WARNING(InfoText("cannot save game")
                .addValue("file", file.getNative())
                .addValue("error", e.what()));
        return;
    }
    LOG_INFO(InfoText("game is saved").addValue("codename", m_codename));
    Picture *status = nullptr;
    try {
        status = new Picture(Path::dataReadPath("images/menu/status/saved.png"), V2(0, 0));
    } catch (const std::exception &e) {
        LOG_WARNING(InfoText(e.what()));
    }
    m_statusDisplay->displayStatus(status, 3);
}

bool Level::action_load()
{
    if (!LevelFile::isSafeCodename(m_codename)) {
        LOG_INFO(InfoText("there is no file to load").addValue("codename", m_codename));
        return true;
    }
    Path file = Path::dataReadPath(savedFile());
    if (!file.exists()) {
        LOG_INFO(InfoText("there is no file to load").addValue("file", file.getNative()));
        return true;
    }
    m_undoSteps = 0;
    --m_restartCounter;
    action_restart(1);
    m_levelScript->doFile(file);
    m_levelScript->doString("script_load()");
    return true;
}

void Level::loadMoves(const std::string &moves)
{
    if (isUndoing()) {
        getRoom()->setMoves(moves);
    } else {
        m_loading->loadMoves(moves);
    }
}

void Level::loadReplay(const std::string &moves)
{
    m_loading->loadReplay(moves);
}

// --- shows, demos, undo ---------------------------------------------------

void Level::newDemo(const Path &demofile)
{
    m_levelScript->killPlan();
    GameState *demo = LevelStatus::makeDemo(demofile);
    if (demo) {
        pushState(demo);
    }
}

void Level::planShow(Command *command)
{
    m_show->planCommand(command);
}

bool Level::isShowing() const
{
    return !m_show->isEmpty();
}

void Level::removeShow()
{
    m_show->removeAll();
}

bool Level::isBusy() const
{
    return isShowing() || isLoading() || isUndoing();
}

void Level::action_undo(int steps)
{
    m_undoSteps = steps;
    m_levelScript->interruptPlan();
    m_countdown->reset();
    undoStep();
}

void Level::finishUndo()
{
    if (isUndoing()) {
        action_restart(0);
        m_levelScript->doString("script_loadFinalUndo()");
        m_undoSteps = 0;
    }
}

int Level::getCountForSolved() const
{
    if (isUndoing()) {
        return -1;
    }
    if (isLoading()) {
        return 0;
    }
    return m_levelScript->hasRunningDialogs() ? 30 : 10;
}
