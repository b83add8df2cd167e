#include "MenuEnv.h"

#include "menu/LevelNode.h"
#include "menu/WorldBranch.h"
#include "menu/WorldMap.h"

#include "level/Level.h"
#include "level/LevelStatus.h"

#include "effect/LayeredPicture.h"

#include "../gengine/TestSupport.h"
#include "gengine/KeyStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/ResDialogPack.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// A root, an open child and a hidden child with a child of its own.
const char *const TREE = R"(
worldmap_addDesc("menu", "en", "Menu", "Tide map")
worldmap_addDesc("root", "en", "First cave", "the first")
worldmap_addDesc("root", "cs", "Prvni jeskyne", "prvni")
branch_addNode("", "root", "levels/root.lua", 10, 20, false)
branch_addNode("root", "left", "levels/left.lua", 30, 10, false)
branch_addNode("root", "deep", "levels/deep.lua", 30, 30, true)
branch_addNode("deep", "deeper", "levels/deeper.lua", 50, 30, false, "script/poster.lua")
node_bestSolution("deeper", 12, "Ann")
)";

const char *const CALM_LEVEL = R"(
file_include("script/level_lib.lua")
lib.createRoom{map = {"###"}, legend = {["#"] = {kind = "item_fixed"}}}
)";

const LevelNode *child(const LevelNode *node, int index)
{
    return node->getChildren().at(index);
}

std::vector<std::string> names(const std::vector<LevelNode *> &nodes)
{
    std::vector<std::string> result;
    for (const LevelNode *node : nodes) {
        result.push_back(node->getCodename());
    }
    return result;
}

class WorldMapTest : public MenuEnv {
    protected:
        void press(SDLKey key)
        {
            m_manager->top()->getInput()->keyEvent(KeyStroke(key, KMOD_NONE));
        }
        /** Cycles until the level on top has left and the map is back, not yet updated. */
        void playUntilBack(WorldMap *map)
        {
            for (int i = 0; i < 40 && m_manager->top() != map; ++i) {
                cycle();
            }
            ASSERT_EQ(map, m_manager->top());
            moveMouse(-1, -1);
        }
        const Level *topLevel() const
        {
            return dynamic_cast<const Level *>(m_manager->top());
        }
};

}

TEST_F(WorldMapTest, RootIsOpenChildrenFarOrHiddenUntilTheRootIsSolved)
{
    std::unique_ptr<WorldMap> map(createMap(TREE));
    const LevelNode *root = map->getStartNode();
    EXPECT_EQ(LevelNode::STATE_OPEN, root->getState());
    EXPECT_EQ(LevelNode::STATE_FAR, child(root, 0)->getState());
    EXPECT_EQ(LevelNode::STATE_HIDDEN, child(root, 1)->getState());
    EXPECT_EQ(LevelNode::STATE_FAR, child(child(root, 1), 0)->getState());
    EXPECT_EQ(3, child(child(root, 1), 0)->getDepth());
    EXPECT_EQ(12, child(child(root, 1), 0)->getBestMoves());
    EXPECT_EQ("Ann", child(child(root, 1), 0)->getBestAuthor());
    EXPECT_EQ("script/poster.lua", child(child(root, 1), 0)->getPoster());

    writeSolved("root", "rr");
    map.reset(createMap(TREE));
    root = map->getStartNode();
    EXPECT_EQ(LevelNode::STATE_SOLVED, root->getState());
    EXPECT_EQ(LevelNode::STATE_OPEN, child(root, 0)->getState());
    EXPECT_EQ(LevelNode::STATE_OPEN, child(root, 1)->getState());
    EXPECT_EQ(LevelNode::STATE_FAR, child(child(root, 1), 0)->getState());
}

TEST_F(WorldMapTest, HiddenSubtreeAndItsLineAreNotDrawnUntilTheParentIsSolved)
{
    SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, MAP_W, MAP_H, 32,
            0xff0000, 0x00ff00, 0x0000ff, 0);
    ASSERT_NE(nullptr, screen);
    auto draw = [&](WorldMap *map) {
        SDL_FillRect(screen, nullptr, 0);
        map->drawOn(screen);
    };
    auto isYellow = [](Uint32 rgb) { return (rgb >> 16) > 0x80 && ((rgb >> 8) & 0xff) > 0x80; };

    std::unique_ptr<WorldMap> map(createMap(TREE));
    draw(map.get());
    EXPECT_EQ(0x0000ffu, pixelAt(screen, 10, 20) | 0x3) << "open root pulses in blue";
    EXPECT_EQ(0xff0000u, pixelAt(screen, 30, 10)) << "far child";
    EXPECT_TRUE(isYellow(pixelAt(screen, 20, 15))) << "line to the far child";
    EXPECT_EQ(0u, pixelAt(screen, 30, 30)) << "hidden child";
    EXPECT_EQ(0u, pixelAt(screen, 20, 25)) << "line to the hidden child";
    EXPECT_EQ(0u, pixelAt(screen, 50, 30)) << "child of the hidden child";

    writeSolved("root", "rr");
    map.reset(createMap(TREE));
    draw(map.get());
    EXPECT_EQ(0x00ff00u, pixelAt(screen, 10, 20)) << "solved root";
    EXPECT_EQ(0x0000ffu, pixelAt(screen, 30, 30) | 0x3) << "opened child";
    EXPECT_TRUE(isYellow(pixelAt(screen, 20, 25)));
    EXPECT_EQ(0xff0000u, pixelAt(screen, 50, 30));
    SDL_FreeSurface(screen);
}

TEST_F(WorldMapTest, MouseSelectsOpenNodesWithinThirteenPixels)
{
    WorldMap *map = pushMap(TREE);
    struct Case {
        int x, y;
        const char *selected;
    };
    const Case cases[] = {
        {10, 20, "root"}, {22, 20, "root"}, {23, 20, ""}, {15, 32, ""},
        {10, 8, "root"}, {30, 10, ""} /* far */, {30, 30, ""} /* hidden */,
    };
    for (const Case &c : cases) {
        moveMouse(c.x, c.y);
        cycle();
        const LevelNode *selected = map->getSelected();
        EXPECT_EQ(c.selected, selected ? selected->getCodename() : "") << c.x << "," << c.y;
    }
}

TEST_F(WorldMapTest, TabWalksTheOpenNodesDepthFirstAndKeepsItUntilTheMouseMoves)
{
    writeSolved("root", "rr");
    writeSolved("left", "ll");
    writeData("script/worldmap.lua", std::string(TREE)
            + "branch_addNode('left', 'far_left', 'levels/x.lua', 40, 5, false)\n");
    std::unique_ptr<WorldMap> probe(new WorldMap());
    probe->initMap(Path::dataReadPath("script/worldmap.lua"));
    LevelNode *root = const_cast<LevelNode *>(probe->getStartNode());
    EXPECT_EQ((std::vector<std::string>{"far_left", "deep"}), names(root->collectOpen()));
    probe.reset();

    WorldMap *map = createMap(std::string(TREE)
            + "branch_addNode('left', 'far_left', 'levels/x.lua', 40, 5, false)\n");
    m_bottom->pushState(map);
    moveMouse(1, 1);
    cycle();
    std::vector<std::string> walked;
    for (int i = 0; i < 3; ++i) {
        press(SDLK_TAB);
        cycle();
        walked.push_back(map->getSelected()->getCodename());
    }
    EXPECT_EQ((std::vector<std::string>{"far_left", "deep", "far_left"}), walked);
    moveMouse(2, 1);
    cycle();
    EXPECT_EQ(nullptr, map->getSelected());
}

TEST_F(WorldMapTest, ReturnStartsTheLevelWithItsDepthAndEscapeComesBackToTheMap)
{
    writeData("levels/root.lua", CALM_LEVEL);
    WorldMap *map = pushMap(TREE);
    EXPECT_EQ("Tide map", OptionAgent::instance()->getParam("caption"));
    EXPECT_EQ(MAP_W, OptionAgent::instance()->getInt("screen_width", 0));
    EXPECT_EQ(MAP_H, OptionAgent::instance()->getInt("screen_height", 0));

    press(SDLK_TAB);
    press(SDLK_RETURN);
    ASSERT_NE(nullptr, topLevel());
    EXPECT_EQ("root", topLevel()->getCodename());
    EXPECT_EQ(1, topLevel()->getDepth());
    EXPECT_EQ("root", map->getLevelStatus()->getCodename());
    cycle();
    press(SDLK_ESCAPE);
    cycle();
    EXPECT_EQ(map, m_manager->top());
    EXPECT_EQ(nullptr, map->getSelected());
    EXPECT_EQ(LevelNode::STATE_OPEN, map->getStartNode()->getState());
    EXPECT_EQ("Tide map", OptionAgent::instance()->getParam("caption"));
}

TEST_F(WorldMapTest, SolvingALevelOpensItsChildren)
{
    writeData("levels/root.lua", CALM_LEVEL);
    WorldMap *map = pushMap(TREE);
    press(SDLK_TAB);
    press(SDLK_RETURN);
    playUntilBack(map);
    EXPECT_EQ(LevelNode::STATE_SOLVED, map->getStartNode()->getState());
    EXPECT_EQ(LevelNode::STATE_OPEN, child(map->getStartNode(), 1)->getState());
    EXPECT_TRUE(std::filesystem::exists(userDir() + "/solved/root.lua"));
}

TEST_F(WorldMapTest, TheEndingStartsByItselfAfterTheLastLeafIsSolved)
{
    const std::string script = R"(
worldmap_addDesc("menu", "en", "Menu", "Tide map")
branch_addNode("", "root", "levels/root.lua", 10, 20, false)
branch_addNode("root", "a", "levels/a.lua", 30, 10, false)
branch_addNode("root", "b", "levels/b.lua", 30, 30, false)
branch_setEnding("finale", "levels/finale.lua")
)";
    writeSolved("root", "rr");
    writeData("levels/a.lua", CALM_LEVEL);
    writeData("levels/b.lua", CALM_LEVEL);
    writeData("levels/finale.lua", CALM_LEVEL);
    WorldMap *map = pushMap(script);
    EXPECT_EQ(-1, map->getEnding()->getDepth());
    EXPECT_EQ(LevelNode::STATE_OPEN, map->getEnding()->getState());

    // Solving a while b is open does not end the game.
    EXPECT_EQ(nullptr, map->getSelected());
    EXPECT_EQ(LevelNode::STATE_OPEN, child(map->getStartNode(), 0)->getState());
    press(SDLK_TAB);
    ASSERT_EQ("a", map->getSelected()->getCodename());
    press(SDLK_RETURN);
    ASSERT_NE(nullptr, topLevel());
    EXPECT_EQ("a", topLevel()->getCodename());
    playUntilBack(map);
    EXPECT_EQ(nullptr, map->getSelected());
    EXPECT_EQ(LevelNode::STATE_SOLVED, child(map->getStartNode(), 0)->getState());
    cycle();
    EXPECT_EQ(map, m_manager->top());

    press(SDLK_TAB);
    ASSERT_EQ("b", map->getSelected()->getCodename());
    press(SDLK_RETURN);
    playUntilBack(map);
    EXPECT_EQ(map->getEnding(), map->getSelected());
    cycle();
    ASSERT_NE(nullptr, topLevel());
    EXPECT_EQ("finale", topLevel()->getCodename());
    EXPECT_EQ(-1, topLevel()->getDepth());
}

TEST_F(WorldMapTest, CornersOfTheMaskAreTheExitAndIntroButtons)
{
    writeData("script/share/demo_intro.lua", "");
    WorldMap *map = pushMap(TREE);
    moveMouse(0, 0);
    cycle();
    press(SDLK_RETURN);
    EXPECT_STREQ("state_demo", m_manager->top()->getName());
    m_manager->top()->quitState();
    cycle();
    ASSERT_EQ(map, m_manager->top());

    moveMouse(20, 0);
    cycle();
    press(SDLK_RETURN);
    EXPECT_EQ(map, m_manager->top()) << "not a button";

    moveMouse(MAP_W - 1, 0);
    cycle();
    EXPECT_NE(LayeredPicture::MASK_NO, map->getActiveMask());
    press(SDLK_RETURN);
    EXPECT_EQ(m_bottom, m_manager->top()) << "the exit corner quits the map";
}

TEST_F(WorldMapTest, DescriptionsFollowTheLanguageAndFallBack)
{
    std::unique_ptr<WorldMap> map(createMap(TREE));
    EXPECT_EQ("First cave", map->findLevelName("root"));
    EXPECT_EQ("the first", map->findDesc("root"));
    OptionAgent::instance()->setParam("lang", "cs");
    EXPECT_EQ("Prvni jeskyne", map->findLevelName("root"));
    EXPECT_EQ("Tide map", map->findDesc("menu"));
    EXPECT_EQ("left", map->findLevelName("left"));
    EXPECT_EQ("???", map->findDesc("left"));
}

TEST_F(WorldMapTest, BadMapScriptsAreRefused)
{
    struct Case {
        const char *script;
        const char *error;
    };
    const Case cases[] = {
        {"branch_addNode('', 'a', 'a.lua', 1, 1, false)\nbranch_addNode('', 'b', 'b.lua', 1, 1, false)",
            "there is a one root node already; root='a'; new_node='b'"},
        {"branch_addNode('', 'a', 'a.lua', 1, 1, false)\nbranch_addNode('x', 'b', 'b.lua', 1, 1, false)",
            "there is no such parent node; parent='x'; new_node='b'"},
        {"branch_addNode('', 'a', 'a.lua', 1, 1, false)\nnode_bestSolution('b', 3, 'Bo')",
            "there is no such node; codename='b'; moves=3; author='Bo'"},
        {"worldmap_addDesc('menu', 'en', 'Menu', 'Map')", "cannot create world map"},
        {"branch_addNode('', 'a', 'a.lua', 1e300, 1, false)", "number out of range"},
        {"branch_addNode('', 'a', 'a.lua', 1, 1)\nnode_bestSolution('a', 'many', 'Bo')", "number expected"},
        {"branch_setEnding('end')", "string expected"},
    };
    for (const Case &c : cases) {
        std::string error;
        try {
            std::unique_ptr<WorldMap> map(createMap(c.script));
        } catch (const std::exception &e) {
            error = e.what();
        }
        EXPECT_TRUE(testsupport::contains(error, c.error)) << c.script << "\n" << error;
    }
}

TEST_F(WorldMapTest, BranchWarnsOfARootWithParentAndRefusesAnEndingWithoutPlace)
{
    writeData("script/map.lua", "branch_addNode('up', 'a', 'a.lua', 1, 1, false)\n"
            "branch_addNode('a', 'b', 'b.lua', 2, 2, false)\n"
            "branch_setEnding('end', 'end.lua')\n");
    ResDialogPack pack;
    std::unique_ptr<LevelNode> root;
    LevelNode *ending = nullptr;
    std::string log = testsupport::captureLog([&]() {
        WorldBranch branch;
        root.reset(branch.parseMap(Path::dataReadPath("script/map.lua"), &ending, &pack));
    });
    std::unique_ptr<LevelNode> endingOwner(ending);
    ASSERT_NE(nullptr, root);
    EXPECT_EQ("a", root->getCodename());
    EXPECT_EQ(1u, root->getChildren().size());
    ASSERT_NE(nullptr, ending);
    EXPECT_EQ("end", ending->getCodename());
    EXPECT_TRUE(testsupport::contains(log,
            "src/menu/WorldBranch:")) << log;
    EXPECT_TRUE(testsupport::contains(log,
            "root node should have empty parent; parent='up'; new_node='a'")) << log;

    WorldBranch branch;
    try {
        branch.parseMap(Path::dataReadPath("script/map.lua"), nullptr, &pack);
        ADD_FAILURE() << "no error";
    } catch (const std::exception &e) {
        EXPECT_TRUE(testsupport::contains(e.what(), "cannot export ending node; ending='end'"))
            << e.what();
    }
    try {
        WorldBranch outside;
        outside.doString("worldmap_addDesc('a', 'en', 'A', 'aa')");
        ADD_FAILURE() << "no error";
    } catch (const std::exception &e) {
        EXPECT_TRUE(testsupport::contains(e.what(), "cannot export level description; codename='a'"))
            << e.what();
    }
    pack.removeAll();
}

TEST_F(WorldMapTest, CodenamesThatLeaveTheSolutionFolderAreNeverSolved)
{
    std::filesystem::create_directories(userDir() + "/solved");
    writeSolved("x", "r");
    EXPECT_TRUE(WorldBranch::isSolved("x"));
    EXPECT_FALSE(WorldBranch::isSolved("../solved/x"));
    EXPECT_FALSE(WorldBranch::isSolved("y"));
}
