#include "level/MouseControl.h"

#include "level/Controls.h"
#include "level/FinderAlg.h"
#include "level/RoomMedia.h"
#include "level/Unit.h"
#include "gengine/InputProvider.h"

MouseControl::MouseControl(Controls &controls, const RoomMedia *media, FinderAlg &finder)
    : m_controls(controls), m_media(media), m_finder(finder)
{
}

V2 MouseControl::fieldPos(const RoomMedia *media, const V2 &screenPos)
{
    return media ? media->getFieldPos(screenPos) : screenPos.shrink(15);
}

bool MouseControl::mouseDrive(const InputProvider *input)
{
    if (!input) {
        return false;
    }
    const V2 cell = fieldPos(m_media, input->getMouseLoc());
    if (input->isLeftPressed()) {
        return moveTo(cell);
    }
    if (input->isRightPressed()) {
        return moveStraight(cell);
    }
    return false;
}

bool MouseControl::moveDir(int dir)
{
    const Unit *active = m_controls.getActive();
    return m_controls.makeMove(active->myOrder(static_cast<Dir::eDir>(dir)));
}

bool MouseControl::moveTo(const V2 &cell)
{
    const Unit *active = m_controls.getActive();
    if (!active) {
        return false;
    }
    const Dir::eDir dir = m_finder.findDir(active, cell);
    return dir != Dir::DIR_NO && moveDir(dir);
}

bool MouseControl::moveStraight(const V2 &cell)
{
    const Unit *active = m_controls.getActive();
    if (!active) {
        return false;
    }
    const V2 loc = active->getLoc();
    Dir::eDir dir = Dir::DIR_NO;
    if (cell.getX() < loc.getX()) {
        dir = Dir::DIR_LEFT;
    } else if (cell.getX() >= loc.getX() + active->getW()) {
        dir = Dir::DIR_RIGHT;
    } else if (cell.getY() < loc.getY()) {
        dir = Dir::DIR_UP;
    } else if (cell.getY() >= loc.getY() + active->getH()) {
        dir = Dir::DIR_DOWN;
    }
    return dir != Dir::DIR_NO && moveDir(dir);
}
