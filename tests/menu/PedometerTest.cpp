#include "MenuEnv.h"

#include "menu/LevelNode.h"
#include "menu/Pedometer.h"
#include "menu/SolverDrawer.h"
#include "menu/WorldMap.h"

#include "level/Level.h"
#include "level/LevelStatus.h"
#include "widget/WiPara.h"

#include "effect/Font.h"
#include "effect/LayeredPicture.h"
#include "effect/Picture.h"
#include "gengine/KeyStroke.h"
#include "gengine/MouseStroke.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "plan/StateInput.h"
#include "plan/StateManager.h"

#include <memory>
#include <string>

namespace {

const char *const MAP = R"(
worldmap_addDesc("menu", "en", "Menu", "Tide map")
worldmap_addDesc("root", "en", "First cave", "the first")
worldmap_addDesc("root", "cs", "Prvni jeskyne", "prvni")
branch_addNode("", "root", "levels/root.lua", 10, 20, false, "script/poster.lua")
node_bestSolution("root", 5, "Ann")
)";

const char *const LABELS = R"(
label_text("solver_better", "en", "Better")
label_text("solver_equals", "en", "As good as %2, %1 moves")
label_text("solver_worse", "en", "Worse than the %1 moves of %2, far worse")
)";

// The rack's buttons, in screen pixels (the rack lies at 193, 141).
const int RUN_X = 193 + 86, REPLAY_X = 193 + 128, CANCEL_X = 193 + 170, BUTTON_Y = 141 + 100;
// numbers.png: cells 2 pixels wide, 4 high; the cell of digit d is red 20 x d.
const int CELL_W = 2, CELL_H = 4;

GameState *g_poster = nullptr;

GameState *makePoster(const Path &)
{
    g_poster = new BottomState();
    return g_poster;
}

class PedometerTest : public MenuEnv {
    protected:
        WorldMap *m_map = nullptr;

        virtual void SetUp()
        {
            MenuEnv::SetUp();
            // A map as large as the screen, so the texts land on it.
            writePicture("images/menu/map.png", 320, 240, 0x000040);
            writePicture("images/menu/pedometer.png", 256, 140, 0x404040);
            writePicture("images/menu/pedometer_lower.png", 256, 140, 0x808080);
            writeRackMask();
            writeNumbers();
            writeData("script/labels.lua", LABELS);
            writeData("levels/root.lua", R"(
file_include("script/level_lib.lua")
lib.createRoom{map = {"#.#", "#s#", "###"},
    legend = {["#"] = {kind = "item_fixed"}, s = {kind = "fish_small"}}}
)");
        }
        void writeRackMask() const
        {
            SDL_Surface *mask = SDL_CreateRGBSurface(SDL_SWSURFACE, 256, 140, 32,
                    0xff0000, 0x00ff00, 0x0000ff, 0);
            SDL_FillRect(mask, nullptr, 0);
            const int xs[3] = {86, 128, 170};
            for (int i = 0; i < 3; ++i) {
                SDL_Rect rect = {static_cast<Sint16>(xs[i] - 5), 95, 10, 10};
                SDL_FillRect(mask, &rect, 0x100000 * (i + 1));
            }
            EXPECT_EQ(0, SDL_SaveBMP(mask, (systemDir() + "/images/menu/pedometer_mask.png").c_str()));
            SDL_FreeSurface(mask);
        }
        void writeNumbers() const
        {
            SDL_Surface *numbers = SDL_CreateRGBSurface(SDL_SWSURFACE, CELL_W, 10 * CELL_H, 32,
                    0xff0000, 0x00ff00, 0x0000ff, 0);
            for (int cell = 0; cell < 10; ++cell) {
                SDL_Rect rect = {0, static_cast<Sint16>(cell * CELL_H), CELL_W, CELL_H};
                SDL_FillRect(numbers, &rect, static_cast<Uint32>(20 * (9 - cell)) << 16);
            }
            EXPECT_EQ(0, SDL_SaveBMP(numbers, (systemDir() + "/images/menu/numbers.png").c_str()));
            SDL_FreeSurface(numbers);
        }
        /** The map with the solved root selected and Return pressed: the pedometer on top. */
        Pedometer *openPedometer(const std::string &moves)
        {
            writeSolved("root", moves);
            if (!m_map) {
                m_map = pushMap(MAP);
            }
            // The selection follows mouse moves only.
            moveMouse(-1, -1);
            cycle();
            moveMouse(10, 20);
            cycle();
            m_manager->top()->getInput()->keyEvent(KeyStroke(SDLK_RETURN, KMOD_NONE));
            Pedometer *pedometer = dynamic_cast<Pedometer *>(m_manager->top());
            EXPECT_NE(nullptr, pedometer);
            return pedometer;
        }
        void click(int x, int y)
        {
            moveMouse(x, y);
            cycle();
            SDL_MouseButtonEvent event = {};
            event.type = SDL_MOUSEBUTTONDOWN;
            event.button = SDL_BUTTON_LEFT;
            event.x = static_cast<Uint16>(x);
            event.y = static_cast<Uint16>(y);
            m_manager->top()->getInput()->mouseEvent(MouseStroke(event));
        }
        static std::string counterOf(SDL_Surface *screen)
        {
            std::string digits;
            for (int i = 0; i < 5; ++i) {
                digits += static_cast<char>('0' + (pixelAt(screen, 275 + i * CELL_W, 177) >> 16) / 20);
            }
            return digits;
        }
        static unsigned long rowSum(const Picture *picture, int y0, int y1)
        {
            unsigned long sum = 0;
            for (int y = y0; y < y1; ++y) {
                for (int x = 0; x < picture->getW(); ++x) {
                    sum = sum * 31 + pixelAt(picture->getSurface(), x, y);
                }
            }
            return sum;
        }
};

}

TEST_F(PedometerTest, ASolvedLevelOpensThePedometerWithTheStoredSolution)
{
    Pedometer *pedometer = openPedometer("rrrr");
    ASSERT_NE(nullptr, pedometer);
    EXPECT_EQ("rrrr", pedometer->getSolution());
    EXPECT_STREQ("state_pedometer", pedometer->getName());
}

TEST_F(PedometerTest, CounterRollsUpFromZeroAndLeadingDigitsStayOnZero)
{
    std::string moves(123, 'r');
    Pedometer *pedometer = openPedometer(moves);
    ASSERT_NE(nullptr, pedometer);
    SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 320, 240, 32,
            0xff0000, 0x00ff00, 0x0000ff, 0);
    std::vector<std::string> frames;
    for (int i = 0; i < 3; ++i) {
        pedometer->drawOn(screen);
        frames.push_back(counterOf(screen));
    }
    // Cells are 4 high, the roll 8 pixels a digit drawn, units first: in
    // the first frame the units still show 0 while the higher digits are there.
    EXPECT_EQ("00120", frames[0]);
    EXPECT_EQ("00123", frames[1]);
    EXPECT_EQ("00123", frames[2]);
    for (int i = 0; i < 1000; ++i) {
        pedometer->drawOn(screen);
    }
    EXPECT_EQ("00123", counterOf(screen));
    SDL_FreeSurface(screen);
}

TEST_F(PedometerTest, ComparisonLabelFollowsTheBestKnownSolution)
{
    struct Case {
        long long own;
        int best;
        const char *label;
    };
    const Case cases[] = {
        {10, -1, "solver_better"}, {10, 0, "solver_better"}, {4, 5, "solver_better"},
        {5, 5, "solver_equals"}, {6, 5, "solver_worse"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.label, SolverDrawer::labelName(c.own, c.best)) << c.own << " vs " << c.best;
    }

    // The paragraph holds the formatted label.
    Font font(Path::dataReadPath("font/font_menu.ttf"), 14);
    const SDL_Color white = {255, 255, 255, 255};
    struct Text {
        const char *moves;
        const char *text;
    };
    const Text texts[] = {
        {"rrrrr", "As good as Ann, 5 moves"},
        {"rrrrrr", "Worse than the 5 moves of Ann, far worse"},
        {"rrrr", "Better"},
    };
    for (const Text &t : texts) {
        writeSolved("root", t.moves);
        m_status->prepareRun("root", "", 5, "Ann");
        SolverDrawer solver(m_status.get());
        EXPECT_EQ(WiPara(t.text, font, white).getW(), solver.getW()) << t.text;
        EXPECT_TRUE(solver.isCentered());
    }
}

TEST_F(PedometerTest, ButtonsPlayReplayOrGoBack)
{
    Pedometer *pedometer = openPedometer("rr");
    click(CANCEL_X, BUTTON_Y);
    cycle();
    EXPECT_EQ(m_map, m_manager->top()) << "cancel";

    pedometer = openPedometer("rr");
    click(10, 10);
    cycle();
    EXPECT_EQ(m_map, m_manager->top()) << "outside the buttons";

    pedometer = openPedometer("rr");
    ASSERT_NE(nullptr, pedometer);
    click(REPLAY_X, BUTTON_Y);
    Level *level = dynamic_cast<Level *>(m_manager->top());
    ASSERT_NE(nullptr, level) << "replay";
    EXPECT_TRUE(level->isLoading());
    level->quitState();
    cycle();

    LevelStatus::setDemoMaker(makePoster);
    pedometer = openPedometer("rr");
    moveMouse(RUN_X, BUTTON_Y);
    cycle();
    EXPECT_EQ(pedometer->getRack()->getActiveMask(), pedometer->getActiveMask());
    click(RUN_X, BUTTON_Y);
    LevelStatus::setDemoMaker(nullptr);
    ASSERT_EQ(g_poster, m_manager->top()) << "the poster comes first";
    g_poster->quitState();
    cycle();
    level = dynamic_cast<Level *>(m_manager->top());
    ASSERT_NE(nullptr, level);
    EXPECT_EQ("root", level->getCodename());
    EXPECT_FALSE(level->isLoading());
}

TEST_F(PedometerTest, LanguageChangeRepaintsTheLevelName)
{
    Pedometer *pedometer = openPedometer("rr");
    ASSERT_NE(nullptr, pedometer);
    unsigned long english = rowSum(pedometer->getBg(), 190, 215);
    OptionAgent::instance()->setParam("lang", "cs");
    EXPECT_NE(english, rowSum(pedometer->getBg(), 190, 215));
    OptionAgent::instance()->setParam("lang", "en");
    EXPECT_EQ(english, rowSum(pedometer->getBg(), 190, 215));
    OptionAgent::instance()->setParam("speech", "cs");
}
