#include "draw/GiftRepair.h"

#include "draw/DrawGraph.h"
#include "draw/Shuffle.h"

#include <QRandomGenerator>

#include <algorithm>
#include <limits>
#include <numeric>
#include <queue>

namespace {

constexpr int kUnreached = std::numeric_limits<int>::max() / 2;
// In place of a person: the node the gifts beyond the least pass through.
constexpr int kBeyond = -1;
constexpr int kNone = -2;

// A step of the search for the shortest path: a receiver reached, a giver reached (the pairs
// he had looked at), a giver's other pairs looked at — put off while no path through them
// can be as short as the others — or the node of the gifts beyond the least reached. Steps
// as far go in a random order, so that any of the shortest paths may be taken.
struct CStep
{
    enum EKind
    {
        receiver,
        giver,
        giverScan,
        beyond,
    };
    int m_nDistance;
    quint32 m_nOrder;
    EKind m_kind;
    int m_nPerson;
    // A scan reaches nothing nearer than where it starts: the other steps as far go first.
    bool operator>(const CStep& other) const
    {
        if (m_nDistance != other.m_nDistance)
            return m_nDistance > other.m_nDistance;
        if ((m_kind == giverScan) != (other.m_kind == giverScan))
            return m_kind == giverScan;
        return m_nOrder > other.m_nOrder;
    }
};

} // namespace

CGiftRepair::CGiftRepair(const CDrawGraph& graph, const CGiftCounts& counts)
    : m_graph(graph), m_counts(counts)
{
}

CGiftRepair::EResult CGiftRepair::Run(const CGifts& had, QRandomGenerator& random, CGifts& gifts)
{
    m_nCount = m_graph.Count();
    const size_t nCount = size_t(m_nCount);
    m_pHad = &had;
    m_pRandom = &random;
    m_gifts.assign(nCount, {});
    m_giversOf.assign(nCount, {});
    m_beyond.assign(nCount, 0);
    m_nBeyond = 0;
    m_giverPotential.assign(nCount, 0);
    m_receiverPotential.assign(nCount, 0);
    m_nBeyondPotential = 0;
    m_nWork = 0;
    Keep();
    std::vector<int> givers;
    for (int n = 0; n < m_nCount; ++n) {
        if (m_graph.Gives(n))
            givers.push_back(n);
    }
    Shuffle(givers, random);
    for (const int nGiver : givers) {
        while (int(m_gifts[size_t(nGiver)].size()) < m_counts.m_nGifts) {
            if (const EResult result = Augment(nGiver); result != EResult::Repaired)
                return result;
        }
    }
    gifts = m_gifts;
    return EResult::Repaired;
}

int CGiftRepair::Cost(int nGiver, int nReceiver) const
{
    return Contains((*m_pHad)[size_t(nGiver)], nReceiver) ? 0 : 1;
}

bool CGiftRepair::MayAdd(int nGiver, int nReceiver) const
{
    return m_graph.Receives(nReceiver) && m_graph.Allows(nGiver, nReceiver) &&
           !Contains(m_gifts[size_t(nGiver)], nReceiver);
}

int CGiftRepair::Short(int nReceiver) const
{
    return m_counts.m_nLow -
           (int(m_giversOf[size_t(nReceiver)].size()) - int(m_beyond[size_t(nReceiver)]));
}

void CGiftRepair::Keep()
{
    // Of givers who had the same receiver when he can keep fewer, random ones keep him.
    std::vector<int> givers(static_cast<size_t>(m_nCount));
    std::iota(givers.begin(), givers.end(), 0);
    Shuffle(givers, *m_pRandom);
    for (const int nGiver : givers) {
        if (!m_graph.Gives(nGiver))
            continue;
        for (const int nReceiver : (*m_pHad)[size_t(nGiver)]) {
            const int nReceived = int(m_giversOf[size_t(nReceiver)].size());
            if (int(m_gifts[size_t(nGiver)].size()) < m_counts.m_nGifts &&
                MayAdd(nGiver, nReceiver) && HasRoom(m_counts, nReceived, m_nBeyond)) {
                Add(nGiver, nReceiver);
                if (nReceived + 1 > m_counts.m_nLow) {
                    m_beyond[size_t(nReceiver)] = 1;
                    ++m_nBeyond;
                }
            }
        }
    }
}

CGiftRepair::EResult CGiftRepair::Augment(int nStart)
{
    const size_t nCount = size_t(m_nCount);
    const bool bSpread = m_counts.m_nHigh > m_counts.m_nLow;
    m_nWork += m_nCount;
    std::vector<int> giverDistance(nCount, kUnreached);
    std::vector<int> receiverDistance(nCount, kUnreached);
    int nBeyondDistance = kUnreached;
    std::vector<int> receiverVia(nCount, kNone); // the giver before him, or kBeyond
    std::vector<int> giverVia(nCount, kNone);    // the receiver before him
    int nBeyondVia = kNone;
    std::vector<char> giverDone(nCount, 0);
    std::vector<char> receiverDone(nCount, 0);
    bool bBeyondDone = false;
    std::priority_queue<CStep, std::vector<CStep>, std::greater<>> steps;
    const auto push = [&](int nDistance, CStep::EKind kind, int nPerson) {
        steps.push({nDistance, m_pRandom->generate(), kind, nPerson});
    };
    int nHighestReceiver = -kUnreached;
    for (int n = 0; n < m_nCount; ++n) {
        if (m_graph.Receives(n))
            nHighestReceiver = std::max(nHighestReceiver, m_receiverPotential[size_t(n)]);
    }
    const auto reach = [&](int nFrom, int nReceiver, int nDistance) {
        if (receiverDone[size_t(nReceiver)] || nDistance >= receiverDistance[size_t(nReceiver)])
            return;
        receiverDistance[size_t(nReceiver)] = nDistance;
        receiverVia[size_t(nReceiver)] = nFrom;
        push(nDistance, CStep::receiver, nReceiver);
    };
    const auto pair = [&](int nGiver, int nReceiver) {
        reach(nGiver, nReceiver,
              giverDistance[size_t(nGiver)] + Cost(nGiver, nReceiver) +
                  m_giverPotential[size_t(nGiver)] - m_receiverPotential[size_t(nReceiver)]);
    };
    const auto scan = [&](int nGiver) {
        m_nWork += m_nCount;
        for (int nReceiver = 0; nReceiver < m_nCount; ++nReceiver) {
            if (!receiverDone[size_t(nReceiver)] && MayAdd(nGiver, nReceiver))
                pair(nGiver, nReceiver);
        }
    };

    // Until the first node that still lacks a gift comes up: a receiver short of the least,
    // or the gifts beyond it while some are left.
    int nBest = kUnreached;
    int nTarget = kNone;
    giverDistance[size_t(nStart)] = 0;
    push(0, CStep::giver, nStart);
    while (!steps.empty() && nTarget == kNone && m_nWork <= kWork) {
        const CStep step = steps.top();
        steps.pop();
        const int n = step.m_nPerson;
        switch (step.m_kind) {
        case CStep::receiver:
            if (receiverDone[size_t(n)] || step.m_nDistance > receiverDistance[size_t(n)])
                break;
            receiverDone[size_t(n)] = 1;
            if (Short(n) > 0) {
                nBest = step.m_nDistance;
                nTarget = n;
                break;
            }
            // Back to a giver who gives to him, who then gives elsewhere.
            for (const int nGiver : m_giversOf[size_t(n)]) {
                const int nDistance = step.m_nDistance - Cost(nGiver, n) +
                                      m_receiverPotential[size_t(n)] -
                                      m_giverPotential[size_t(nGiver)];
                if (!giverDone[size_t(nGiver)] && nDistance < giverDistance[size_t(nGiver)]) {
                    giverDistance[size_t(nGiver)] = nDistance;
                    giverVia[size_t(nGiver)] = n;
                    push(nDistance, CStep::giver, nGiver);
                }
            }
            // On to the gifts beyond the least.
            if (bSpread && !m_beyond[size_t(n)] && !bBeyondDone) {
                const int nDistance =
                    step.m_nDistance + m_receiverPotential[size_t(n)] - m_nBeyondPotential;
                if (nDistance < nBeyondDistance) {
                    nBeyondDistance = nDistance;
                    nBeyondVia = n;
                    push(nDistance, CStep::beyond, kBeyond);
                }
            }
            break;
        case CStep::giver: {
            if (giverDone[size_t(n)] || step.m_nDistance > giverDistance[size_t(n)])
                break;
            giverDone[size_t(n)] = 1;
            for (const int nReceiver : (*m_pHad)[size_t(n)]) {
                if (MayAdd(n, nReceiver))
                    pair(n, nReceiver);
            }
            // No new pair of his costs less than this: they wait until a path that long
            // could still be among the shortest.
            const int nLeast = 1 + m_giverPotential[size_t(n)] - nHighestReceiver;
            if (nLeast > 0)
                push(step.m_nDistance + nLeast, CStep::giverScan, n);
            else
                scan(n);
            break;
        }
        case CStep::giverScan:
            scan(n);
            break;
        case CStep::beyond:
            if (bBeyondDone || step.m_nDistance > nBeyondDistance)
                break;
            bBeyondDone = true;
            if (m_nBeyond < m_counts.m_nExtras) {
                nBest = step.m_nDistance;
                nTarget = kBeyond;
                break;
            }
            // Back to a receiver beyond the least, who then takes one gift fewer.
            for (int nReceiver = 0; nReceiver < m_nCount; ++nReceiver) {
                if (m_beyond[size_t(nReceiver)])
                    reach(kBeyond, nReceiver,
                          step.m_nDistance + m_nBeyondPotential -
                              m_receiverPotential[size_t(nReceiver)]);
            }
            break;
        }
    }
    if (nTarget == kNone)
        return m_nWork > kWork ? EResult::OutOfBound : EResult::Impossible;

    // The path turned over, from its end back to the giver it started from.
    int nReceiver = nTarget;
    if (nTarget == kBeyond) {
        nReceiver = nBeyondVia;
        m_beyond[size_t(nReceiver)] = 1;
        ++m_nBeyond;
    }
    for (;;) {
        const int nVia = receiverVia[size_t(nReceiver)];
        if (nVia == kBeyond) {
            m_beyond[size_t(nReceiver)] = 0;
            nReceiver = nBeyondVia;
            m_beyond[size_t(nReceiver)] = 1;
            continue;
        }
        Add(nVia, nReceiver);
        if (nVia == nStart)
            break;
        nReceiver = giverVia[size_t(nVia)];
        Drop(nVia, nReceiver);
    }
    // Potentials that keep every reduced cost from being negative for the next path.
    for (size_t n = 0; n < nCount; ++n) {
        m_giverPotential[n] += std::min(giverDistance[n], nBest);
        m_receiverPotential[n] += std::min(receiverDistance[n], nBest);
    }
    m_nBeyondPotential += std::min(nBeyondDistance, nBest);
    return EResult::Repaired;
}

void CGiftRepair::Add(int nGiver, int nReceiver)
{
    m_gifts[size_t(nGiver)].push_back(nReceiver);
    m_giversOf[size_t(nReceiver)].push_back(nGiver);
}

void CGiftRepair::Drop(int nGiver, int nReceiver)
{
    std::vector<int>& gifts = m_gifts[size_t(nGiver)];
    gifts.erase(std::find(gifts.begin(), gifts.end(), nReceiver));
    std::vector<int>& givers = m_giversOf[size_t(nReceiver)];
    givers.erase(std::find(givers.begin(), givers.end(), nGiver));
}
