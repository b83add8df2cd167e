#include "plan/AgentFixture.h"

#include "plan/SubTitleAgent.h"
#include "plan/Title.h"
#include "gengine/BaseException.h"
#include "gengine/OptionAgent.h"

#include "SDL.h"

#include <string>

namespace {

const int SCREEN_H = 480;

class SubTitleAgentTest : public AgentFixture {
    protected:
        SubTitleAgent *m_agent = nullptr;

        virtual void SetUp()
        {
            AgentFixture::SetUp();
            OptionAgent::instance()->setParam("screen_width", 800);
            OptionAgent::instance()->setParam("screen_height", SCREEN_H);
            m_agent = SubTitleAgent::instance();
            SDL_Color white = {255, 255, 255, 255};
            m_agent->addFont("white", white);
        }
        void update(int times = 1)
        {
            for (int i = 0; i < times; ++i) {
                m_agent->update();
            }
        }
        /** Whether drawing the lines changes any pixel of a black surface. */
        bool drawsSomething()
        {
            SDL_Surface *screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, SCREEN_H, 32,
                    0xff0000, 0xff00, 0xff, 0);
            SDL_FillRect(screen, nullptr, 0);
            m_agent->drawOn(screen);
            bool changed = false;
            SDL_LockSurface(screen);
            const Uint32 *pixels = static_cast<const Uint32 *>(screen->pixels);
            for (int i = 0; i < screen->pitch / 4 * screen->h && !changed; ++i) {
                changed = pixels[i] != 0;
            }
            SDL_UnlockSurface(screen);
            SDL_FreeSurface(screen);
            return changed;
        }
};

TEST_F(SubTitleAgentTest, FirstLineRisesTwoPixelsAnUpdateTo46)
{
    m_agent->newSubtitle("0123456789", "white");
    ASSERT_EQ(1, m_agent->countTitles());
    const Title *title = m_agent->getTitle(0);
    EXPECT_EQ(20, title->getY());
    EXPECT_EQ(40, title->getMinTime());
    for (int update = 1; update <= 15; ++update) {
        m_agent->update();
        EXPECT_EQ(std::min(20 + 2 * update, 46), title->getY()) << "update " << update;
    }
}

TEST_F(SubTitleAgentTest, SecondLineStartsBelowTheEdgeWithABonusAndPushesTheFirst)
{
    m_agent->newSubtitle("0123456789", "white");
    m_agent->newSubtitle("abcdefghij", "white");
    ASSERT_EQ(2, m_agent->countTitles());
    const Title *first = m_agent->getTitle(0);
    const Title *second = m_agent->getTitle(1);
    EXPECT_EQ(-6, second->getY());
    EXPECT_EQ(40 + 13, second->getMinTime());
    EXPECT_EQ(SCREEN_H - 72, first->getFinalY());
    EXPECT_EQ(SCREEN_H - 46, second->getFinalY());
    update(26);
    EXPECT_EQ(72, first->getY());
    EXPECT_EQ(46, second->getY());

    // A third line once the second has risen starts at the bottom again.
    m_agent->newSubtitle("third", "white");
    EXPECT_EQ(20, m_agent->getTitle(2)->getY());
    EXPECT_EQ(SCREEN_H - 98, first->getFinalY());
}

TEST_F(SubTitleAgentTest, OldestLineLeavesWhenItsTimeIsOver)
{
    struct Case { std::string text; int lastUpdate; };
    const Case cases[] = {
        {"0123456789", 41},
        {std::string(30, 'x'), 61},
        {"\xc5\xbe\xc5\xbe\xc5\xbe", 41},
    };
    for (const Case &c : cases) {
        m_agent->newSubtitle(c.text, "white");
        update(c.lastUpdate - 1);
        EXPECT_EQ(1, m_agent->countTitles()) << c.text;
        update();
        EXPECT_EQ(0, m_agent->countTitles()) << c.text;
    }
}

TEST_F(SubTitleAgentTest, NewerLineThatIsGoneWaitsForTheOlderOne)
{
    m_agent->newSubtitle(std::string(30, 'x'), "white");
    m_agent->newSubtitle("short", "white");
    EXPECT_EQ(53, m_agent->getTitle(1)->getMinTime());
    update(60);
    EXPECT_EQ(2, m_agent->countTitles());
    EXPECT_TRUE(m_agent->getTitle(1)->isGone());
    update();
    EXPECT_EQ(1, m_agent->countTitles());
    update();
    EXPECT_EQ(0, m_agent->countTitles());
}

TEST_F(SubTitleAgentTest, HiddenLinesStillRiseAndExpire)
{
    m_agent->newSubtitle("Hello", "white");
    EXPECT_TRUE(drawsSomething());
    OptionAgent::instance()->setParam("subtitles", "0");
    EXPECT_FALSE(drawsSomething());
    update(41);
    EXPECT_EQ(0, m_agent->countTitles());
}

TEST_F(SubTitleAgentTest, LongTextIsBrokenIntoLinesThatFit)
{
    OptionAgent::instance()->setParam("screen_width", 240);
    const std::string text = "The fish swim through a narrow cave full of old pipes";
    m_agent->newSubtitle(text, "white");
    ASSERT_GT(m_agent->countTitles(), 1);
    std::string joined;
    for (int i = 0; i < m_agent->countTitles(); ++i) {
        const Title *line = m_agent->getTitle(i);
        joined += line->getContent();
        EXPECT_GE(line->getX(), 20) << line->getContent();
        EXPECT_NE(' ', line->getContent().back()) << line->getContent();
    }
    EXPECT_EQ(text, joined);
}

TEST_F(SubTitleAgentTest, NarrowScreenShowsNothing)
{
    OptionAgent::instance()->setParam("screen_width", 40);
    m_agent->newSubtitle("Hello there", "white");
    EXPECT_EQ(0, m_agent->countTitles());
}

TEST_F(SubTitleAgentTest, UnknownColourIsRefusedAndKillTalksClears)
{
    EXPECT_THROW(m_agent->newSubtitle("Hello", "purple"), ResourceException);
    m_agent->newSubtitle("Hello", "white");
    m_agent->newSubtitle("again", "white");
    m_agent->killTalks();
    EXPECT_EQ(0, m_agent->countTitles());
    m_agent->removeAll();
    EXPECT_THROW(m_agent->newSubtitle("Hello", "white"), ResourceException);
}

TEST(SubTitleCutLine, BreaksAtTheLastSpaceNotAfterAOneLetterWord)
{
    struct Case { const char *line; const char *cut; };
    const Case cases[] = {
        {"one two three", "one two"},
        {"go a way", "go"},
        {"we go a b", "we go"},
        {"ab c d", "ab"},
        {"a bc", "a"},
    };
    for (const Case &c : cases) {
        std::string line = c.line;
        SubTitleAgent::cutLine(line);
        EXPECT_EQ(c.cut, line) << c.line;
    }
}

TEST(SubTitleCutLine, UnbreakableWordLosesWholeCharactersFromItsEnd)
{
    struct Case { const char *line; const char *cut; };
    const Case cases[] = {
        {"abcdefgh", "abcd"},
        {"abcd", ""},
        {" abcdef", " ab"},
        {"\xc5\xbe\xc5\xbe\xc5\xbe\xc5\xbe\xc5\xbe", "\xc5\xbe\xc5\xbe\xc5\xbe"},
        {"a\xe2\x82\xac\xe2\x82\xac", "a"},
        {"x\xe2\x82\xac\xe2\x82\xac\xe2\x82\xac", "x\xe2\x82\xac"},
        {"\xf0\x9f\x90\x9f\xf0\x9f\x90\x9f", "\xf0\x9f\x90\x9f"},
    };
    for (const Case &c : cases) {
        std::string line = c.line;
        SubTitleAgent::cutLine(line);
        EXPECT_EQ(c.cut, line) << c.line;
    }
}

}
