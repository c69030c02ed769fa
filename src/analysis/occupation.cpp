#include "analysis/occupation.h"

namespace analysis {

void Occupation::start(int n, int k)
{
    m_steps = numbers::Occupation(numbers::u64(n), numbers::u64(k));
    for (int p = 0; p < n; ++p)
        occupationOrder[p] = 0;
    position = 0;
    occupationOrder[0] = 1;
    gapSum = 0;
}

void Occupation::step(int i)
{
    m_steps.advance();
    position = int(m_steps.position());
    occupationOrder[position] = i + 1;
    forwardGap = int(m_steps.forward());
    backwardGap = int(m_steps.backward());
    gapSum += minimalGap();
}

} // namespace analysis
