#include "DrawMatching.h"

#include "DrawGraph.h"

#include <QRandomGenerator>

#include <algorithm>
#include <numeric>

namespace {

void Shuffle(std::vector<int>& values, QRandomGenerator& random)
{
    for (size_t i = values.size(); i > 1; --i)
        std::swap(values[i - 1], values[random.bounded(quint32(i))]);
}

} // namespace

CDrawMatching::CDrawMatching(const CDrawGraph& graph) : m_graph(graph) {}

bool CDrawMatching::Complete(std::vector<int>& recipients, QRandomGenerator& random)
{
    const int nCount = m_graph.Count();
    m_recipientOf = recipients;
    m_giverOf.assign(size_t(nCount), -1);
    for (int nGiver = 0; nGiver < nCount; ++nGiver) {
        if (m_recipientOf[size_t(nGiver)] >= 0)
            m_giverOf[size_t(m_recipientOf[size_t(nGiver)])] = nGiver;
    }
    m_order.resize(size_t(nCount));
    std::iota(m_order.begin(), m_order.end(), 0);
    Shuffle(m_order, random);
    std::vector<int> freeGivers;
    for (const int nGiver : m_order) {
        if (m_recipientOf[size_t(nGiver)] < 0)
            freeGivers.push_back(nGiver);
    }
    Shuffle(m_order, random);
    m_next.resize(size_t(nCount) + 1);
    m_prev.resize(size_t(nCount) + 1);
    m_reachedBy.assign(size_t(nCount), -1);
    m_blocked.assign(size_t(nCount), 0);
    m_queued.assign(size_t(nCount), 0);
    m_blockedGivers.clear();
    m_blockedRecipients.clear();

    // A giver who finds no path now never will (Berge), and neither will anybody his search
    // reached: those stay out of every later search.
    for (const int nGiver : freeGivers) {
        const int nFree = Search(nGiver);
        if (nFree >= 0)
            Augment(nFree);
    }
    recipients = m_recipientOf;
    return m_blockedGivers.empty();
}

int CDrawMatching::Search(int nStart)
{
    const int nSentinel = m_graph.Count();
    int nLast = nSentinel;
    for (const int nRecipient : m_order) {
        if (m_blocked[size_t(nRecipient)])
            continue;
        m_next[size_t(nLast)] = nRecipient;
        m_prev[size_t(nRecipient)] = nLast;
        nLast = nRecipient;
    }
    m_next[size_t(nLast)] = nSentinel;
    m_prev[size_t(nSentinel)] = nLast;

    m_queue.assign(1, nStart);
    m_queued[size_t(nStart)] = 1;
    m_reached.clear();
    int nFound = -1;
    for (size_t i = 0; i < m_queue.size() && nFound < 0; ++i) {
        const int nGiver = m_queue[i];
        for (int n = m_next[size_t(nSentinel)]; n != nSentinel && nFound < 0;) {
            const int nFollowing = m_next[size_t(n)];
            if (m_graph.Allows(nGiver, n)) {
                Unlink(n);
                m_reachedBy[size_t(n)] = nGiver;
                m_reached.push_back(n);
                const int nMate = m_giverOf[size_t(n)];
                if (nMate < 0)
                    nFound = n;
                else if (!m_queued[size_t(nMate)])
                    m_queued[size_t(nMate)] = 1, m_queue.push_back(nMate);
            }
            n = nFollowing;
        }
    }
    for (const int nGiver : m_queue)
        m_queued[size_t(nGiver)] = 0;
    if (nFound >= 0)
        return nFound;
    for (const int nRecipient : m_reached)
        m_blocked[size_t(nRecipient)] = 1;
    m_blockedGivers.insert(m_blockedGivers.end(), m_queue.begin(), m_queue.end());
    m_blockedRecipients.insert(m_blockedRecipients.end(), m_reached.begin(), m_reached.end());
    return -1;
}

void CDrawMatching::Augment(int nFreeRecipient)
{
    for (int nRecipient = nFreeRecipient; nRecipient >= 0;) {
        const int nGiver = m_reachedBy[size_t(nRecipient)];
        const int nFormer = m_recipientOf[size_t(nGiver)];
        m_recipientOf[size_t(nGiver)] = nRecipient;
        m_giverOf[size_t(nRecipient)] = nGiver;
        nRecipient = nFormer;
    }
}

void CDrawMatching::Unlink(int nRecipient)
{
    const int nPrev = m_prev[size_t(nRecipient)];
    const int nNext = m_next[size_t(nRecipient)];
    m_next[size_t(nPrev)] = nNext;
    m_prev[size_t(nNext)] = nPrev;
}
