#include "draw/ShapeSearch.h"

#include "draw/CycleSearch.h"
#include "draw/DrawGraph.h"

#include <algorithm>
#include <utility>

CShapeSearch::CShapeSearch(const CDrawGraph& graph, const CDrawRules& rules)
    : m_graph(graph), m_rules(rules)
{
}

bool CShapeSearch::CanSearch() const
{
    return m_graph.Count() <= kMaxPersons;
}

bool CShapeSearch::Analyse(const std::vector<int>& drawing)
{
    const CBitRows allowed = Allowed();
    m_possible = PossibleGifts(allowed, drawing);
    std::vector<int> partOf;
    m_parts.assign(size_t(m_possible.Components(partOf)), {});
    for (int n = 0; n < m_graph.Count(); ++n)
        m_parts[size_t(partOf[size_t(n)])].push_back(n);
    // The parts that block: any of several for a circle, those of two for the other rule.
    // The one to name is a part the rules keep directly from the others, if there is one,
    // else the smallest.
    const bool bSplit = m_rules.m_bOneCircle && m_parts.size() > 1;
    std::pair<bool, size_t> best;
    for (const std::vector<int>& part : m_parts) {
        if (!bSplit && !(m_rules.m_bNoMutual && part.size() == 2))
            continue;
        const std::pair<bool, size_t> key{!ClosedIn(allowed, part), part.size()};
        if (m_blocking.empty() || key < best)
            m_blocking = part, best = key;
    }
    return m_blocking.empty();
}

CBitRows CShapeSearch::PossibleGifts(const CBitRows& allowed, const std::vector<int>& drawing)
{
    const int nCount = allowed.Count();
    std::vector<int> giverOf(static_cast<size_t>(nCount));
    for (int n = 0; n < nCount; ++n)
        giverOf[size_t(drawing[size_t(n)])] = n;
    // Swaps: a giver may take over another giver's recipient.
    CBitRows swaps(nCount);
    std::vector<int> bits;
    for (int n = 0; n < nCount; ++n) {
        bits.clear();
        CBitRows::Append(allowed.Row(n), allowed.Words(), bits);
        for (const int nRecipient : bits)
            swaps.Set(n, giverOf[size_t(nRecipient)]);
    }
    std::vector<int> cycleOf;
    swaps.Components(cycleOf);
    CBitRows possible(nCount);
    for (int n = 0; n < nCount; ++n) {
        bits.clear();
        CBitRows::Append(allowed.Row(n), allowed.Words(), bits);
        for (const int nRecipient : bits) {
            if (cycleOf[size_t(giverOf[size_t(nRecipient)])] == cycleOf[size_t(n)])
                possible.Set(n, nRecipient);
        }
    }
    return possible;
}

bool CShapeSearch::ClosedIn(const CBitRows& allowed, const std::vector<int>& part)
{
    std::vector<quint64> inPart(size_t(allowed.Words()), 0);
    for (const int n : part)
        inPart[size_t(n / 64)] |= CBitRows::Bit(n);
    for (const int n : part) {
        const quint64* pRow = allowed.Row(n);
        for (int i = 0; i < allowed.Words(); ++i) {
            if (pRow[i] & ~inPart[size_t(i)])
                return false;
        }
    }
    return true;
}

CShapeSearch::EResult CShapeSearch::Search(QRandomGenerator& random, qint64 nBudget,
                                           std::vector<int>& recipients)
{
    recipients.assign(size_t(m_graph.Count()), -1);
    for (const std::vector<int>& part : m_parts) {
        CCycleSearch search(PartRows(part), m_rules.m_bOneCircle);
        std::vector<int> found;
        const CCycleSearch::EOutcome outcome = search.Run(random, nBudget, found);
        nBudget -= search.Work();
        if (outcome == CCycleSearch::outcomeGaveUp)
            return resultGaveUp;
        if (outcome == CCycleSearch::outcomeNone) {
            m_blocking = m_parts.size() == 1 ? std::vector<int>() : part;
            return resultImpossible;
        }
        for (size_t i = 0; i < part.size(); ++i)
            recipients[size_t(part[i])] = part[size_t(found[i])];
    }
    return resultFound;
}

CBitRows CShapeSearch::Allowed() const
{
    const int nCount = m_graph.Count();
    CBitRows allowed(nCount);
    const int nWords = allowed.Words();
    for (int n = 0; n < nCount; ++n) {
        quint64* pRow = allowed.Row(n);
        std::fill(pRow, pRow + nWords, ~quint64(0));
        if (nCount % 64 != 0)
            pRow[nWords - 1] = CBitRows::Bit(nCount) - 1;
        // Himself and his group, then those barred to him by name.
        const int nGroup = m_graph.Group(n);
        const std::vector<int> himself{n};
        for (const int nMember : nGroup < 0 ? himself : m_graph.Members(nGroup))
            pRow[nMember / 64] &= ~CBitRows::Bit(nMember);
        for (const CDrawGraph::CBar* pBar = m_graph.BarsBegin(n); pBar != m_graph.BarsEnd(n);
             ++pBar)
            pRow[pBar->m_nRecipient / 64] &= ~CBitRows::Bit(pBar->m_nRecipient);
    }
    return allowed;
}

CBitRows CShapeSearch::PartRows(const std::vector<int>& part) const
{
    const int nCount = int(part.size());
    CBitRows rows(nCount);
    for (int i = 0; i < nCount; ++i) {
        for (int j = 0; j < nCount; ++j) {
            if (m_possible.Test(part[size_t(i)], part[size_t(j)]))
                rows.Set(i, j);
        }
    }
    return rows;
}
