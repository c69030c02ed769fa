#pragma once

#include "numbers/spread.h"

#include <array>

// The window's occupation of the circle: the engine's steps and distances,
// plus the table of which step occupied which position, for the
// permutation row.
namespace analysis {

class Occupation
{
public:
    static constexpr int capacity = 201;

    // Clears the table for n positions and occupies position 0 as step 1.
    void start(int n, int k);

    // Occupies the next position (the multiplier further on) as step i + 1,
    // for i = 1 … n − 1, with its two gaps. The smaller one is the step's
    // minimal distance; on a tie the backward one is taken, which is the
    // same number.
    void step(int i);
    int minimalGap() const { return backwardGap <= forwardGap ? backwardGap : forwardGap; }

    // Entry p is 0 while position p is free, else the 1-based step at which
    // it was occupied. Read as a row over p = 0 … n − 1 it is the inverse of
    // the occupation order. Entries from n on keep an earlier, larger
    // analysis's values and are never read.
    std::array<int, capacity> occupationOrder{};
    int position = 0;
    int forwardGap = 0;  // towards increasing numbers, from n − 1 on to 0
    int backwardGap = 0; // towards decreasing numbers, from 0 on to n − 1
    int gapSum = 0;      // of the minimal distances of steps 1 … n − 1

private:
    numbers::Occupation m_steps{2, 1};
};

} // namespace analysis
