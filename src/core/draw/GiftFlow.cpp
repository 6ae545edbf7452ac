#include "draw/GiftFlow.h"

#include "draw/DrawGraph.h"
#include "draw/Shuffle.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

void Replace(std::vector<int>& values, int nOld, int nNew)
{
    *std::find(values.begin(), values.end(), nOld) = nNew;
}

} // namespace

CGiftFlow::CGiftFlow(const CDrawGraph& graph, const CGiftCounts& counts)
    : m_graph(graph), m_counts(counts)
{
    for (int n = 0; n < graph.Count(); ++n) {
        if (graph.Gives(n))
            m_givers.push_back(n);
        if (graph.Receives(n))
            m_receivers.push_back(n);
    }
}

bool CGiftFlow::Complete(CGifts& gifts, QRandomGenerator& random, bool bNoMutual)
{
    const int nCount = m_graph.Count();
    m_bNoMutual = bNoMutual;
    m_gifts = gifts;
    m_gifts.resize(size_t(nCount));
    m_giversOf.assign(size_t(nCount), {});
    for (int nGiver = 0; nGiver < nCount; ++nGiver) {
        for (const int nReceiver : m_gifts[size_t(nGiver)])
            m_giversOf[size_t(nReceiver)].push_back(nGiver);
    }
    m_giverVia.assign(size_t(nCount), -1);
    m_receiverVia.assign(size_t(nCount), -1);
    m_reached.assign(size_t(nCount), 0);
    m_blockedGivers.clear();
    m_blockedReceivers.clear();

    std::vector<int> order = m_receivers;
    Shuffle(order, random);
    m_waitingReceivers.Reset(order, nCount);
    order = m_givers;
    Shuffle(order, random);
    for (const int nGiver : order) {
        while (int(m_gifts[size_t(nGiver)].size()) < m_counts.m_nGifts) {
            if (!Serve(nGiver, random)) {
                m_bGiversShort = true;
                return false;
            }
        }
    }
    order = m_givers;
    Shuffle(order, random);
    m_waitingGivers.Reset(order, nCount);
    order = m_receivers;
    Shuffle(order, random);
    for (const int nReceiver : order) {
        while (int(m_giversOf[size_t(nReceiver)].size()) < m_counts.m_nLow) {
            if (!Fill(nReceiver)) {
                m_bGiversShort = false;
                return false;
            }
        }
    }
    gifts = m_gifts;
    return true;
}

bool CGiftFlow::MayAdd(int nGiver, int nReceiver) const
{
    return m_graph.Allows(nGiver, nReceiver) && !Contains(m_gifts[size_t(nGiver)], nReceiver) &&
           !(m_bNoMutual && Contains(m_gifts[size_t(nReceiver)], nGiver));
}

bool CGiftFlow::Serve(int nStart, QRandomGenerator& random)
{
    // Givers reached, each through the receiver he would hand a gift on from (-1: the start);
    // receivers reached, each from the giver who would take him.
    std::vector<int> givers{nStart};
    std::vector<int> receivers;
    m_reached[size_t(nStart)] = 1;
    m_giverVia[size_t(nStart)] = -1;
    int nFree = -1;
    int nFreeFrom = -1;
    for (size_t i = 0; i < givers.size() && nFree < 0; ++i) {
        const int nGiver = givers[i];
        const std::vector<int>& waiting = m_waitingReceivers.Members();
        // A receiver with room ends the path; those without go on through their givers. The
        // look starts at a random place, so that the drawing completed is a random one.
        const size_t nWaiting = waiting.size();
        const size_t nFirst = nWaiting == 0 ? 0 : random.bounded(quint32(nWaiting));
        for (size_t k = 0; k < nWaiting; ++k) {
            const int nReceiver = waiting[(nFirst + k) % nWaiting];
            if (int(m_giversOf[size_t(nReceiver)].size()) < m_counts.m_nHigh &&
                MayAdd(nGiver, nReceiver)) {
                nFree = nReceiver;
                nFreeFrom = nGiver;
                break;
            }
        }
        if (nFree >= 0)
            break;
        for (size_t k = 0; k < waiting.size();) {
            const int nReceiver = waiting[k];
            if (!MayAdd(nGiver, nReceiver)) {
                ++k;
                continue;
            }
            m_waitingReceivers.Remove(nReceiver);
            receivers.push_back(nReceiver);
            m_receiverVia[size_t(nReceiver)] = nGiver;
            for (const int nOther : m_giversOf[size_t(nReceiver)]) {
                if (m_reached[size_t(nOther)])
                    continue;
                m_reached[size_t(nOther)] = 1;
                m_giverVia[size_t(nOther)] = nReceiver;
                givers.push_back(nOther);
            }
        }
    }
    for (const int nGiver : givers)
        m_reached[size_t(nGiver)] = 0;
    for (const int nReceiver : receivers)
        m_waitingReceivers.Add(nReceiver);
    if (nFree < 0) {
        m_blockedGivers = givers;
        return false;
    }
    // Each giver on the path takes the receiver found for him and hands on the one before.
    for (int nGiver = nFreeFrom, nTo = nFree; nGiver >= 0;) {
        const int nFrom = m_giverVia[size_t(nGiver)];
        if (nFrom < 0) {
            AddGift(nGiver, nTo);
            break;
        }
        MoveGift(nGiver, nFrom, nTo);
        nTo = nFrom;
        nGiver = m_receiverVia[size_t(nFrom)];
    }
    return true;
}

bool CGiftFlow::Fill(int nStart)
{
    // Receivers reached, each from the giver who would move away from him (-1: the start);
    // givers reached, each through the receiver he would give to instead.
    std::vector<int> receivers{nStart};
    std::vector<int> givers;
    m_reached[size_t(nStart)] = 1;
    m_receiverVia[size_t(nStart)] = -1;
    int nMover = -1;
    int nSpare = -1;
    for (size_t i = 0; i < receivers.size() && nMover < 0; ++i) {
        const int nReceiver = receivers[i];
        const std::vector<int>& waiting = m_waitingGivers.Members();
        for (size_t k = 0; k < waiting.size() && nMover < 0;) {
            const int nGiver = waiting[k];
            if (!MayAdd(nGiver, nReceiver)) {
                ++k;
                continue;
            }
            m_waitingGivers.Remove(nGiver);
            givers.push_back(nGiver);
            m_giverVia[size_t(nGiver)] = nReceiver;
            // A receiver of his beyond the least can spare the gift; the others go on.
            for (const int nOwn : m_gifts[size_t(nGiver)]) {
                if (int(m_giversOf[size_t(nOwn)].size()) > m_counts.m_nLow) {
                    nMover = nGiver;
                    nSpare = nOwn;
                    break;
                }
                if (m_reached[size_t(nOwn)])
                    continue;
                m_reached[size_t(nOwn)] = 1;
                m_receiverVia[size_t(nOwn)] = nGiver;
                receivers.push_back(nOwn);
            }
        }
    }
    for (const int nReceiver : receivers)
        m_reached[size_t(nReceiver)] = 0;
    for (const int nGiver : givers)
        m_waitingGivers.Add(nGiver);
    if (nMover < 0) {
        m_blockedReceivers = receivers;
        return false;
    }
    for (int nGiver = nMover, nFrom = nSpare; nGiver >= 0;) {
        const int nTo = m_giverVia[size_t(nGiver)];
        MoveGift(nGiver, nFrom, nTo);
        nFrom = nTo;
        nGiver = m_receiverVia[size_t(nTo)];
    }
    return true;
}

void CGiftFlow::AddGift(int nGiver, int nReceiver)
{
    m_gifts[size_t(nGiver)].push_back(nReceiver);
    m_giversOf[size_t(nReceiver)].push_back(nGiver);
}

void CGiftFlow::MoveGift(int nGiver, int nFrom, int nTo)
{
    Replace(m_gifts[size_t(nGiver)], nFrom, nTo);
    std::vector<int>& fromGivers = m_giversOf[size_t(nFrom)];
    fromGivers.erase(std::find(fromGivers.begin(), fromGivers.end(), nGiver));
    m_giversOf[size_t(nTo)].push_back(nGiver);
}
