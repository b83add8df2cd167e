#include "plan/SubTitleAgent.h"

#include "plan/Title.h"
#include "effect/Font.h"
#include "gengine/ResColorPack.h"
#include "gengine/AgentPack.h"
#include "gengine/OptionAgent.h"
#include "gengine/Path.h"
#include "gengine/Log.h"

namespace {

const int TITLE_LIMIT_Y = 150;
const int TITLE_START_Y = 20;
const int TITLE_FINAL_HEIGHT = 46;
const int TITLE_SPACE = 26;
const int TITLE_RATE = 2;
const int SCREEN_MARGIN = 40;
const std::string::size_type UNBREAKABLE_CUT = 4;

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}

SubTitleAgent::SubTitleAgent()
    : m_font(nullptr), m_colors(nullptr), m_limitY(TITLE_LIMIT_Y)
{
}

SubTitleAgent::~SubTitleAgent()
{
    // Normally emptied by the shutdown; an agent that was never shut down
    // still frees what it holds.
    for (Title *title : m_titles) {
        delete title;
    }
    if (m_colors) {
        m_colors->removeAll();
        delete m_colors;
    }
    delete m_font;
}

SubTitleAgent *SubTitleAgent::instance()
{
    return AgentPack::getAgentAs<SubTitleAgent>("70subtitle");
}

void SubTitleAgent::ownInit()
{
    m_limitY = TITLE_LIMIT_Y;
    m_colors = new ResColorPack();
    m_font = new Font(Path::dataReadPath("font/font_subtitle.ttf"), 20);
}

void SubTitleAgent::ownUpdate()
{
    if (m_titles.empty()) {
        return;
    }
    shiftTitles(TITLE_RATE);
    if (m_titles.front()->isGone()) {
        delete m_titles.front();
        m_titles.pop_front();
    }
}

void SubTitleAgent::ownShutdown()
{
    removeAll();
    delete m_colors;
    m_colors = nullptr;
    delete m_font;
    m_font = nullptr;
}

void SubTitleAgent::drawOn(SDL_Surface *screen)
{
    if (!OptionAgent::instance()->getBool("subtitles", true)) {
        return;
    }
    for (Title *title : m_titles) {
        title->drawOn(screen);
    }
}

void SubTitleAgent::addFont(const std::string &name, const SDL_Color &color)
{
    m_colors->addRes(name, new SDL_Color(color));
}

void SubTitleAgent::newSubtitle(const std::string &text, const std::string &colorName)
{
    const SDL_Color color = *m_colors->getRes(colorName);
    std::string rest = text;
    while (!rest.empty()) {
        rest = nextLine(rest, color);
    }
}

std::string SubTitleAgent::nextLine(const std::string &text, const SDL_Color &color)
{
    std::string line = text;
    int limit = OptionAgent::instance()->getInt("screen_width", 0) - SCREEN_MARGIN;
    while (!line.empty() && m_font->calcTextWidth(line) > limit) {
        cutLine(line);
    }
    if (line.empty()) {
        return std::string();
    }
    newShortSubtitle(line, color);
    return text.substr(line.size());
}

void SubTitleAgent::cutLine(std::string &line)
{
    for (std::string::size_type i = line.size(); i-- > 0; ) {
        if (line[i] != ' ') {
            continue;
        }
        if (i > 1 && line[i - 2] == ' ') {
            // Never leave a one-letter word at the end of a line.
            continue;
        }
        if (i >= 1) {
            line.erase(i);
            return;
        }
        break;
    }
    LOG_WARNING(InfoText("unbreakable string").addValue("string", line));
    if (line.size() > UNBREAKABLE_CUT) {
        std::string::size_type cut = line.size() - UNBREAKABLE_CUT;
        while (cut > 0 && isContinuation(line[cut])) {
            --cut;
        }
        line.erase(cut);
    } else {
        line.clear();
    }
}

int SubTitleAgent::lowestY() const
{
    if (m_titles.empty()) {
        return TITLE_START_Y;
    }
    return std::min(m_titles.back()->getY() - TITLE_SPACE, TITLE_START_Y);
}

void SubTitleAgent::newShortSubtitle(const std::string &text, const SDL_Color &color)
{
    int startY = lowestY();
    int bonusTime = (m_limitY - 130 - startY) / 2;
    Title *title = new Title(startY, TITLE_FINAL_HEIGHT, bonusTime, m_limitY, text,
            m_font, color);
    shiftFinalAll(TITLE_SPACE);
    m_titles.push_back(title);
}

void SubTitleAgent::killTalks()
{
    for (Title *title : m_titles) {
        delete title;
    }
    m_titles.clear();
}

void SubTitleAgent::removeAll()
{
    killTalks();
    if (m_colors) {
        m_colors->removeAll();
    }
}

void SubTitleAgent::shiftTitles(int rate)
{
    for (Title *title : m_titles) {
        title->shift(rate);
    }
}

void SubTitleAgent::shiftFinalAll(int rate)
{
    for (Title *title : m_titles) {
        title->shiftFinal(rate);
    }
}
