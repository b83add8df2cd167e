#include "level/Field.h"

#include "level/Cube.h"
#include "level/ModelFactory.h"
#include "level/Rules.h"
#include "gengine/BaseException.h"

Field::Field(int w, int h)
    : m_w(w), m_h(h)
{
    if (w < 0 || h < 0 || (h > 0 && w > MAX_CELLS / h)) {
        throw LayoutException(InfoText("bad room size").addValue("w", w).addValue("h", h));
    }
    m_marks.assign(static_cast<size_t>(w) * static_cast<size_t>(h), nullptr);
    m_border.reset(ModelFactory::createBorder());
    m_border->getRules()->takeField(this);
}

Field::~Field()
{
    // The border's rules unmask it on the way out; the grid must still exist.
    m_border.reset();
}
