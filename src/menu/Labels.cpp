#include "menu/Labels.h"

#include "gengine/Dialog.h"
#include "gengine/LuaGuard.h"
#include "gengine/Path.h"
#include "gengine/ResDialogPack.h"

#include <memory>

namespace {

const char *const UNKNOWN_LABEL = "???";

/** label_text(name, lang, text) */
int script_label_text(lua_State *L)
{
    size_t nameSize = 0;
    size_t langSize = 0;
    size_t textSize = 0;
    const char *name = luaL_checklstring(L, 1, &nameSize);
    const char *lang = luaL_checklstring(L, 2, &langSize);
    const char *text = luaL_checklstring(L, 3, &textSize);
    Labels *labels = static_cast<Labels *>(getLeader(L));
    return luaGuard(L, [&]() {
        labels->addLabel(std::string(name, nameSize), std::string(lang, langSize),
                std::string(text, textSize));
        return 0;
    });
}

}

Labels::Labels(const Path &file) : m_pack(new ResDialogPack())
{
    registerFunc("label_text", script_label_text);
    try {
        doFile(file);
    } catch (...) {
        // The destructor does not run for a half-built object.
        m_pack->removeAll();
        delete m_pack;
        throw;
    }
}

Labels::~Labels()
{
    m_pack->removeAll();
    delete m_pack;
}

void Labels::addLabel(const std::string &name, const std::string &lang, const std::string &text)
{
    std::unique_ptr<Dialog> label(new Dialog(lang, "", text));
    m_pack->addRes(name, label.get());
    label.release();
}

std::string Labels::getLabel(const std::string &name) const
{
    Dialog *label = m_pack->findDialogHard(name);
    return label ? label->getRawSubtitle() : UNKNOWN_LABEL;
}

std::string Labels::getFormatted(const std::string &name,
        const std::vector<std::string> &args) const
{
    Dialog *label = m_pack->findDialogHard(name);
    return label ? label->getSubtitle(args) : UNKNOWN_LABEL;
}
