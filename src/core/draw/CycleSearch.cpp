#include "draw/CycleSearch.h"

#include <QRandomGenerator>

#include <algorithm>
#include <bit>

CCycleSearch::CCycleSearch(const CBitRows& allowed, bool bOneCircle)
    : m_allowed(allowed), m_bOneCircle(bOneCircle), m_nCount(allowed.Count()),
      m_nWords(allowed.Words())
{
}

CCycleSearch::EOutcome CCycleSearch::Run(QRandomGenerator& random, qint64 nBudget,
                                         std::vector<int>& recipients)
{
    Reset(nBudget);
    for (int n = 0; n < m_nCount; ++n) {
        if (!Augment(n))
            return outcomeNone;
    }
    if (m_bOneCircle && !Connected())
        return outcomeNone;
    if (Node(random)) {
        recipients = m_recipient;
        return outcomeFound;
    }
    return m_bGaveUp ? outcomeGaveUp : outcomeNone;
}

void CCycleSearch::Reset(qint64 nBudget)
{
    const auto nCount = size_t(m_nCount);
    m_recipient.assign(nCount, -1);
    m_drawnBy.assign(nCount, -1);
    m_mate.assign(nCount, -1);
    m_mateOf.assign(nCount, -1);
    m_reachedBy.assign(nCount, -1);
    m_openGivers.assign(size_t(m_nWords), 0);
    for (int n = 0; n < m_nCount; ++n)
        m_openGivers[size_t(n / 64)] |= CBitRows::Bit(n);
    m_freeRecipients = m_openGivers;
    m_row.resize(size_t(m_nWords));
    m_seen.resize(size_t(m_nWords));
    m_nLeft = m_nCount;
    m_nWork = 0;
    m_nBudget = nBudget;
    m_bGaveUp = false;
    // The circle starts at the person with the fewest recipients: his choice is made first.
    int nFewest = m_nCount + 1;
    for (int n = 0; n < m_nCount; ++n) {
        const int nOut = CBitRows::Count(m_allowed.Row(n), m_nWords);
        if (nOut < nFewest)
            nFewest = nOut, m_nStart = n;
    }
    m_nEnd = m_nStart;
    m_endCandidates.assign(size_t(m_nWords), 0);
    m_index.assign(nCount, -1);
}

bool CCycleSearch::Node(QRandomGenerator& random)
{
    if (m_nWork > m_nBudget) {
        m_bGaveUp = true;
        return false;
    }
    const int nGiver = NextGiver();
    if (nGiver < 0)
        return true;
    Candidates(nGiver);
    if (m_bOneCircle) {
        for (int i = 0; i < m_nWords; ++i)
            m_row[size_t(i)] &= m_endCandidates[size_t(i)];
    }
    std::vector<int> candidates;
    CBitRows::Append(m_row.data(), m_nWords, candidates);
    for (size_t i = candidates.size(); i > 1; --i)
        std::swap(candidates[i - 1], candidates[random.bounded(quint32(i))]);
    Order(nGiver, candidates);
    const std::vector<int> mate = m_mate;
    const std::vector<int> mateOf = m_mateOf;
    for (const int nRecipient : candidates) {
        Assign(nGiver, nRecipient);
        if (Repair(nGiver, nRecipient) && (!m_bOneCircle || Connected()) && Node(random))
            return true;
        Unassign(nGiver, nRecipient);
        m_mate = mate;
        m_mateOf = mateOf;
        if (m_bGaveUp)
            return false;
    }
    return false;
}

void CCycleSearch::Order(int nGiver, std::vector<int>& candidates)
{
    if (!m_bOneCircle) {
        // The recipient of the matching first: it leaves the rest as drawable as it was.
        const auto it = std::find(candidates.begin(), candidates.end(), m_mate[size_t(nGiver)]);
        if (it != candidates.end())
            std::iter_swap(candidates.begin(), it);
        return;
    }
    // On a circle, those with the fewest ways on first (Warnsdorff): they are the ones that
    // would be stranded.
    std::vector<std::pair<int, int>> ways;
    for (const int nCandidate : candidates) {
        m_nWork += m_nWords;
        int nWays = 0;
        const quint64* pRow = m_allowed.Row(nCandidate);
        for (int i = 0; i < m_nWords; ++i)
            nWays += std::popcount(pRow[i] & m_freeRecipients[size_t(i)]);
        ways.emplace_back(nWays, nCandidate);
    }
    std::stable_sort(ways.begin(), ways.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < ways.size(); ++i)
        candidates[i] = ways[i].second;
}

int CCycleSearch::NextGiver()
{
    if (m_nLeft == 0)
        return -1;
    if (m_bOneCircle)
        return m_nEnd;
    int nBest = -1;
    int nFewest = m_nCount + 1;
    std::vector<int> open;
    CBitRows::Append(m_openGivers.data(), m_nWords, open);
    for (const int nGiver : open) {
        Candidates(nGiver);
        const int nCandidates = CBitRows::Count(m_row.data(), m_nWords);
        if (nCandidates < nFewest)
            nFewest = nCandidates, nBest = nGiver;
        if (nCandidates <= 1)
            break;
    }
    return nBest;
}

void CCycleSearch::Candidates(int nGiver)
{
    m_nWork += m_nWords;
    const quint64* pAllowed = m_allowed.Row(nGiver);
    for (int i = 0; i < m_nWords; ++i)
        m_row[size_t(i)] = pAllowed[i] & m_freeRecipients[size_t(i)];
    // Not the person who draws him; on a circle, back to its start only as the last gift.
    const int nBarred = !m_bOneCircle                     ? m_drawnBy[size_t(nGiver)]
                        : nGiver == m_nEnd && m_nLeft > 1 ? m_nStart
                                                          : -1;
    if (nBarred >= 0)
        m_row[size_t(nBarred / 64)] &= ~CBitRows::Bit(nBarred);
}

void CCycleSearch::Assign(int nGiver, int nRecipient)
{
    m_recipient[size_t(nGiver)] = nRecipient;
    m_drawnBy[size_t(nRecipient)] = nGiver;
    m_openGivers[size_t(nGiver / 64)] &= ~CBitRows::Bit(nGiver);
    m_freeRecipients[size_t(nRecipient / 64)] &= ~CBitRows::Bit(nRecipient);
    --m_nLeft;
    if (m_bOneCircle)
        m_nEnd = nRecipient;
}

void CCycleSearch::Unassign(int nGiver, int nRecipient)
{
    m_recipient[size_t(nGiver)] = -1;
    m_drawnBy[size_t(nRecipient)] = -1;
    m_openGivers[size_t(nGiver / 64)] |= CBitRows::Bit(nGiver);
    m_freeRecipients[size_t(nRecipient / 64)] |= CBitRows::Bit(nRecipient);
    ++m_nLeft;
    if (m_bOneCircle)
        m_nEnd = nGiver;
}

bool CCycleSearch::Repair(int nGiver, int nRecipient)
{
    int nLost = -1; // the giver whose matched recipient was taken
    if (m_mate[size_t(nGiver)] != nRecipient) {
        nLost = m_mateOf[size_t(nRecipient)];
        Unmatch(nLost);
    }
    Unmatch(nGiver);
    // The gift the choice forbids: back to the giver, or on a circle from its new end to
    // its start while others are left.
    int nBarredGiver = -1;
    const int nForbidden = m_bOneCircle ? (m_nLeft > 1 ? m_nStart : -1) : nGiver;
    if (nForbidden >= 0 && m_recipient[size_t(nRecipient)] < 0 &&
        m_mate[size_t(nRecipient)] == nForbidden) {
        Unmatch(nRecipient);
        nBarredGiver = nRecipient;
    }
    return (nLost < 0 || Augment(nLost)) && (nBarredGiver < 0 || Augment(nBarredGiver));
}

void CCycleSearch::Unmatch(int nGiver)
{
    if (nGiver < 0)
        return;
    const int nRecipient = m_mate[size_t(nGiver)];
    m_mate[size_t(nGiver)] = -1;
    if (nRecipient >= 0)
        m_mateOf[size_t(nRecipient)] = -1;
}

bool CCycleSearch::Augment(int nStart)
{
    std::fill(m_seen.begin(), m_seen.end(), 0);
    m_queue.assign(1, nStart);
    for (size_t i = 0; i < m_queue.size(); ++i) {
        const int nGiver = m_queue[i];
        Candidates(nGiver);
        for (int w = 0; w < m_nWords; ++w) {
            for (quint64 nBits = m_row[size_t(w)] & ~m_seen[size_t(w)]; nBits != 0;
                 nBits &= nBits - 1) {
                const int nRecipient = w * 64 + std::countr_zero(nBits);
                m_seen[size_t(w)] |= CBitRows::Bit(nRecipient);
                m_reachedBy[size_t(nRecipient)] = nGiver;
                const int nMate = m_mateOf[size_t(nRecipient)];
                if (nMate >= 0) {
                    m_queue.push_back(nMate);
                    continue;
                }
                for (int r = nRecipient; r >= 0;) {
                    const int g = m_reachedBy[size_t(r)];
                    const int nFormer = m_mate[size_t(g)];
                    m_mate[size_t(g)] = r;
                    m_mateOf[size_t(r)] = g;
                    r = nFormer;
                }
                return true;
            }
        }
    }
    return false;
}

bool CCycleSearch::Connected()
{
    // The rest of the circle, with its open end and its start as one person, must be one
    // strongly connected whole in the gifts that occur in some drawing of the rest; those of
    // the end are the candidates of the next choice.
    if (m_nLeft == 0)
        return true;
    std::vector<int> open;
    CBitRows::Append(m_openGivers.data(), m_nWords, open);
    const int nOpen = int(open.size());
    for (int i = 0; i < nOpen; ++i)
        m_index[size_t(open[size_t(i)])] = i;
    const auto node = [this](int nRecipient) {
        return m_index[size_t(nRecipient == m_nStart ? m_nEnd : nRecipient)];
    };
    CBitRows swaps(nOpen);
    for (int i = 0; i < nOpen; ++i) {
        Candidates(open[size_t(i)]);
        ForEachBit([&](int r) { swaps.Set(i, m_index[size_t(m_mateOf[size_t(r)])]); });
    }
    std::vector<int> cycleOf;
    swaps.Components(cycleOf);
    CBitRows possible(nOpen);
    std::fill(m_endCandidates.begin(), m_endCandidates.end(), 0);
    for (int i = 0; i < nOpen; ++i) {
        Candidates(open[size_t(i)]);
        ForEachBit([&](int r) {
            if (cycleOf[size_t(m_index[size_t(m_mateOf[size_t(r)])])] != cycleOf[size_t(i)])
                return;
            possible.Set(i, node(r));
            if (open[size_t(i)] == m_nEnd)
                m_endCandidates[size_t(r / 64)] |= CBitRows::Bit(r);
        });
    }
    std::vector<int> partOf;
    m_nWork += qint64(nOpen) * m_nWords * 4;
    return possible.Components(partOf) == 1;
}
