#include "level/Room.h"

#include "level/Controls.h"
#include "level/Cube.h"
#include "level/Field.h"
#include "level/FinderAlg.h"
#include "level/Landslip.h"
#include "level/MouseControl.h"
#include "level/RoomHost.h"
#include "level/RoomMedia.h"
#include "level/RoomState.h"
#include "level/RoundLock.h"
#include "level/Unit.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"

#include <cassert>
#include <climits>

Room::Room(int w, int h, const std::string &picture, RoundLock *lock, RoomHost *host)
    : m_picture(picture), m_field(new Field(w, h)), m_finder(new FinderAlg(w, h)),
      m_models(), m_controls(new Controls(lock)), m_media(), m_lock(lock), m_host(host),
      m_lastAction(Rules::ACTION_NO), m_fastFalling(false), m_stoned(), m_pending()
{
}

Room::~Room()
{
    m_media.reset();
    if (m_host) {
        m_host->killPlan();
        m_host->removeDialogs();
    }
    // Units point at models and models write into the field: controls first, field last.
    m_controls.reset();
    m_models.clear();
    m_finder.reset();
    m_field.reset();
}

void Room::takeMedia(RoomMedia *media)
{
    m_media.reset(media);
}

int Room::addModel(Cube *model, Unit *unit)
{
    std::unique_ptr<Cube> ownedModel(model);
    std::unique_ptr<Unit> ownedUnit(unit);
    model->getRules()->takeField(m_field.get());
    const int index = static_cast<int>(m_models.size());
    model->setIndex(index);
    m_models.push_back(std::move(ownedModel));
    if (ownedUnit) {
        ownedUnit->takeModel(model);
        m_controls->addUnit(ownedUnit.release());
    }
    return index;
}

Cube *Room::getModel(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_models.size())) {
        throw LogicException(InfoText("bad model index").addValue("model_index", index));
    }
    return m_models[index].get();
}

Cube *Room::askField(const V2 &loc) const
{
    return m_field->getModel(loc);
}

int Room::getW() const
{
    return m_field->getW();
}

int Room::getH() const
{
    return m_field->getH();
}

void Room::changeBg(const std::string &picture)
{
    if (picture != m_picture) {
        m_picture = picture;
    }
}

void Room::playSound(const std::string &name, int volume)
{
    if (m_media) {
        m_media->playSound(name, volume);
    }
}

void Room::killPlan()
{
    if (m_host) {
        m_host->killPlan();
    }
}

void Room::ensurePhases(int phases)
{
    if (m_lock) {
        m_lock->ensurePhases(phases);
    }
}

int Room::settleLimit() const
{
    // Falls and departures always end; this only stops a loop on a
    // script-made impossible room instead of hanging the game.
    const long long w = m_field->getW();
    const long long h = m_field->getH();
    const long long limit = 4 * ((getModelCount() + 1LL) * (w + h + 4) + (w + 2) * (h + 2));
    return limit > INT_MAX ? INT_MAX : static_cast<int>(limit);
}

void Room::nextRound(const InputProvider *input)
{
    if (!m_fastFalling) {
        beginFall(true);
    } else {
        for (int i = settleLimit(); i > 0 && beginFall(true); --i) {
            finishRound(true);
        }
        m_lastAction = Rules::ACTION_NO;
    }

    if (m_lastAction == Rules::ACTION_NO) {
        if (m_controls->driving(input)) {
            m_lastAction = Rules::ACTION_MOVE;
        } else if (MouseControl(*m_controls, m_media.get(), *m_finder).mouseDrive(input)) {
            m_lastAction = Rules::ACTION_MOVE;
        }
    }
    finishRound(true);
}

bool Room::beginFall(bool animate)
{
    prepareRound();
    m_lastAction = Rules::ACTION_NO;
    if (checkOut(animate)) {
        m_lastAction = Rules::ACTION_MOVE;
    } else if (fallDown(animate)) {
        m_lastAction = Rules::ACTION_FALL;
    }
    return m_lastAction != Rules::ACTION_NO;
}

void Room::prepareRound()
{
    for (const std::unique_ptr<Cube> &model : m_models) {
        model->getRules()->occupyNewPos();
    }
    bool killed = false;
    for (const std::unique_ptr<Cube> &model : m_models) {
        if (model->getRules()->checkDead(m_lastAction)) {
            killModel(model.get());
            killed = true;
        }
    }
    for (const std::unique_ptr<Cube> &model : m_models) {
        model->getRules()->changeState();
    }
    if (killed) {
        killPlan();
    }
}

bool Room::checkOut(bool animate)
{
    bool goingOut = false;
    for (const std::unique_ptr<Cube> &model : m_models) {
        if (model->isLost()) {
            continue;
        }
        const int depth = model->getRules()->actionOut();
        if (depth > 0) {
            goingOut = true;
            if (animate) {
                ensurePhases(3);
            }
        } else if (depth == -1) {
            killPlan();
        }
    }
    return goingOut;
}

bool Room::fallDown(bool animate)
{
    Landslip slip(m_models, m_stoned, m_pending);
    const bool falling = slip.computeFall();
    if (animate) {
        playImpact(slip.getImpact());
    }
    return falling;
}

void Room::playImpact(Cube::eWeight impact)
{
    switch (impact) {
        case Cube::NONE:
            break;
        case Cube::LIGHT:
            playSound("impact_light", 50);
            break;
        case Cube::HEAVY:
            playSound("impact_heavy", 50);
            break;
        default:
            assert(!"unknown impact weight");
            break;
    }
}

void Room::killModel(Cube *model)
{
    if (m_host) {
        m_host->killSound(model->getIndex());
    }
    switch (model->getPower()) {
        case Cube::LIGHT:
            playSound("dead_small", 100);
            break;
        case Cube::HEAVY:
            playSound("dead_big", 100);
            break;
        default:
            LOG_WARNING(InfoText("curious power of dead fish")
                    .addValue("power", static_cast<int>(model->getPower())));
            break;
    }
}

void Room::finishRound(bool animate)
{
    if (animate) {
        m_controls->lockPhases();
    }
    if (m_media) {
        m_media->noteNewRound(m_lock ? m_lock->getLocked() : 0);
    }
    for (const std::unique_ptr<Cube> &model : m_models) {
        model->getRules()->freeOldPos();
    }
}

bool Room::makeMove(char symbol)
{
    if (m_lastAction != Rules::ACTION_NO) {
        return false;
    }
    if (!m_controls->makeMove(symbol)) {
        throw LoadException(InfoText("load error - bad move").addValue("move", std::string(1, symbol)));
    }
    m_lastAction = Rules::ACTION_MOVE;
    return true;
}

void Room::loadMove(char symbol)
{
    if (!tryMove(symbol)) {
        throw LoadException(InfoText("load error - bad move").addValue("move", std::string(1, symbol)));
    }
}

bool Room::tryMove(char symbol)
{
    bool busy = true;
    bool performed = false;
    for (int i = settleLimit(); busy; --i) {
        if (i <= 0) {
            throw LoadException(InfoText("load error - room does not settle")
                    .addValue("move", std::string(1, symbol)));
        }
        busy = beginFall(false);
        if (!busy) {
            performed = m_controls->makeMove(symbol);
            if (performed) {
                m_lastAction = Rules::ACTION_MOVE;
            }
        }
        finishRound(false);
    }
    return performed;
}

bool Room::tryMoveAtRest(char symbol)
{
    if (m_lastAction != Rules::ACTION_NO) {
        return tryMove(symbol);
    }
    const bool performed = m_controls->makeMove(symbol);
    if (performed) {
        m_lastAction = Rules::ACTION_MOVE;
    }
    finishRound(false);
    return performed;
}

bool Room::settle()
{
    for (int i = settleLimit(); i > 0; --i) {
        const bool busy = beginFall(false);
        finishRound(false);
        if (!busy) {
            return true;
        }
    }
    return false;
}

void Room::saveState(RoomState *state) const
{
    state->take(*this);
}

void Room::restoreState(const RoomState &state)
{
    state.apply(*this);
}

bool Room::isSolved() const
{
    if (m_lastAction != Rules::ACTION_NO) {
        return false;
    }
    for (const std::unique_ptr<Cube> &model : m_models) {
        if (!model->getGoal().isSatisfy(model.get())) {
            return false;
        }
    }
    return true;
}

bool Room::canFinish() const
{
    for (const std::unique_ptr<Cube> &model : m_models) {
        if (model->getGoal().isWrong(model.get())) {
            return false;
        }
    }
    return true;
}

bool Room::cannotMove() const
{
    return m_controls->cannotMove();
}

void Room::switchFish()
{
    m_controls->switchActive();
}

void Room::checkActive()
{
    m_controls->checkActive();
}

void Room::setMoves(const std::string &moves)
{
    m_controls->setMoves(moves);
}

const std::string &Room::getMoves() const
{
    return m_controls->moves();
}

void Room::controlEvent(SDLKey key)
{
    m_controls->setStroke(key);
}

void Room::selectModel(int button, const V2 &screenPos)
{
    if (button != SDL_BUTTON_LEFT) {
        return;
    }
    const Cube *model = askField(MouseControl::fieldPos(m_media.get(), screenPos));
    if (model) {
        m_controls->activateSelected(model);
    }
}

void Room::unBusyUnits()
{
    for (const std::unique_ptr<Cube> &model : m_models) {
        model->setBusy(false);
    }
}
