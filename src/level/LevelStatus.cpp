#include "level/LevelStatus.h"

#include "level/LevelFile.h"

#include "gengine/FileSys.h"
#include "gengine/Log.h"
#include "gengine/LuaGuard.h"
#include "gengine/Path.h"

LevelStatus::DemoMaker LevelStatus::s_demoMaker = nullptr;

namespace {

int script_status_readMoves(lua_State *L)
{
    size_t size = 0;
    const char *moves = luaL_checklstring(L, 1, &size);
    LevelStatus *status = static_cast<LevelStatus *>(getLeader(L));
    return luaGuard(L, [&]() {
        status->readMoves(std::string(moves, size));
        return 0;
    });
}

std::string solvedFile(const std::string &codename)
{
    return "solved/" + codename + ".lua";
}

}

LevelStatus::LevelStatus()
    : m_complete(false), m_wasRunning(false), m_bestMoves(-1)
{
    registerFunc("status_readMoves", script_status_readMoves);
}

void LevelStatus::prepareRun(const std::string &codename, const std::string &poster,
                             int bestMoves, const std::string &bestAuthor)
{
    m_codename = codename;
    m_poster = poster;
    m_bestMoves = bestMoves;
    m_bestAuthor = bestAuthor;
    m_complete = false;
    m_wasRunning = false;
}

std::string LevelStatus::readSolvedMoves()
{
    m_savedMoves.clear();
    if (!LevelFile::isSafeCodename(m_codename)) {
        return m_savedMoves;
    }
    try {
        Path file = Path::dataReadPath(solvedFile(m_codename));
        if (file.exists()) {
            doString("saved_moves=nil");
            doFile(file);
            doString("status_readMoves(saved_moves)");
        }
    } catch (const std::exception &e) {
        LOG_WARNING(InfoText(e.what()));
    }
    return m_savedMoves;
}

std::string LevelStatus::solutionText(const std::string &moves)
{
    return "\nsaved_moves = '" + LevelFile::escapeLua(moves, '\'') + "'\n";
}

void LevelStatus::writeSolvedMoves(const std::string &moves)
{
    std::string old = readSolvedMoves();
    if (!old.empty() && moves.size() >= old.size()) {
        return;
    }
    if (!LevelFile::isSafeCodename(m_codename)) {
        LOG_WARNING(InfoText("cannot save solution")
                .addValue("codename", m_codename)
                .addValue("moves", moves));
        return;
    }
    Path file = Path::dataUserPath(solvedFile(m_codename));
    try {
        FileSys::createPath(file.getNative());
        FileSys::replaceFile(file.getNative(), solutionText(moves));
    } catch (const std::exception &e) {
        LOG_WARNING(InfoText("cannot save solution")
                .addValue("file", file.getNative())
                .addValue("moves", moves)
                .addValue("error", e.what()));
    }
}

int LevelStatus::compareToBest()
{
    std::string::size_type length = readSolvedMoves().size();
    if (m_bestMoves <= 0) {
        return 1;
    }
    std::string::size_type best = static_cast<std::string::size_type>(m_bestMoves);
    if (length > best) {
        return -1;
    }
    return length == best ? 0 : 1;
}

GameState *LevelStatus::createPoster() const
{
    if (m_poster.empty()) {
        return nullptr;
    }
    return makeDemo(Path::dataReadPath(m_poster));
}

GameState *LevelStatus::makeDemo(const Path &script)
{
    if (!s_demoMaker) {
        LOG_WARNING(InfoText("no demo state available").addValue("script", script.getNative()));
        return nullptr;
    }
    return s_demoMaker(script);
}
