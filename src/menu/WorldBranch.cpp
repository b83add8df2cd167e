#include "menu/WorldBranch.h"

#include "menu/LevelDesc.h"
#include "menu/LevelNode.h"

#include "level/LevelFile.h"
#include "level/ScriptArgs.h"

#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/LuaGuard.h"
#include "gengine/Path.h"
#include "gengine/ResDialogPack.h"

#include <memory>

namespace {

WorldBranch *getBranch(lua_State *L)
{
    return static_cast<WorldBranch *>(getLeader(L));
}

int script_worldmap_addDesc(lua_State *L)
{
    size_t codenameSize = 0, langSize = 0, nameSize = 0, descSize = 0;
    const char *codename = luaL_checklstring(L, 1, &codenameSize);
    const char *lang = luaL_checklstring(L, 2, &langSize);
    const char *levelName = luaL_checklstring(L, 3, &nameSize);
    const char *desc = luaL_checklstring(L, 4, &descSize);
    WorldBranch *branch = getBranch(L);
    return luaGuard(L, [&]() {
        branch->addDesc(std::string(codename, codenameSize), std::string(lang, langSize),
                std::string(levelName, nameSize), std::string(desc, descSize));
        return 0;
    });
}

int script_branch_addNode(lua_State *L)
{
    size_t parentSize = 0, codenameSize = 0, datafileSize = 0, posterSize = 0;
    const char *parent = luaL_checklstring(L, 1, &parentSize);
    const char *codename = luaL_checklstring(L, 2, &codenameSize);
    const char *datafile = luaL_checklstring(L, 3, &datafileSize);
    int x = checkInt(L, 4);
    int y = checkInt(L, 5);
    bool hidden = lua_toboolean(L, 6) != 0;
    const char *poster = luaL_optlstring(L, 7, "", &posterSize);
    WorldBranch *branch = getBranch(L);
    return luaGuard(L, [&]() {
        branch->addNode(std::string(parent, parentSize), std::string(codename, codenameSize),
                std::string(datafile, datafileSize), V2(x, y), hidden,
                std::string(poster, posterSize));
        return 0;
    });
}

int script_branch_setEnding(lua_State *L)
{
    size_t codenameSize = 0, datafileSize = 0, posterSize = 0;
    const char *codename = luaL_checklstring(L, 1, &codenameSize);
    const char *datafile = luaL_checklstring(L, 2, &datafileSize);
    const char *poster = luaL_optlstring(L, 3, "", &posterSize);
    WorldBranch *branch = getBranch(L);
    return luaGuard(L, [&]() {
        branch->setEnding(std::string(codename, codenameSize),
                std::string(datafile, datafileSize), std::string(poster, posterSize));
        return 0;
    });
}

int script_node_bestSolution(lua_State *L)
{
    size_t codenameSize = 0, authorSize = 0;
    const char *codename = luaL_checklstring(L, 1, &codenameSize);
    int moves = checkInt(L, 2);
    const char *author = luaL_checklstring(L, 3, &authorSize);
    WorldBranch *branch = getBranch(L);
    return luaGuard(L, [&]() {
        branch->bestSolution(std::string(codename, codenameSize), moves,
                std::string(author, authorSize));
        return 0;
    });
}

}

WorldBranch::WorldBranch() : m_root(nullptr), m_ending(nullptr), m_outPack(nullptr)
{
    registerFunc("worldmap_addDesc", script_worldmap_addDesc);
    registerFunc("branch_addNode", script_branch_addNode);
    registerFunc("branch_setEnding", script_branch_setEnding);
    registerFunc("node_bestSolution", script_node_bestSolution);
}

WorldBranch::~WorldBranch()
{
    delete m_root;
    delete m_ending;
}

bool WorldBranch::isSolved(const std::string &codename)
{
    // A code name that leaves the solution folder never has a solution there.
    return LevelFile::isSafeCodename(codename)
        && Path::dataReadPath("solved/" + codename + ".lua").exists();
}

LevelNode *WorldBranch::parseMap(const Path &file, LevelNode **ending, ResDialogPack *pack)
{
    m_outPack = pack;
    try {
        doFile(file);
    } catch (...) {
        m_outPack = nullptr;
        throw;
    }
    m_outPack = nullptr;

    if (m_ending) {
        if (!ending) {
            throw LogicException(InfoText("cannot export ending node")
                    .addValue("ending", m_ending->getCodename()));
        }
        delete *ending;
        *ending = m_ending;
        m_ending = nullptr;
    }
    if (m_root && m_root->getState() < LevelNode::STATE_OPEN) {
        m_root->setState(LevelNode::STATE_OPEN);
    }
    LevelNode *root = m_root;
    m_root = nullptr;
    return root;
}

void WorldBranch::addDesc(const std::string &codename, const std::string &lang,
        const std::string &levelName, const std::string &desc)
{
    if (!m_outPack) {
        throw LogicException(InfoText("cannot export level description")
                .addValue("codename", codename));
    }
    m_outPack->addRes(codename, new LevelDesc(lang, levelName, desc));
}

void WorldBranch::addNode(const std::string &parent, const std::string &codename,
        const std::string &datafile, const V2 &loc, bool hidden, const std::string &poster)
{
    std::unique_ptr<LevelNode> node(new LevelNode(codename, Path::dataReadPath(datafile),
                loc, poster));
    if (isSolved(codename)) {
        node->setState(LevelNode::STATE_SOLVED);
    } else {
        node->setState(hidden ? LevelNode::STATE_HIDDEN : LevelNode::STATE_FAR);
    }
    takeNode(parent, node.get());
    node.release();
}

void WorldBranch::takeNode(const std::string &parent, LevelNode *node)
{
    if (parent.empty()) {
        if (m_root) {
            throw LogicException(InfoText("there is a one root node already")
                    .addValue("root", m_root->getCodename())
                    .addValue("new_node", node->getCodename()));
        }
        m_root = node;
        return;
    }
    if (!m_root) {
        LOG_WARNING(InfoText("root node should have empty parent")
                .addValue("parent", parent)
                .addValue("new_node", node->getCodename()));
        m_root = node;
        return;
    }
    LevelNode *parentNode = m_root->findNamed(parent);
    if (!parentNode) {
        throw LogicException(InfoText("there is no such parent node")
                .addValue("parent", parent)
                .addValue("new_node", node->getCodename()));
    }
    parentNode->addAdjacent(node);
}

void WorldBranch::setEnding(const std::string &codename, const std::string &datafile,
        const std::string &poster)
{
    delete m_ending;
    m_ending = nullptr;
    m_ending = new LevelNode(codename, Path::dataReadPath(datafile), V2(-1, -1), poster);
    m_ending->setState(isSolved(codename) ? LevelNode::STATE_SOLVED : LevelNode::STATE_OPEN);
    m_ending->setDepth(-1);
}

void WorldBranch::bestSolution(const std::string &codename, int moves, const std::string &author)
{
    LevelNode *node = m_root ? m_root->findNamed(codename) : nullptr;
    if (!node) {
        throw LogicException(InfoText("there is no such node")
                .addValue("codename", codename)
                .addValue("moves", moves)
                .addValue("author", author));
    }
    node->bestSolution(moves, author);
}
