#include "games/winlinez/WeightedRandom.h"

void WeightedRandom::setWeights(const QList<int>& weights)
{
    qint64 total = 0;
    for (int w : weights)
        total += w;
    m_thresholds.clear();
    qint64 sum = 0;
    for (int w : weights) {
        m_thresholds.append(total > 0 ? int(sum * CRand::Max / total) : 0);
        sum += w;
    }
    pick();
}

int WeightedRandom::indexFor(int r) const
{
    int index = 0;
    for (int i = 0; i < m_thresholds.size(); ++i)
        if (m_thresholds.at(i) <= r)
            index = i;
    return index;
}

int WeightedRandom::pick()
{
    return indexFor(m_rand.next());
}
