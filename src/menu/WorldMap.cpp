#include "menu/WorldMap.h"

#include "menu/LevelDesc.h"
#include "menu/DemoMode.h"
#include "menu/LevelNode.h"
#include "menu/MenuOptions.h"
#include "menu/NodeDrawer.h"
#include "menu/Pedometer.h"
#include "menu/PosterScroller.h"
#include "menu/WorldBranch.h"
#include "menu/WorldInput.h"

#include "level/Level.h"
#include "level/LevelStatus.h"

#include "effect/LayeredPicture.h"
#include "gengine/BaseException.h"
#include "gengine/Log.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ResDialogPack.h"
#include "gengine/SoundAgent.h"
#include "gengine/VideoAgent.h"

#include <algorithm>
#include <memory>

WorldMap::WorldMap()
    : m_lastMouse(-1, -1), m_startNode(nullptr), m_ending(nullptr), m_selected(nullptr),
    m_drawer(nullptr), m_descPack(nullptr), m_levelStatus(nullptr), m_bg(nullptr),
    m_activeMask(LayeredPicture::MASK_NO)
{
    std::unique_ptr<LayeredPicture> bg(new LayeredPicture(
                Path::dataReadPath("images/menu/map.png"), V2(0, 0),
                Path::dataReadPath("images/menu/map_lower.png"),
                Path::dataReadPath("images/menu/map_mask.png")));
    int right = bg->getW() - 1;
    int bottom = bg->getH() - 1;
    m_maskIntro = bg->getMaskAt(V2(0, 0));
    m_maskExit = bg->getMaskAt(V2(right, 0));
    m_maskCredits = bg->getMaskAt(V2(0, bottom));
    m_maskOptions = bg->getMaskAt(V2(right, bottom));
    m_drawer = new NodeDrawer();
    m_bg = bg.release();
    m_descPack = new ResDialogPack();
    m_levelStatus = new LevelStatus();

    takeHandler(new WorldInput(this));
    registerDrawable(m_bg);
    registerDrawable(this);
}

WorldMap::~WorldMap()
{
    delete m_startNode;
    delete m_ending;
    delete m_bg;
    m_descPack->removeAll();
    delete m_descPack;
    delete m_drawer;
    delete m_levelStatus;
}

void WorldMap::initMap(const Path &file)
{
    WorldBranch branch;
    LevelNode *root = branch.parseMap(file, &m_ending, m_descPack);
    if (!root) {
        throw LogicException(InfoText("cannot create world map")
                .addValue("file", file.getNative()));
    }
    delete m_startNode;
    m_startNode = root;
    m_selected = nullptr;
}

void WorldMap::ownInitState()
{
    // So that the first resume sets up the screen as after a level.
    m_levelStatus->setRunning();
    ownResumeState();
}

LevelNode *WorldMap::noteLevelRun()
{
    LevelNode *next = nullptr;
    if (m_levelStatus->isComplete() && m_selected) {
        m_selected->setState(LevelNode::STATE_SOLVED);
        if (m_ending && m_ending != m_selected && m_selected->getChildren().empty()
                && m_startNode && m_startNode->areAllSolved()) {
            next = m_ending;
        }
    }
    m_levelStatus->clearRunning();
    return next;
}

void WorldMap::prepareScreen()
{
    OptionAgent *options = OptionAgent::instance();
    options->setParam("caption", findDesc("menu"));
    options->setParam("screen_width", m_bg->getW());
    options->setParam("screen_height", m_bg->getH());
    VideoAgent::instance()->initVideoMode();
}

void WorldMap::ownResumeState()
{
    LevelNode *next = nullptr;
    if (m_levelStatus->wasRunning()) {
        next = noteLevelRun();
        prepareScreen();
    }
    m_selected = next;
    SoundAgent::instance()->playMusic(Path::dataReadPath("music/menu.ogg"), nullptr);
}

void WorldMap::ownUpdateState()
{
    if (m_ending && m_selected == m_ending) {
        runSelected();
    } else {
        watchCursor();
    }
}

void WorldMap::ownCleanState()
{
    SoundAgent::instance()->stopMusic();
}

void WorldMap::watchCursor()
{
    if (!m_startNode) {
        return;
    }
    V2 mouse = getInput()->getMouseLoc();
    if (mouse.getX() != m_lastMouse.getX() || mouse.getY() != m_lastMouse.getY()) {
        m_lastMouse = mouse;
        m_selected = m_startNode->findSelected(mouse);
    }
    m_activeMask = m_bg->getMaskAtWorld(mouse);
    if (m_activeMask == m_maskIntro || m_activeMask == m_maskExit
            || m_activeMask == m_maskCredits || m_activeMask == m_maskOptions) {
        m_bg->setActiveMask(m_activeMask);
    } else {
        m_bg->setNoActive();
    }
}

void WorldMap::selectNextLevel()
{
    if (!m_startNode) {
        m_selected = nullptr;
        return;
    }
    LevelNode::t_children open = m_startNode->collectOpen();
    if (open.empty()) {
        m_selected = nullptr;
        return;
    }
    LevelNode::t_children::iterator it = std::find(open.begin(), open.end(), m_selected);
    if (it == open.end() || it + 1 == open.end()) {
        m_selected = open.front();
    } else {
        m_selected = *(it + 1);
    }
}

void WorldMap::runSelected()
{
    if (m_selected) {
        runNode(m_selected);
    } else {
        runButton();
    }
}

void WorldMap::runNode(LevelNode *node)
{
    std::unique_ptr<Level> level(node->createLevel());
    level->fillDesc(this);
    m_levelStatus->prepareRun(node->getCodename(), node->getPoster(),
            node->getBestMoves(), node->getBestAuthor());
    level->fillStatus(m_levelStatus);
    if (node->getState() == LevelNode::STATE_SOLVED) {
        // The pedometer takes the level over once it is built.
        GameState *pedometer = new Pedometer(m_levelStatus, level.get());
        level.release();
        pushState(pedometer);
    } else {
        pushState(level.release());
    }
}

void WorldMap::runButton()
{
    GameState *made = nullptr;
    if (m_activeMask == LayeredPicture::MASK_NO) {
        return;
    } else if (m_activeMask == m_maskIntro) {
        made = new DemoMode(Path::dataReadPath("script/share/demo_intro.lua"));
    } else if (m_activeMask == m_maskExit) {
        quitState();
        return;
    } else if (m_activeMask == m_maskCredits) {
        made = new PosterScroller(Path::dataReadPath("images/menu/credits.png"));
    } else if (m_activeMask == m_maskOptions) {
        made = MenuOptions::createState();
    }
    if (made) {
        pushState(made);
    }
}

std::string WorldMap::findLevelName(const std::string &codename) const
{
    // A level without any description is named by its code name; asked for
    // every frame while it is selected, so without a warning.
    if (m_descPack->countRes(codename) == 0) {
        return codename;
    }
    const LevelDesc *desc = dynamic_cast<const LevelDesc *>(m_descPack->findDialogHard(codename));
    return desc ? desc->getLevelName() : codename;
}

std::string WorldMap::findDesc(const std::string &codename) const
{
    if (m_descPack->countRes(codename) == 0) {
        return "???";
    }
    const LevelDesc *desc = dynamic_cast<const LevelDesc *>(m_descPack->findDialogHard(codename));
    return desc ? desc->getDesc() : "???";
}

void WorldMap::drawOn(SDL_Surface *screen)
{
    if (!m_startNode) {
        return;
    }
    m_drawer->setScreen(screen);
    m_startNode->drawPath(m_drawer);
    if (m_selected) {
        m_drawer->drawSelect(m_selected->getLoc());
        m_drawer->drawSelected(findLevelName(m_selected->getCodename()));
    }
}
