#ifndef HEADER_IWIDGET_H
#define HEADER_IWIDGET_H

// A piece of a menu: a drawable with a fixed size taken from its content and
// a screen position (shift) that its box sets. A click reaches a widget only
// when it lies inside the widget; every widget may carry a tip text that
// explains it while the mouse is over it.

#include "gengine/Drawable.h"
#include "gengine/V2.h"

#include "SDL.h"

#include <string>

class MouseStroke;

class IWidget : public Drawable {
    protected:
        V2 m_shift;
        std::string m_tip;

        virtual void ownMouseButton(const MouseStroke &/*stroke*/) {}
        /** The widget's area as a rectangle, clamped to SDL's coordinate range. */
        SDL_Rect getArea() const;
    public:
        IWidget() : m_shift(0, 0) {}
        virtual ~IWidget() {}
        virtual void drawOn(SDL_Surface *screen) = 0;
        /** The tip for the mouse at loc, which lies inside the widget. */
        virtual std::string getTip(const V2 &/*loc*/) const { return m_tip; }
        virtual int getW() const = 0;
        virtual int getH() const = 0;
        virtual void setShift(const V2 &shift) { m_shift = shift; }
        virtual void setTip(const std::string &tip) { m_tip = tip; }

        V2 getShift() const { return m_shift; }
        bool isInside(const V2 &loc) const;
        /** Passes the stroke on only when it lies inside the widget. */
        void mouseButton(const MouseStroke &stroke);
        /** The widget's tip when loc lies inside it, else "". */
        static std::string getTipAt(const IWidget *widget, const V2 &loc);
};

#endif
