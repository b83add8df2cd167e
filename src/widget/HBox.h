#ifndef HEADER_HBOX_H
#define HEADER_HBOX_H

// A row: children side by side from the left, top edges aligned. The row is
// as wide as all children together and as high as the highest.

#include "widget/WiBox.h"

class HBox : public WiBox {
    private:
        int m_totalW;
        int m_maxH;
    public:
        HBox() : m_totalW(0), m_maxH(0) {}
        virtual void addWidget(IWidget *widget);
        virtual void setShift(const V2 &shift);
        virtual int getW() const { return m_totalW; }
        virtual int getH() const { return m_maxH; }
};

#endif
