#include "views/jam/riff.h"

#include <algorithm>
#include <cmath>

Riff::Riff(QObject *parent) : QObject(parent)
{
    for (auto &interp : m_stepInterp)
        interp.store(1.0f, std::memory_order_relaxed);
}

void Riff::setStepInterp(float interp, int step)
{
    if (step < 0 || step >= stepCount)
        return;
    if (!std::isfinite(interp) || interp <= 0.0f)
        interp = 1.0f;
    m_stepInterp[size_t(step)].store(std::clamp(interp, minInterp, maxInterp), std::memory_order_relaxed);
}

float Riff::stepInterp(int step) const
{
    if (step < 0 || step >= stepCount)
        return 1.0f;
    return m_stepInterp[size_t(step)].load(std::memory_order_relaxed);
}
