#include "menu/NodeDrawer.h"

#include "menu/LevelNode.h"

#include "effect/Font.h"
#include "gengine/Log.h"
#include "gengine/Path.h"
#include "gengine/ResImagePack.h"
#include "gengine/TimerAgent.h"

#include "SDL_gfxPrimitives.h"

#include <algorithm>

namespace {

Sint16 toSint16(int value)
{
    return static_cast<Sint16>(std::max(-32768, std::min(32767, value)));
}

/** The pulse of an open node over ten cycles. */
int openPhase(int cycles)
{
    static const int phases[10] = {0, 1, 2, 3, 3, 3, 2, 1, 0, 0};
    int remainder = cycles % 10;
    if (remainder < 0) {
        remainder += 10;
    }
    return phases[remainder];
}

}

NodeDrawer::NodeDrawer() : m_pack(new ResImagePack(true)), m_font(nullptr), m_screen(nullptr)
{
    try {
        m_pack->addImage("solved", Path::dataReadPath("images/menu/n0.png"));
        m_pack->addImage("open", Path::dataReadPath("images/menu/n1.png"));
        m_pack->addImage("open", Path::dataReadPath("images/menu/n2.png"));
        m_pack->addImage("open", Path::dataReadPath("images/menu/n3.png"));
        m_pack->addImage("open", Path::dataReadPath("images/menu/n4.png"));
        m_pack->addImage("far", Path::dataReadPath("images/menu/n_far.png"));
        m_font = new Font(Path::dataReadPath("font/font_menu.ttf"), 22);
    } catch (...) {
        // The cache counts every use: give back what was taken.
        m_pack->removeAll();
        delete m_pack;
        throw;
    }
}

NodeDrawer::~NodeDrawer()
{
    m_pack->removeAll();
    delete m_pack;
    delete m_font;
}

void NodeDrawer::drawCentred(SDL_Surface *image, const V2 &loc)
{
    SDL_Rect rect;
    rect.x = toSint16(loc.getX() - image->w / 2);
    rect.y = toSint16(loc.getY() - image->h / 2);
    SDL_BlitSurface(image, nullptr, m_screen, &rect);
}

void NodeDrawer::drawNode(const LevelNode *node)
{
    drawCentred(m_pack->getRes("far", 0), node->getLoc());
    switch (node->getState()) {
        case LevelNode::STATE_OPEN:
            drawCentred(m_pack->getRes("open", openPhase(TimerAgent::instance()->getCycles())),
                    node->getLoc());
            break;
        case LevelNode::STATE_SOLVED:
            drawCentred(m_pack->getRes("solved", 0), node->getLoc());
            break;
        case LevelNode::STATE_FAR:
            break;
        default:
            LOG_WARNING(InfoText("don't know how to draw node")
                    .addValue("state", static_cast<int>(node->getState())));
            break;
    }
}

void NodeDrawer::drawEdge(const LevelNode *start, const LevelNode *end)
{
    static const int shifts[5][2] = {{0, 0}, {-1, -1}, {1, 1}, {-1, 1}, {1, -1}};
    const Uint32 yellow = 0xffff00ff;
    V2 from = start->getLoc();
    V2 to = end->getLoc();
    for (const int *shift : shifts) {
        aalineColor(m_screen,
                toSint16(from.getX() + shift[0]), toSint16(from.getY() + shift[1]),
                toSint16(to.getX() + shift[0]), toSint16(to.getY() + shift[1]), yellow);
    }
}

void NodeDrawer::drawSelect(const V2 &loc)
{
    SDL_Surface *solved = m_pack->getRes("solved", 0);
    int radius = std::max(solved->w, solved->h) / 2 + 1;
    filledCircleColor(m_screen, toSint16(loc.getX()), toSint16(loc.getY()),
            toSint16(radius), 0xffc61880);
}

void NodeDrawer::drawSelected(const std::string &levelName)
{
    const SDL_Color yellow = {255, 255, 0, 255};
    SDL_Surface *text = m_font->renderTextOutlined(levelName, yellow, 1);
    SDL_Rect rect;
    rect.x = toSint16((m_screen->w - m_font->calcTextWidth(levelName)) / 2);
    rect.y = toSint16(m_screen->h - 50);
    SDL_BlitSurface(text, nullptr, m_screen, &rect);
    SDL_FreeSurface(text);
}
