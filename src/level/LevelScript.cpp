#include "level/LevelScript.h"

#include "level/Cube.h"
#include "level/Room.h"
#include "level/Unit.h"
#include "level/View.h"
#include "level/game-script.h"
#include "level/level-script.h"

#include "gengine/DialogStack.h"
#include "gengine/ScriptState.h"
#include "plan/ScriptCmd.h"
#include "plan/SubTitleAgent.h"

#include <memory>

LevelScript::LevelScript(Level *level)
    : m_level(level)
{
    registerLevelFunctions(this);
    registerGameFunctions(this);
}

LevelScript::~LevelScript()
{
    // The room calls back into the planner while it is destroyed.
    cleanRoom();
}

int LevelScript::addModel(Cube *model, Unit *unit)
{
    std::unique_ptr<Cube> ownedModel(model);
    std::unique_ptr<Unit> ownedUnit(unit);
    Room *target = room();
    ownedModel->takeDialogs(this);
    return target->addModel(ownedModel.release(), ownedUnit.release());
}

Cube *LevelScript::getModel(int index) const
{
    return room()->getModel(index);
}

Cube *LevelScript::askField(const V2 &loc) const
{
    return room()->askField(loc);
}

void LevelScript::playSound(const std::string &name, int volume)
{
    view()->playSound(name, volume);
}

void LevelScript::addSound(const std::string &name, const Path &file)
{
    view()->addSound(name, file);
}

ScriptCmd *LevelScript::createCommand(int funcRef)
{
    return new ScriptCmd(m_script, funcRef);
}

void LevelScript::killPlan()
{
    Planner::killPlan();
    if (isRoom()) {
        room()->checkActive();
        room()->unBusyUnits();
    }
}

bool LevelScript::isTalking(int actor) const
{
    return m_dialogs->isTalking(actor);
}

void LevelScript::killSound(int actor)
{
    m_dialogs->killSound(actor);
}

void LevelScript::removeDialogs()
{
    m_dialogs->removeAll();
    SubTitleAgent::instance()->removeAll();
}

bool LevelScript::hasRunningDialogs() const
{
    return m_dialogs->hasRunning();
}
