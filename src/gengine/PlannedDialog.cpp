#include "gengine/PlannedDialog.h"

#include "gengine/Dialog.h"
#include "gengine/TimerAgent.h"

#include "SDL_mixer.h"

#include <climits>

PlannedDialog::PlannedDialog(int actor, Dialog *dialog, int minTime)
    : m_actor(actor), m_dialog(dialog), m_channel(-1), m_endtime(0), m_minTime(minTime)
{
}

void PlannedDialog::talk(int volume, int loops)
{
    m_channel = m_dialog->talk(volume, loops);
    if (loops == -1) {
        m_endtime = ENDLESS;
    } else {
        // Loops come from scripts: keep the sum inside an int.
        long long end = static_cast<long long>(m_minTime) * loops + m_minTime
            + TimerAgent::instance()->getCycles();
        if (end > INT_MAX) {
            end = INT_MAX;
        } else if (end < INT_MIN) {
            end = INT_MIN;
        }
        m_endtime = static_cast<int>(end);
    }
}

bool PlannedDialog::isPlaying() const
{
    return m_channel >= 0 && Mix_Playing(m_channel)
        && Mix_GetChunk(m_channel) == m_dialog->getSound();
}

bool PlannedDialog::isTalking() const
{
    if (m_channel < 0) {
        return TimerAgent::instance()->getCycles() < m_endtime;
    }
    return isPlaying();
}

void PlannedDialog::killTalk()
{
    if (isPlaying()) {
        Mix_HaltChannel(m_channel);
    }
}
