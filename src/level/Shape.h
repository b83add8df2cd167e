#ifndef HEADER_SHAPE_H
#define HEADER_SHAPE_H

// The cells of a model, read from a text picture: "X" a filled cell, "." an
// empty one, a line feed the next row. Cells are offsets from the model's
// top-left corner, kept in reading order; the size covers the filled cells.

#include "gengine/NoCopy.h"
#include "gengine/V2.h"

#include "SDL.h"

#include <string>
#include <vector>

class Shape : public NoCopy {
    private:
        std::vector<V2> m_cells;
        int m_w;
        int m_h;
    public:
        /** Rows and columns beyond this are refused, so that cell positions stay small. */
        static constexpr int MAX_SIZE = 1 << 16;

        /**
         * Parses the text; throws LayoutException "bad shape char" for any
         * other character and "bad shape size" for a text beyond MAX_SIZE.
         */
        explicit Shape(const std::string &text);

        int getW() const { return m_w; }
        int getH() const { return m_h; }
        const std::vector<V2> &getCells() const { return m_cells; }
        std::vector<V2>::const_iterator begin() const { return m_cells.begin(); }
        std::vector<V2>::const_iterator end() const { return m_cells.end(); }

        /** Every cell as "[x,y]" in reading order, without separators. */
        std::string toString() const;
        /** The hash that picks the colour of a generated picture of the shape. */
        unsigned colourHash() const;
        /**
         * A picture of the cells, 15 pixels each, for a model without one of
         * its own, in the colour of the weight (a Cube::eWeight); magenta is
         * transparent. The caller owns it; throws SDLException.
         */
        SDL_Surface *createImage(int weight) const;
};

#endif
