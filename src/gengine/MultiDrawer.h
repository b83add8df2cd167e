#ifndef HEADER_MULTIDRAWER_H
#define HEADER_MULTIDRAWER_H

// An ordered list of drawables painted first to last, so later entries cover
// earlier ones. The entries are not owned: whoever adds one removes it
// before deleting it.

#include "gengine/Drawable.h"

#include <vector>

class MultiDrawer : public Drawable {
    private:
        std::vector<Drawable *> m_drawers;
    public:
        virtual void drawOn(SDL_Surface *screen);
        /** Appends the drawable; it is painted after every entry already there. */
        void acceptDrawer(Drawable *drawer);
        /** Removes the first entry equal to the pointer; nothing when it is absent. */
        void removeDrawer(const Drawable *drawer);
        void removeAll() { m_drawers.clear(); }
        size_t countDrawers() const { return m_drawers.size(); }
};

#endif
