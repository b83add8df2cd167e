#ifndef HEADER_MARKMASK_H
#define HEADER_MARKMASK_H

// Binds one model to the room's field: writes the model's cells into the
// field, erases them, and answers which other models stand where the model
// would be. Positions are always the model's current location plus its shape
// offsets; a mask never moves its model.

#include "gengine/NoCopy.h"
#include "level/Cube.h"
#include "level/Dir.h"
#include "level/Field.h"
#include "level/Shape.h"

#include <algorithm>
#include <vector>

class Cube;
class Field;

typedef std::vector<Cube*> CubeList;

class MarkMask : public NoCopy {
    private:
        Cube *m_model;
        Field *m_field;
    public:
        MarkMask(Cube *model, Field *field);

        /** Writes the model into all its cells, whatever they hold. */
        void mask();
        /** Erases the model from the cells that still hold it. */
        void unmask();

        /** Each distinct other model (the border included) in the cells the model would cover at loc. */
        CubeList getPlacedResist(const V2 &loc) const;
        CubeList getResist(Dir::eDir dir) const;
        /**
         * Whether test holds for some other model (the border included) in
         * the cells the model would cover one step in dir. Builds no list:
         * the falling check asks this of every model in every round.
         */
        template <class Test> bool anyResist(Dir::eDir dir, Test test) const
        {
            const V2 loc = m_model->getLoc().plus(Dir::dir2xy(dir));
            for (const V2 &cell : *m_model->getShape()) {
                const Cube *other = m_field->getModel(loc.plus(cell));
                if (other && other != m_model && test(other)) {
                    return true;
                }
            }
            return false;
        }
        /**
         * Calls visit(other) for each model of getResist(dir), in its order,
         * until visit returns false; false then, true otherwise. The models
         * are all gathered before the first visit, as getResist does, but on
         * the stack for the usual few: the rules ask this many times a round.
         */
        template <class Visit> bool eachResist(Dir::eDir dir, Visit visit) const
        {
            const int SMALL = 16;
            Cube *found[SMALL];
            int count = 0;
            const V2 loc = m_model->getLoc().plus(Dir::dir2xy(dir));
            for (const V2 &cell : *m_model->getShape()) {
                Cube *other = m_field->getModel(loc.plus(cell));
                if (!other || other == m_model || std::find(found, found + count, other) != found + count) {
                    continue;
                }
                if (count == SMALL) {
                    for (Cube *model : getResist(dir)) {
                        if (!visit(model)) {
                            return false;
                        }
                    }
                    return true;
                }
                found[count++] = other;
            }
            for (int i = 0; i < count; ++i) {
                if (!visit(found[i])) {
                    return false;
                }
            }
            return true;
        }
        /** getPlacedResist(loc) is empty; without building the list. */
        bool isFreeAt(const V2 &loc) const;
        /** The side through which the model touches the room's edge and could leave; DIR_NO if none. */
        Dir::eDir getBorderDir() const;
        /** No cell of the model is inside the room any more. */
        bool isFullyOut() const;
        const Field *getField() const { return m_field; }
};

#endif
