#ifndef HEADER_FIELD_H
#define HEADER_FIELD_H

// The grid of a room: for every cell the model that occupies it, or null.
// Everything outside the grid reads as the border, one fixed dead model with
// index -1 that the field owns; writes outside the grid are dropped. The field
// decides nothing: model masks write it and the rules read it.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"

#include <memory>
#include <vector>

class Cube;

class Field : public NoCopy {
    private:
        int m_w;
        int m_h;
        std::vector<Cube*> m_marks;
        std::unique_ptr<Cube> m_border;
        friend class RoomState;

        bool isInside(const V2 &loc) const
        {
            return loc.getX() >= 0 && loc.getX() < m_w && loc.getY() >= 0 && loc.getY() < m_h;
        }
    public:
        /** The largest number of cells a room may have. */
        static constexpr int MAX_CELLS = 1 << 20;

        /** Throws LayoutException "bad room size" for a negative or too large size. */
        Field(int w, int h);
        ~Field();

        int getW() const { return m_w; }
        int getH() const { return m_h; }

        /** The model in the cell, null when it is empty; the border outside the grid. */
        Cube *getModel(const V2 &loc) const
        {
            return isInside(loc) ? m_marks[loc.getY() * m_w + loc.getX()] : m_border.get();
        }
        /**
         * Writes model into the cell, but only when toReplace is null or the
         * cell still holds toReplace, so a mask erases only its own marks.
         */
        void setModel(const V2 &loc, Cube *model, Cube *toReplace)
        {
            if (!isInside(loc)) {
                return;
            }
            Cube *&cell = m_marks[loc.getY() * m_w + loc.getX()];
            if (!toReplace || cell == toReplace) {
                cell = model;
            }
        }
        const Cube *getBorder() const { return m_border.get(); }
};

#endif
