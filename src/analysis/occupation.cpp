#include "analysis/occupation.h"

namespace analysis {

void Occupation::start(int n, int k)
{
    m_n = n;
    m_k = k;
    for (int p = 0; p < n; ++p)
        occupationOrder[p] = 0;
    position = 0;
    occupationOrder[0] = 1;
    gapSum = 0;
}

void Occupation::step(int i)
{
    position = (position + m_k) % m_n;
    occupationOrder[position] = i + 1;

    // The nearest occupied position in each direction: the smallest j ≥ 1
    // whose position is occupied. Position 0 has been occupied from the
    // start, so both searches end before j reaches n.
    forwardGap = 1;
    while (occupationOrder[(position + forwardGap) % m_n] == 0)
        ++forwardGap;
    backwardGap = 1;
    while (occupationOrder[(position - backwardGap + m_n) % m_n] == 0)
        ++backwardGap;
    gapSum += minimalGap();
}

} // namespace analysis
