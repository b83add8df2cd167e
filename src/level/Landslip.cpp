#include "level/Landslip.h"

#include "level/Rules.h"

Landslip::Landslip(const Models &models, std::vector<char> &stoned, std::vector<Cube*> &pending)
    : m_models(models), m_impact(Cube::NONE), m_stoned(stoned), m_pending(pending)
{
    m_stoned.assign(models.size(), 0);
}

bool Landslip::isFixed(const Cube *model) const
{
    const int index = model->getIndex();
    if (index < 0) {
        return true;
    }
    return m_stoned[index] || model->getWeight() > Cube::HEAVY || model->isAlive() || model->isLost();
}

bool Landslip::restsOnFixed(const Cube *model) const
{
    return model->getRules()->anyResist(Dir::DIR_DOWN, [this](const Cube *other) { return isFixed(other); });
}

bool Landslip::computeFall()
{
    // The first pass over all models leaves the few that may still fall;
    // later passes look at those only, in the same index order.
    m_pending.clear();
    for (const std::unique_ptr<Cube> &model : m_models) {
        if (isFixed(model.get()) || restsOnFixed(model.get())) {
            m_stoned[model->getIndex()] = 1;
        } else {
            m_pending.push_back(model.get());
        }
    }
    bool changed = !m_pending.empty();
    while (changed) {
        changed = false;
        for (Cube *model : m_pending) {
            if (!m_stoned[model->getIndex()] && restsOnFixed(model)) {
                m_stoned[model->getIndex()] = 1;
                changed = true;
            }
        }
    }

    bool falling = false;
    for (const std::unique_ptr<Cube> &model : m_models) {
        if (!isFixed(model.get())) {
            model->getRules()->setFall();
            falling = true;
        } else if (model->getRules()->takeLastFall() && model->getWeight() > m_impact) {
            m_impact = model->getWeight();
        }
    }
    return falling;
}
