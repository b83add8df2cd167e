#include "menu/SelectLang.h"

#include "widget/HBox.h"
#include "widget/RadioBox.h"
#include "gengine/BaseException.h"
#include "gengine/LuaGuard.h"
#include "gengine/Path.h"

#include <memory>

namespace {

/** select_addFlag(value, picture) */
int script_select_addFlag(lua_State *L)
{
    size_t valueSize = 0;
    size_t pictureSize = 0;
    const char *value = luaL_checklstring(L, 1, &valueSize);
    const char *picture = luaL_checklstring(L, 2, &pictureSize);
    SelectLang *select = static_cast<SelectLang *>(getLeader(L));
    return luaGuard(L, [&]() {
        select->addFlag(std::string(value, valueSize), std::string(picture, pictureSize));
        return 0;
    });
}

}

SelectLang::SelectLang(const std::string &param, const Path &script)
    : m_param(param), m_row(new HBox())
{
    registerFunc("select_addFlag", script_select_addFlag);
    try {
        doFile(script);
    } catch (...) {
        delete m_row;
        throw;
    }
    // The last row, possibly empty, is part of the box too.
    addWidget(m_row);
    m_row = nullptr;
}

SelectLang::~SelectLang()
{
    delete m_row;
}

void SelectLang::addFlag(const std::string &value, const std::string &picture)
{
    if (!m_row) {
        throw LogicException(InfoText("flags are added only while the script runs")
                .addValue("value", value));
    }
    std::unique_ptr<RadioBox> flag(new RadioBox(m_param, value, Path::dataReadPath(picture)));
    flag->setTip(value);
    m_row->addWidget(flag.get());
    flag.release();
    if (m_row->getW() > MAX_ROW_W) {
        std::unique_ptr<HBox> next(new HBox());
        addWidget(m_row);
        m_row = next.release();
    }
}
