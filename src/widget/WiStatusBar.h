#ifndef HEADER_WISTATUSBAR_H
#define HEADER_WISTATUSBAR_H

// A line of text that changes while the menu runs (the tip under the mouse).
// Its size is fixed: the given width and the height of its font, which it
// owns. The label is rendered anew on every draw.

#include "widget/IWidget.h"

#include <string>

class Font;

class WiStatusBar : public IWidget {
    private:
        Font *m_font;
        SDL_Color m_color;
        int m_width;
        std::string m_label;
    public:
        /** Takes ownership of font; a negative width counts as 0. */
        WiStatusBar(Font *font, const SDL_Color &color, int width);
        virtual ~WiStatusBar();
        virtual void drawOn(SDL_Surface *screen);
        virtual int getW() const { return m_width; }
        virtual int getH() const;

        void setLabel(const std::string &label) { m_label = label; }
        const std::string &getLabel() const { return m_label; }
};

#endif
