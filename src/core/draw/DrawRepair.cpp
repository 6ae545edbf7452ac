#include "draw/DrawRepair.h"

#include "draw/DrawGraph.h"
#include "draw/Shuffle.h"

#include <QRandomGenerator>

#include <algorithm>
#include <limits>
#include <numeric>
#include <queue>

namespace {

constexpr double kUnreached = std::numeric_limits<double>::infinity();

// A pair's weight in [0, 1), the same every time it is asked for within one repair: the
// pairs are too many to draw their weights beforehand.
double Weight(quint64 nSeed, int nGiver, int nRecipient)
{
    quint64 n = nSeed ^ (quint64(quint32(nGiver)) << 32 | quint32(nRecipient));
    n += 0x9e3779b97f4a7c15ULL; // splitmix64
    n = (n ^ (n >> 30)) * 0xbf58476d1ce4e5b9ULL;
    n = (n ^ (n >> 27)) * 0x94d049bb133111ebULL;
    n ^= n >> 31;
    return double(n >> 11) * 0x1.0p-53;
}

// A step of the search for the shortest augmenting path: a recipient reached, a giver reached
// (his pairs to free recipients looked at), or a giver's other pairs looked at — put off
// while no path through them can be shorter than one found.
struct CStep
{
    enum EKind
    {
        recipient,
        giver,
        giverScan,
    };
    double m_nDistance;
    EKind m_kind;
    int m_nPerson;
    bool operator>(const CStep& other) const { return m_nDistance > other.m_nDistance; }
};

} // namespace

CDrawRepair::CDrawRepair(const CDrawGraph& graph, const CDrawRules& rules, qint64 nSearchWork)
    : m_graph(graph), m_rules(rules), m_nSearchWork(nSearchWork)
{
}

CDrawRepair::EResult CDrawRepair::Run(const std::vector<int>& had, const std::vector<char>& hadAny,
                                      QRandomGenerator& random, std::vector<int>& recipients)
{
    m_nCount = m_graph.Count();
    m_pHad = &had;
    m_pHadAny = &hadAny;
    m_nSeed = random.generate64();
    // All weights of a drawing together stay below one change.
    m_nWeightScale = 1.0 / (m_nCount + 1);
    if (!Assign(random))
        return EResult::Impossible;
    EResult result = EResult::Repaired;
    if ((m_rules.m_bNoMutual || m_rules.m_bOneCircle) && !HasShape())
        result = SearchShaped(random);
    if (result != EResult::Repaired)
        return result;
    recipients = m_recipientOf;
    m_nChanges = 0;
    for (int n = 0; n < m_nCount; ++n)
        m_nChanges += hadAny[size_t(n)] && recipients[size_t(n)] != had[size_t(n)] ? 1 : 0;
    return result;
}

double CDrawRepair::Cost(int nGiver, int nRecipient) const
{
    if ((*m_pHad)[size_t(nGiver)] == nRecipient)
        return 0;
    return ((*m_pHadAny)[size_t(nGiver)] ? 1.0 : 0.0) +
           m_nWeightScale * Weight(m_nSeed, nGiver, nRecipient);
}

bool CDrawRepair::Assign(QRandomGenerator& random)
{
    const size_t nCount = size_t(m_nCount);
    m_recipientOf.assign(nCount, -1);
    m_giverOf.assign(nCount, -1);
    m_giverPotential.assign(nCount, 0);
    m_recipientPotential.assign(nCount, 0);
    // Every pair that still keeps the rules is kept to start with: they cost nothing, so no
    // cheaper assignment of as many pairs exists. Of two givers who had the same recipient,
    // a random one keeps him.
    std::vector<int> givers(nCount);
    std::iota(givers.begin(), givers.end(), 0);
    Shuffle(givers, random);
    for (const int nGiver : givers) {
        const int nHad = (*m_pHad)[size_t(nGiver)];
        if (nHad >= 0 && m_giverOf[size_t(nHad)] < 0 && m_graph.Allows(nGiver, nHad)) {
            m_recipientOf[size_t(nGiver)] = nHad;
            m_giverOf[size_t(nHad)] = nGiver;
        }
    }
    m_freeRecipients.clear();
    for (int n = 0; n < m_nCount; ++n) {
        if (m_giverOf[size_t(n)] < 0)
            m_freeRecipients.push_back(n);
    }
    for (const int nGiver : givers) {
        if (m_recipientOf[size_t(nGiver)] < 0 && !Augment(nGiver))
            return false;
    }
    return true;
}

bool CDrawRepair::Augment(int nStart)
{
    // Dijkstra over the pairs not taken (giver to recipient, at their cost) and the pairs
    // taken (recipient back to his giver, at minus their cost), on costs reduced by each
    // person's potential so that none is negative.
    const size_t nCount = size_t(m_nCount);
    std::vector<double> giverDistance(nCount, kUnreached);
    std::vector<double> recipientDistance(nCount, kUnreached);
    std::vector<int> reachedFrom(nCount, -1); // per recipient: the giver before him
    std::vector<char> giverDone(nCount, 0);
    std::vector<char> recipientDone(nCount, 0);
    std::priority_queue<CStep, std::vector<CStep>, std::greater<>> steps;
    const double nHighestRecipient =
        *std::max_element(m_recipientPotential.begin(), m_recipientPotential.end());
    double nBest = kUnreached;
    int nTarget = -1;

    const auto reach = [&](int nGiver, int nRecipient) {
        const double nDistance = giverDistance[size_t(nGiver)] + Cost(nGiver, nRecipient) +
                                 m_giverPotential[size_t(nGiver)] -
                                 m_recipientPotential[size_t(nRecipient)];
        if (nDistance >= recipientDistance[size_t(nRecipient)])
            return;
        recipientDistance[size_t(nRecipient)] = nDistance;
        reachedFrom[size_t(nRecipient)] = nGiver;
        if (m_giverOf[size_t(nRecipient)] < 0 && nDistance < nBest) {
            nBest = nDistance;
            nTarget = nRecipient;
        }
        steps.push({nDistance, CStep::recipient, nRecipient});
    };
    const auto scan = [&](int nGiver) {
        for (int nRecipient = 0; nRecipient < m_nCount; ++nRecipient) {
            if (!recipientDone[size_t(nRecipient)] && nRecipient != m_recipientOf[size_t(nGiver)] &&
                m_graph.Allows(nGiver, nRecipient))
                reach(nGiver, nRecipient);
        }
    };

    giverDistance[size_t(nStart)] = 0;
    steps.push({0, CStep::giver, nStart});
    while (!steps.empty()) {
        const CStep step = steps.top();
        steps.pop();
        if (step.m_nDistance >= nBest)
            break;
        const int n = step.m_nPerson;
        if (step.m_kind == CStep::recipient) {
            if (recipientDone[size_t(n)] || step.m_nDistance > recipientDistance[size_t(n)])
                continue;
            recipientDone[size_t(n)] = 1;
            const int nGiver = m_giverOf[size_t(n)];
            const double nDistance = step.m_nDistance - Cost(nGiver, n) +
                                     m_recipientPotential[size_t(n)] -
                                     m_giverPotential[size_t(nGiver)];
            if (!giverDone[size_t(nGiver)] && nDistance < giverDistance[size_t(nGiver)]) {
                giverDistance[size_t(nGiver)] = nDistance;
                steps.push({nDistance, CStep::giver, nGiver});
            }
        } else if (step.m_kind == CStep::giver) {
            if (giverDone[size_t(n)] || step.m_nDistance > giverDistance[size_t(n)])
                continue;
            giverDone[size_t(n)] = 1;
            for (const int nFree : m_freeRecipients) {
                if (m_graph.Allows(n, nFree))
                    reach(n, nFree);
            }
            // No pair of his costs less than this: his others wait until a path that long
            // could still be the shortest.
            const int nHad = (*m_pHad)[size_t(n)];
            const bool bMayKeep = nHad >= 0 && m_recipientOf[size_t(n)] != nHad;
            const double nLeast = ((*m_pHadAny)[size_t(n)] && !bMayKeep ? 1.0 : 0.0) +
                                  m_giverPotential[size_t(n)] - nHighestRecipient;
            if (nLeast > 0)
                steps.push({step.m_nDistance + nLeast, CStep::giverScan, n});
            else
                scan(n);
        } else {
            scan(n);
        }
    }
    if (nTarget < 0)
        return false;

    // The path turned over: each giver on it takes the recipient after him.
    for (int nRecipient = nTarget;;) {
        const int nGiver = reachedFrom[size_t(nRecipient)];
        const int nBefore = m_recipientOf[size_t(nGiver)];
        m_recipientOf[size_t(nGiver)] = nRecipient;
        m_giverOf[size_t(nRecipient)] = nGiver;
        if (nGiver == nStart)
            break;
        nRecipient = nBefore;
    }
    m_freeRecipients.erase(std::find(m_freeRecipients.begin(), m_freeRecipients.end(), nTarget));
    // Potentials that keep every reduced cost from being negative for the next path.
    for (size_t n = 0; n < nCount; ++n) {
        m_giverPotential[n] += std::min(giverDistance[n], nBest);
        m_recipientPotential[n] += std::min(recipientDistance[n], nBest);
    }
    return true;
}

bool CDrawRepair::HasShape() const
{
    if (m_rules.m_bNoMutual) {
        for (int n = 0; n < m_nCount; ++n) {
            if (m_recipientOf[size_t(m_recipientOf[size_t(n)])] == n)
                return false;
        }
    }
    if (!m_rules.m_bOneCircle || m_nCount == 0)
        return true;
    int nLength = 1;
    for (int n = m_recipientOf[0]; n != 0; n = m_recipientOf[size_t(n)])
        ++nLength;
    return nLength == m_nCount;
}

CDrawRepair::EResult CDrawRepair::SearchShaped(QRandomGenerator& random)
{
    const int nLeast = [this] {
        int nChanges = 0;
        for (int n = 0; n < m_nCount; ++n)
            nChanges +=
                (*m_pHadAny)[size_t(n)] && m_recipientOf[size_t(n)] != (*m_pHad)[size_t(n)] ? 1 : 0;
        return nChanges;
    }();
    // Givers who must change first, so that the changes left run out early; each tries the
    // recipient he had first, then the others in a random order.
    m_searchOrder.resize(size_t(m_nCount));
    std::iota(m_searchOrder.begin(), m_searchOrder.end(), 0);
    Shuffle(m_searchOrder, random);
    std::stable_partition(m_searchOrder.begin(), m_searchOrder.end(), [this](int nGiver) {
        const int nHad = (*m_pHad)[size_t(nGiver)];
        return nHad < 0 || !m_graph.Allows(nGiver, nHad);
    });
    m_candidates.assign(size_t(m_nCount), {});
    for (int nGiver = 0; nGiver < m_nCount; ++nGiver) {
        std::vector<int>& candidates = m_candidates[size_t(nGiver)];
        const int nHad = (*m_pHad)[size_t(nGiver)];
        for (int nRecipient = 0; nRecipient < m_nCount; ++nRecipient) {
            if (nRecipient != nHad && m_graph.Allows(nGiver, nRecipient))
                candidates.push_back(nRecipient);
        }
        Shuffle(candidates, random);
        if (nHad >= 0 && m_graph.Allows(nGiver, nHad))
            candidates.insert(candidates.begin(), nHad);
    }
    m_nWork = 0;
    for (int nChanges = nLeast; nChanges <= m_nCount; ++nChanges) {
        m_recipientOf.assign(size_t(m_nCount), -1);
        m_giverOf.assign(size_t(m_nCount), -1);
        if (Extend(0, nChanges))
            return EResult::Repaired;
        if (m_nWork > m_nSearchWork)
            return EResult::OutOfBound;
    }
    return EResult::Impossible;
}

bool CDrawRepair::Extend(size_t nNext, int nChangesLeft)
{
    if (nNext == m_searchOrder.size())
        return !m_rules.m_bOneCircle || HasShape();
    if (++m_nWork > m_nSearchWork)
        return false;
    const int nGiver = m_searchOrder[nNext];
    const int nHad = (*m_pHad)[size_t(nGiver)];
    for (const int nRecipient : m_candidates[size_t(nGiver)]) {
        const int nCost = nRecipient != nHad && (*m_pHadAny)[size_t(nGiver)] ? 1 : 0;
        if (nCost > nChangesLeft || !MayGive(nGiver, nRecipient))
            continue;
        Link(nGiver, nRecipient);
        if (Extend(nNext + 1, nChangesLeft - nCost))
            return true;
        Unlink(nGiver);
        if (m_nWork > m_nSearchWork)
            return false;
    }
    return false;
}

bool CDrawRepair::MayGive(int nGiver, int nRecipient) const
{
    if (m_giverOf[size_t(nRecipient)] >= 0)
        return false;
    if (m_rules.m_bNoMutual && m_recipientOf[size_t(nRecipient)] == nGiver)
        return false;
    if (!m_rules.m_bOneCircle)
        return true;
    // In one circle, a pair may close a circle only through everybody.
    int nLength = 1;
    int n = nRecipient;
    for (; m_recipientOf[size_t(n)] >= 0; n = m_recipientOf[size_t(n)])
        ++nLength;
    m_nWork += nLength;
    return n != nGiver || nLength == m_nCount;
}

void CDrawRepair::Link(int nGiver, int nRecipient)
{
    m_recipientOf[size_t(nGiver)] = nRecipient;
    m_giverOf[size_t(nRecipient)] = nGiver;
}

void CDrawRepair::Unlink(int nGiver)
{
    m_giverOf[size_t(m_recipientOf[size_t(nGiver)])] = -1;
    m_recipientOf[size_t(nGiver)] = -1;
}
