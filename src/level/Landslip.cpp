#include "level/Landslip.h"

#include "level/Rules.h"

Landslip::Landslip(const Models &models, std::vector<char> &stoned)
    : m_models(models), m_impact(Cube::NONE), m_stoned(stoned)
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
    bool changed = true;
    while (changed) {
        changed = false;
        for (const std::unique_ptr<Cube> &model : m_models) {
            if (!m_stoned[model->getIndex()] && (isFixed(model.get()) || restsOnFixed(model.get()))) {
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
