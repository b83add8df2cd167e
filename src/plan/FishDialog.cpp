#include "plan/FishDialog.h"

#include "plan/SubTitleAgent.h"

FishDialog::FishDialog(const std::string &lang, const std::string &soundfile,
        const std::string &subtitle, const std::string &fontName)
    : Dialog(lang, soundfile, subtitle), m_fontName(fontName)
{
}

void FishDialog::runSubtitle(const std::vector<std::string> &args) const
{
    if (m_fontName.empty()) {
        return;
    }
    std::string text = getSubtitle(args);
    if (!text.empty()) {
        SubTitleAgent::instance()->newSubtitle(text, m_fontName);
    }
}
