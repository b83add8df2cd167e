#include "gengine/Dialog.h"

#include "gengine/SoundAgent.h"
#include "gengine/ResSoundPack.h"
#include "gengine/Path.h"
#include "gengine/TextTool.h"
#include "gengine/Log.h"

#include <algorithm>

Dialog::Dialog(const std::string &lang, const std::string &soundfile,
        const std::string &subtitle)
    : m_sound(nullptr), m_soundfile(soundfile), m_lang(lang), m_subtitle(subtitle)
{
}

Dialog::~Dialog()
{
    if (m_sound) {
        Mix_FreeChunk(m_sound);
    }
}

int Dialog::talk(int volume, int loops)
{
    if (!m_sound && !m_soundfile.empty()) {
        m_sound = ResSoundPack::loadSound(Path::dataReadPath(m_soundfile));
    }
    return SoundAgent::instance()->playSound(m_sound, volume, loops);
}

void Dialog::runSubtitle(const std::vector<std::string> &args) const
{
    LOG_INFO(InfoText("subtitle").addValue("content", getSubtitle(args)));
}

std::string Dialog::getSubtitle(const std::vector<std::string> &args) const
{
    std::string result = m_subtitle;
    for (std::vector<std::string>::size_type i = 1; i < args.size(); ++i) {
        result = TextTool::replaceAll(result, "%" + TextTool::toText(i), args[i]);
    }
    return result;
}

int Dialog::getMinTime() const
{
    std::size_t length = TextTool::utf8Length(m_subtitle);
    return static_cast<int>(std::min(length, static_cast<std::size_t>(MAX_MIN_TIME)));
}
