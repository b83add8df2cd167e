#include "menu/SolverDrawer.h"

#include "menu/Labels.h"

#include "level/LevelStatus.h"
#include "widget/WiPara.h"

#include "effect/Font.h"
#include "gengine/Path.h"
#include "gengine/TextTool.h"

#include <vector>

SolverDrawer::SolverDrawer(LevelStatus *status)
{
    long long own = static_cast<long long>(status->readSolvedMoves().size());
    std::vector<std::string> args = {"", TextTool::toText(status->getBestMoves()),
        status->getBestAuthor()};
    Labels labels(Path::dataReadPath("script/labels.lua"));
    std::string text = labels.getFormatted(labelName(own, status->getBestMoves()), args);

    Font font(Path::dataReadPath("font/font_menu.ttf"), 14);
    const SDL_Color white = {255, 255, 255, 255};
    setCentered(true);
    addWidget(new WiPara(text, font, white));
    setShift(getShift());
}

std::string SolverDrawer::labelName(long long own, int best)
{
    if (best <= 0 || own < best) {
        return "solver_better";
    }
    return own == best ? "solver_equals" : "solver_worse";
}
