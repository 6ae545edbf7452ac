#include "draw/GiftGreedy.h"

#include "draw/DrawGraph.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// Rejections before a pick is made among the acceptable receivers directly.
constexpr int kMaxRejections = 24;

} // namespace

CGiftGreedy::CGiftGreedy(const CDrawGraph& graph, const CGiftCounts& counts)
    : m_graph(graph), m_counts(counts)
{
    for (int n = 0; n < graph.Count(); ++n) {
        if (graph.Receives(n))
            m_receivers.push_back(n);
    }
}

bool CGiftGreedy::Run(QRandomGenerator& random, bool bGoOn, bool bNoMutual)
{
    const int nCount = m_graph.Count();
    m_gifts.assign(size_t(nCount), {});
    m_received.assign(size_t(nCount), 0);
    m_nBeyondLow = 0;
    m_below.Reset(m_receivers, nCount);
    m_open.Reset(m_receivers, nCount);
    bool bComplete = true;
    for (const int nGiver : m_graph.GiverOrder()) {
        if (!m_graph.Gives(nGiver))
            continue;
        for (int nGift = 0; nGift < m_counts.m_nGifts; ++nGift) {
            const int nPick = Pick(nGiver, random);
            if (nPick < 0) {
                bComplete = false;
                if (!bGoOn)
                    return false;
                break;
            }
            if (bNoMutual && Contains(m_gifts[size_t(nPick)], nGiver))
                return false;
            Take(nGiver, nPick);
        }
    }
    return bComplete;
}

bool CGiftGreedy::Acceptable(int nGiver, int nReceiver) const
{
    return m_graph.Allows(nGiver, nReceiver) && !Contains(m_gifts[size_t(nGiver)], nReceiver);
}

int CGiftGreedy::Pick(int nGiver, QRandomGenerator& random)
{
    const std::vector<int>& pool = (m_nBeyondLow < m_counts.m_nExtras ? m_open : m_below).Members();
    const auto nMembers = quint32(pool.size());
    if (nMembers == 0)
        return -1;
    for (int nTry = 0; nTry < kMaxRejections; ++nTry) {
        ++m_nSteps;
        const int nCandidate = pool[random.bounded(nMembers)];
        if (Acceptable(nGiver, nCandidate))
            return nCandidate;
    }
    m_nSteps += nMembers;
    std::vector<int> acceptable;
    for (const int nCandidate : pool) {
        if (Acceptable(nGiver, nCandidate))
            acceptable.push_back(nCandidate);
    }
    return acceptable.empty() ? -1 : acceptable[random.bounded(quint32(acceptable.size()))];
}

void CGiftGreedy::Take(int nGiver, int nReceiver)
{
    m_gifts[size_t(nGiver)].push_back(nReceiver);
    const int nReceived = ++m_received[size_t(nReceiver)];
    if (nReceived >= m_counts.m_nLow)
        m_below.Remove(nReceiver);
    if (nReceived > m_counts.m_nLow)
        ++m_nBeyondLow;
    if (nReceived >= m_counts.m_nHigh)
        m_open.Remove(nReceiver);
}
