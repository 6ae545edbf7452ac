#include "CycleSearch.h"

#include <QRandomGenerator>

#include <algorithm>
#include <bit>

CCycleSearch::CCycleSearch(const CBitRows& allowed, bool bOneCircle)
    : m_allowed(allowed), m_reversed(allowed.Transposed()), m_bOneCircle(bOneCircle),
      m_nCount(allowed.Count()), m_nWords(allowed.Words())
{
}

CCycleSearch::EOutcome CCycleSearch::Run(QRandomGenerator& random, qint64 nBudget,
                                         std::vector<int>& recipients)
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
    std::vector<int> candidates;
    CBitRows::Append(m_row.data(), m_nWords, candidates);
    for (size_t i = candidates.size(); i > 1; --i)
        std::swap(candidates[i - 1], candidates[random.bounded(quint32(i))]);
    const auto itMate = std::find(candidates.begin(), candidates.end(), m_mate[size_t(nGiver)]);
    if (itMate != candidates.end())
        std::iter_swap(candidates.begin(), itMate);
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
    return Reaches(m_allowed, m_nEnd) && Reaches(m_reversed, m_nStart);
}

bool CCycleSearch::Reaches(const CBitRows& rows, int nFrom)
{
    // Those left besides the end; m_seen is what was reached of them.
    std::vector<quint64> left = m_openGivers;
    left[size_t(m_nEnd / 64)] &= ~CBitRows::Bit(m_nEnd);
    std::fill(m_seen.begin(), m_seen.end(), 0);
    m_queue.assign(1, nFrom);
    for (size_t i = 0; i < m_queue.size(); ++i) {
        const quint64* pRow = rows.Row(m_queue[i]);
        m_nWork += m_nWords;
        for (int w = 0; w < m_nWords; ++w) {
            for (quint64 nBits = pRow[w] & left[size_t(w)] & ~m_seen[size_t(w)]; nBits != 0;
                 nBits &= nBits - 1) {
                const int n = w * 64 + std::countr_zero(nBits);
                m_seen[size_t(w)] |= CBitRows::Bit(n);
                m_queue.push_back(n);
            }
        }
    }
    return std::equal(m_seen.begin(), m_seen.end(), left.begin());
}
