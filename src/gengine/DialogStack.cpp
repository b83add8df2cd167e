#include "gengine/DialogStack.h"

#include "gengine/Dialog.h"
#include "gengine/PlannedDialog.h"
#include "gengine/ResDialogPack.h"
#include "gengine/TextTool.h"

#include <vector>

namespace {

/** The dialog name and the values of its subtitle markers. */
std::vector<std::string> splitArgs(const std::string &name)
{
    std::vector<std::string> pieces = TextTool::split(name, '@');
    if (pieces.empty()) {
        pieces.push_back(std::string());
    }
    return pieces;
}

}

DialogStack::DialogStack()
    : m_dialogs(new ResDialogPack()), m_activeDialog(nullptr)
{
}

DialogStack::~DialogStack()
{
    removeAll();
    delete m_dialogs;
}

void DialogStack::addDialog(const std::string &name, Dialog *dialog)
{
    m_dialogs->addRes(name, dialog);
}

void DialogStack::actorTalk(int actor, const std::string &name, int volume, int loops,
        bool dialogFlag)
{
    std::vector<std::string> args = splitArgs(name);
    Dialog *subtitle = m_dialogs->findDialogHard(args[0]);
    if (!subtitle) {
        return;
    }
    subtitle->runSubtitle(args);

    Dialog *speech = m_dialogs->findSpeech(args[0]);
    if (!speech) {
        return;
    }
    PlannedDialog *planned = new PlannedDialog(actor, speech, subtitle->getMinTime());
    try {
        planned->talk(volume, loops);
    } catch (...) {
        delete planned;
        throw;
    }
    if (loops == -1) {
        m_cycling.push_back(planned);
    } else {
        m_running.push_back(planned);
    }
    if (dialogFlag) {
        m_activeDialog = planned;
    }
}

bool DialogStack::isTalkingIn(const t_planned &list, int actor) const
{
    for (const PlannedDialog *planned : list) {
        if (planned->equalsActor(actor) && planned->isTalking()) {
            return true;
        }
    }
    return false;
}

bool DialogStack::isTalking(int actor) const
{
    return isTalkingIn(m_running, actor) || isTalkingIn(m_cycling, actor);
}

void DialogStack::removePlanned(PlannedDialog *planned)
{
    if (planned == m_activeDialog) {
        m_activeDialog = nullptr;
    }
    planned->killTalk();
    delete planned;
}

void DialogStack::killActorIn(t_planned &list, int actor)
{
    for (t_planned::iterator it = list.begin(); it != list.end(); ) {
        if ((*it)->equalsActor(actor)) {
            removePlanned(*it);
            it = list.erase(it);
        } else {
            ++it;
        }
    }
}

void DialogStack::killSound(int actor)
{
    killActorIn(m_running, actor);
    killActorIn(m_cycling, actor);
}

void DialogStack::killTalks()
{
    for (PlannedDialog *planned : m_running) {
        removePlanned(planned);
    }
    m_running.clear();
    for (PlannedDialog *planned : m_cycling) {
        removePlanned(planned);
    }
    m_cycling.clear();
    m_activeDialog = nullptr;
}

void DialogStack::removeFirstNotTalking()
{
    for (t_planned::iterator it = m_running.begin(); it != m_running.end(); ++it) {
        if (!(*it)->isTalking()) {
            removePlanned(*it);
            m_running.erase(it);
            return;
        }
    }
}

bool DialogStack::isDialog() const
{
    return m_activeDialog && m_activeDialog->isTalking();
}

void DialogStack::removeAll()
{
    killTalks();
    m_dialogs->removeAll();
}
