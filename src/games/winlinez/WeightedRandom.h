#pragma once
#include "platform/CRand.h"

#include <QList>

// Picks an index with the odds of its weight: cumulative thresholds on the 0..32767 range
// of the run-time random generator, t[i] = (w[0] + ... + w[i-1]) * 32767 / W, and a pick
// is the largest i with t[i] <= rand().
class WeightedRandom
{
public:
    explicit WeightedRandom(CRand& rand) : m_rand(rand) { }

    // Sets the weights (all positive) and, as the game always did, discards one pick.
    void setWeights(const QList<int>& weights);
    int pick();
    const QList<int>& thresholds() const { return m_thresholds; }

    // The index a random value r maps to.
    int indexFor(int r) const;

private:
    CRand& m_rand;
    QList<int> m_thresholds;
};
