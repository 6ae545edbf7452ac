#include "draw/GreedyDraw.h"

#include "draw/DrawGraph.h"

#include <QRandomGenerator>

#include <numeric>

namespace {

// Rejections before a giver's pick is made among his allowed persons directly. Rejection
// sampling costs about left/allowed picks, so it only loses when few of those left are allowed.
constexpr int kMaxRejections = 24;
// So few left that looking at each of them costs less than counting.
constexpr quint32 kScanLimit = 64;

} // namespace

CGreedyDraw::CGreedyDraw(const CDrawGraph& graph) : m_graph(graph) {}

bool CGreedyDraw::Run(QRandomGenerator& random, bool bGoOn, bool bNoMutual)
{
    const int nCount = m_graph.Count();
    m_recipient.assign(size_t(nCount), -1);
    m_left.resize(size_t(nCount));
    std::iota(m_left.begin(), m_left.end(), 0);
    m_position = m_left;
    m_bCounted = false;
    bool bComplete = true;
    for (const int nGiver : m_graph.GiverOrder()) {
        const int nPick = PickFor(nGiver, random);
        if (nPick < 0) {
            bComplete = false;
            if (!bGoOn)
                return false;
            continue;
        }
        if (bNoMutual && m_recipient[size_t(nPick)] == nGiver)
            return false;
        m_recipient[size_t(nGiver)] = nPick;
        Take(nPick);
    }
    return bComplete;
}

int CGreedyDraw::PickFor(int nGiver, QRandomGenerator& random)
{
    const auto nLeft = quint32(m_left.size());
    if (nLeft == 0)
        return -1;
    for (int nTry = 0; nTry < kMaxRejections; ++nTry) {
        ++m_nSteps;
        const int nCandidate = m_left[random.bounded(nLeft)];
        if (m_graph.Allows(nGiver, nCandidate))
            return nCandidate;
    }
    if (nLeft > kScanLimit)
        return PickCounted(nGiver, random);
    m_nSteps += nLeft;
    int allowed[kScanLimit];
    quint32 nAllowed = 0;
    for (const int nCandidate : m_left) {
        if (m_graph.Allows(nGiver, nCandidate))
            allowed[nAllowed++] = nCandidate;
    }
    return nAllowed == 0 ? -1 : allowed[random.bounded(nAllowed)];
}

int CGreedyDraw::PickCounted(int nGiver, QRandomGenerator& random)
{
    if (!m_bCounted)
        BuildCounts();
    // Those he may not draw, as ranges of ranks among the persons left, in rank order: his
    // group (or himself) is one range of person numbers, and his bars are sorted by number.
    struct CRange
    {
        int m_nRank;
        int m_nSize;
    };
    const int nGroup = m_graph.Group(nGiver);
    const int nLow = nGroup < 0 ? nGiver : m_graph.Members(nGroup).front();
    const int nHigh = nGroup < 0 ? nGiver + 1 : m_graph.Members(nGroup).back() + 1;
    const int nLowRank = CountBefore(nLow);
    const CRange own{nLowRank, CountBefore(nHigh) - nLowRank};
    std::vector<CRange> ranges;
    bool bOwnAdded = false;
    for (const CDrawGraph::CBar* pBar = m_graph.BarsBegin(nGiver); pBar != m_graph.BarsEnd(nGiver);
         ++pBar) {
        const int nBarred = pBar->m_nRecipient;
        ++m_nSteps;
        if (m_position[size_t(nBarred)] < 0 || (nBarred >= nLow && nBarred < nHigh))
            continue;
        if (nBarred >= nHigh && !bOwnAdded)
            ranges.push_back(own), bOwnAdded = true;
        ranges.push_back({CountBefore(nBarred), 1});
    }
    if (!bOwnAdded)
        ranges.push_back(own);
    int nAllowed = int(m_left.size());
    for (const CRange& range : ranges)
        nAllowed -= range.m_nSize;
    if (nAllowed <= 0)
        return -1;
    int nRank = int(random.bounded(quint32(nAllowed)));
    for (const CRange& range : ranges) {
        if (range.m_nRank > nRank)
            break;
        nRank += range.m_nSize;
    }
    return Select(nRank);
}

void CGreedyDraw::Take(int nRecipient)
{
    // Swapped with the last one left: the order of those left does not matter to a uniform pick.
    const int nPlace = m_position[size_t(nRecipient)];
    const int nLast = m_left.back();
    m_left[size_t(nPlace)] = nLast;
    m_position[size_t(nLast)] = nPlace;
    m_left.pop_back();
    m_position[size_t(nRecipient)] = -1;
    if (!m_bCounted)
        return;
    const auto nSize = m_counts.size();
    for (size_t i = size_t(nRecipient) + 1; i < nSize; i += i & (~i + 1))
        --m_counts[i];
}

void CGreedyDraw::BuildCounts()
{
    const size_t nCount = m_position.size();
    m_counts.assign(nCount + 1, 0);
    for (size_t i = 1; i <= nCount; ++i) {
        m_counts[i] += m_position[i - 1] >= 0 ? 1 : 0;
        const size_t nParent = i + (i & (~i + 1));
        if (nParent <= nCount)
            m_counts[nParent] += m_counts[i];
    }
    m_nHighBit = 1;
    while (size_t(m_nHighBit) * 2 <= nCount)
        m_nHighBit *= 2;
    m_bCounted = true;
    m_nSteps += qint64(nCount);
}

int CGreedyDraw::CountBefore(int nPerson) const
{
    int nSum = 0;
    for (size_t i = size_t(nPerson); i > 0; i &= i - 1)
        nSum += m_counts[i];
    return nSum;
}

int CGreedyDraw::Select(int nRank) const
{
    size_t nPosition = 0;
    const size_t nSize = m_counts.size() - 1;
    for (size_t nBit = size_t(m_nHighBit); nBit > 0; nBit >>= 1) {
        if (nPosition + nBit <= nSize && m_counts[nPosition + nBit] <= nRank) {
            nPosition += nBit;
            nRank -= m_counts[nPosition];
        }
    }
    return int(nPosition);
}
