#ifndef HEADER_VBOX_H
#define HEADER_VBOX_H

// A column: children one below the other from the top, at the left edge or,
// when centred, in the middle of the widest child. A child keeps the offset
// it got when it was added until the next setShift places all of them anew.

#include "widget/WiBox.h"

class VBox : public WiBox {
    private:
        int m_maxW;
        int m_totalH;
        bool m_centered;

        int offsetOf(const IWidget *widget) const;
    public:
        VBox() : m_maxW(0), m_totalH(0), m_centered(false) {}
        virtual void addWidget(IWidget *widget);
        virtual void setShift(const V2 &shift);
        virtual int getW() const { return m_maxW; }
        virtual int getH() const { return m_totalH; }

        /** Call setShift afterwards to move children added before. */
        void setCentered(bool centered) { m_centered = centered; }
        bool isCentered() const { return m_centered; }
};

#endif
