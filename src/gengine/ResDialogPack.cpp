#include "gengine/ResDialogPack.h"

#include "gengine/OptionAgent.h"
#include "gengine/Log.h"

namespace {

const std::string DEFAULT_LANG = "en";

std::string::size_type commonPrefix(const std::string &a, const std::string &b)
{
    std::string::size_type n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) {
        ++n;
    }
    return n;
}

}

void ResDialogPack::unloadRes(Dialog *res)
{
    delete res;
}

Dialog *ResDialogPack::findBest(const std::string &name, const std::string &lang)
{
    Dialog *best = nullptr;
    std::string::size_type bestPrefix = 1;
    int count = countRes(name);
    for (int i = 0; i < count; ++i) {
        Dialog *dialog = getRes(name, i);
        std::string::size_type prefix = commonPrefix(dialog->getLang(), lang);
        if (prefix > bestPrefix) {
            bestPrefix = prefix;
            best = dialog;
        }
    }
    return best;
}

Dialog *ResDialogPack::findDialogHard(const std::string &name)
{
    std::string lang = OptionAgent::instance()->getParam("lang");
    Dialog *dialog = findBest(name, lang);
    if (!dialog) {
        dialog = findBest(name, DEFAULT_LANG);
    }
    if (!dialog) {
        LOG_WARNING(InfoText("cannot find dialog").addValue("name", name)
                .addValue("lang", lang).addValue("pack", toString()));
    }
    return dialog;
}

Dialog *ResDialogPack::findSpeech(const std::string &name)
{
    OptionAgent *options = OptionAgent::instance();
    std::string speech = options->getParam("speech", options->getParam("lang"));
    Dialog *dialog = findBest(name, speech);
    if (!dialog || dialog->getSoundfile().empty()) {
        dialog = findBest(name, DEFAULT_LANG);
    }
    if (!dialog) {
        LOG_WARNING(InfoText("cannot find speech").addValue("name", name)
                .addValue("speech", speech).addValue("pack", toString()));
    }
    return dialog;
}
