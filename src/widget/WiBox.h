#ifndef HEADER_WIBOX_H
#define HEADER_WIBOX_H

// A widget that lays out other widgets, which it owns, in the order they
// were added. Drawing and clicks go to every child in that order; the tip
// joins the box's own tip with that of the child under the mouse.

#include "widget/IWidget.h"

#include <vector>

class WiBox : public IWidget {
    protected:
        typedef std::vector<IWidget *> t_widgets;
        t_widgets m_widgets;

        virtual void ownMouseButton(const MouseStroke &stroke);
    public:
        virtual ~WiBox();
        virtual void drawOn(SDL_Surface *screen);
        /** Own tip + " - " + the child's tip; either alone when the other is empty. */
        virtual std::string getTip(const V2 &loc) const;
        /** Takes ownership of the widget and places it after the others. */
        virtual void addWidget(IWidget *widget) = 0;
        int countWidgets() const { return static_cast<int>(m_widgets.size()); }
        /** The child at the index in adding order; the box keeps it. */
        IWidget *getWidget(int index) const { return m_widgets.at(index); }
};

#endif
