#include "GreedyDraw.h"

#include "DrawGraph.h"

#include <QRandomGenerator>

#include <numeric>

namespace {

// Rejections before a giver's candidates are counted out. Rejection sampling costs about
// left/allowed picks, so it only loses against a scan when few of those left are allowed.
constexpr int kMaxRejections = 24;

} // namespace

CGreedyDraw::CGreedyDraw(const CDrawGraph& graph) : m_graph(graph) {}

bool CGreedyDraw::Run(QRandomGenerator& random, bool bGoOn)
{
    const int nCount = m_graph.Count();
    m_recipient.assign(size_t(nCount), -1);
    m_left.resize(size_t(nCount));
    std::iota(m_left.begin(), m_left.end(), 0);
    m_position = m_left;
    bool bComplete = true;
    for (const int nGiver : m_graph.GiverOrder()) {
        const int nPick = PickFor(nGiver, random);
        if (nPick < 0) {
            bComplete = false;
            if (!bGoOn)
                return false;
            continue;
        }
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
    m_allowed.clear();
    for (const int nCandidate : m_left) {
        if (m_graph.Allows(nGiver, nCandidate))
            m_allowed.push_back(nCandidate);
    }
    m_nSteps += nLeft;
    if (m_allowed.empty())
        return -1;
    return m_allowed[random.bounded(quint32(m_allowed.size()))];
}

void CGreedyDraw::Take(int nRecipient)
{
    // Swapped with the last one left: the order of those left does not matter to a uniform pick.
    const int nPlace = m_position[size_t(nRecipient)];
    const int nLast = m_left.back();
    m_left[size_t(nPlace)] = nLast;
    m_position[size_t(nLast)] = nPlace;
    m_left.pop_back();
}
