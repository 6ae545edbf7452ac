#include "draw/DrawMatching.h"

#include "draw/DrawGraph.h"
#include "draw/Shuffle.h"

#include <QRandomGenerator>

#include <algorithm>
#include <numeric>

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
    std::vector<int> freeGivers;
    for (int nGiver = 0; nGiver < nCount; ++nGiver) {
        if (m_recipientOf[size_t(nGiver)] < 0)
            freeGivers.push_back(nGiver);
    }
    Shuffle(freeGivers, random);
    MakeBlocks(random);
    m_reachedBy.assign(size_t(nCount), -1);
    m_queued.assign(size_t(nCount), 0);
    m_blockedGivers.clear();
    m_blockedRecipients.clear();

    // A giver who finds no path now never will (Berge), and neither will anybody his search
    // reached: those stay out of every later search. After a path, those reached wait again.
    for (const int nGiver : freeGivers) {
        const int nFree = Search(nGiver);
        if (nFree < 0)
            continue;
        Augment(nFree);
        for (const int nRecipient : m_reached)
            Relink(nRecipient);
    }
    recipients = m_recipientOf;
    return m_blockedGivers.empty();
}

void CDrawMatching::MakeBlocks(QRandomGenerator& random)
{
    const int nCount = m_graph.Count();
    m_blockOf.resize(size_t(nCount));
    int nBlocks = 0;
    for (int n = 0; n < nCount; ++n) {
        // A group's persons are numbered one after the other.
        const int nGroup = m_graph.Group(n);
        const bool bSameBlock = nGroup >= 0 && n > 0 && m_graph.Group(n - 1) == nGroup;
        m_blockOf[size_t(n)] = bSameBlock ? nBlocks - 1 : nBlocks++;
    }
    m_head.assign(size_t(nBlocks), -1);
    m_next.assign(size_t(nCount), -1);
    m_prev.assign(size_t(nCount), -1);
    m_nextBlock.assign(size_t(nBlocks) + 1, nBlocks);
    m_prevBlock.assign(size_t(nBlocks) + 1, nBlocks);
    // Waiting in a random order, so that the matching found is a random one.
    std::vector<int> order(static_cast<size_t>(nCount));
    std::iota(order.begin(), order.end(), 0);
    Shuffle(order, random);
    for (const int n : order)
        Relink(n);
}

int CDrawMatching::Search(int nStart)
{
    m_queue.assign(1, nStart);
    m_queued[size_t(nStart)] = 1;
    m_reached.clear();
    int nFound = -1;
    for (size_t i = 0; i < m_queue.size() && nFound < 0; ++i)
        nFound = Visit(m_queue[i]);
    for (const int nGiver : m_queue)
        m_queued[size_t(nGiver)] = 0;
    if (nFound >= 0)
        return nFound;
    m_blockedGivers.insert(m_blockedGivers.end(), m_queue.begin(), m_queue.end());
    m_blockedRecipients.insert(m_blockedRecipients.end(), m_reached.begin(), m_reached.end());
    return -1;
}

int CDrawMatching::Visit(int nGiver)
{
    // Persons of other blocks are never himself nor of his group: only bars stop him.
    const int nSentinel = int(m_head.size());
    const int nOwnBlock = m_blockOf[size_t(nGiver)];
    for (int nBlock = m_nextBlock[size_t(nSentinel)]; nBlock != nSentinel;) {
        const int nNextBlock = m_nextBlock[size_t(nBlock)];
        for (int n = nBlock == nOwnBlock ? -1 : m_head[size_t(nBlock)]; n >= 0;) {
            const int nFollowing = m_next[size_t(n)];
            if (m_graph.Barred(nGiver, n) == 0) {
                Unlink(n);
                m_reachedBy[size_t(n)] = nGiver;
                m_reached.push_back(n);
                const int nMate = m_giverOf[size_t(n)];
                if (nMate < 0)
                    return n;
                if (!m_queued[size_t(nMate)])
                    m_queued[size_t(nMate)] = 1, m_queue.push_back(nMate);
            }
            n = nFollowing;
        }
        nBlock = nNextBlock;
    }
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
    const int nBlock = m_blockOf[size_t(nRecipient)];
    const int nPrev = m_prev[size_t(nRecipient)];
    const int nNext = m_next[size_t(nRecipient)];
    (nPrev >= 0 ? m_next[size_t(nPrev)] : m_head[size_t(nBlock)]) = nNext;
    if (nNext >= 0)
        m_prev[size_t(nNext)] = nPrev;
    if (m_head[size_t(nBlock)] >= 0)
        return;
    const int nPrevBlock = m_prevBlock[size_t(nBlock)];
    const int nNextBlock = m_nextBlock[size_t(nBlock)];
    m_nextBlock[size_t(nPrevBlock)] = nNextBlock;
    m_prevBlock[size_t(nNextBlock)] = nPrevBlock;
}

void CDrawMatching::Relink(int nRecipient)
{
    const int nBlock = m_blockOf[size_t(nRecipient)];
    const int nHead = m_head[size_t(nBlock)];
    m_next[size_t(nRecipient)] = nHead;
    m_prev[size_t(nRecipient)] = -1;
    m_head[size_t(nBlock)] = nRecipient;
    if (nHead >= 0) {
        m_prev[size_t(nHead)] = nRecipient;
        return;
    }
    // The block waits again, at the front of the blocks.
    const int nSentinel = int(m_head.size());
    const int nFirst = m_nextBlock[size_t(nSentinel)];
    m_nextBlock[size_t(nBlock)] = nFirst;
    m_prevBlock[size_t(nBlock)] = nSentinel;
    m_prevBlock[size_t(nFirst)] = nBlock;
    m_nextBlock[size_t(nSentinel)] = nBlock;
}
