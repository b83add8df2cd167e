#ifndef HEADER_LANDSLIP_H
#define HEADER_LANDSLIP_H

// One falling step of a room. A model is stoned (held up) when it is fixed,
// alive, lost, or rests on something stoned; the floor is the border, which
// always holds. Every model that is not stoned falls one cell; the heaviest
// model that has just stopped falling gives the impact of the step.

#include "gengine/NoCopy.h"
#include "level/Cube.h"

#include <memory>
#include <vector>

class Landslip : public NoCopy {
    public:
        typedef std::vector<std::unique_ptr<Cube>> Models;
    private:
        const Models &m_models;
        Cube::eWeight m_impact;
        std::vector<char> &m_stoned;
        std::vector<Cube*> &m_pending;

        bool isFixed(const Cube *model) const;
        bool restsOnFixed(const Cube *model) const;
    public:
        /** stoned and pending are the caller's buffers, kept between steps so a step allocates nothing. */
        Landslip(const Models &models, std::vector<char> &stoned, std::vector<Cube*> &pending);
        virtual ~Landslip() {}

        /** Sets every unsupported model falling; true when any falls. */
        bool computeFall();
        Cube::eWeight getImpact() const { return m_impact; }
};

#endif
