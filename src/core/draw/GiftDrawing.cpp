#include "draw/GiftDrawing.h"

#include "draw/DrawExplanation.h"
#include "draw/DrawGraph.h"
#include "draw/GiftExplanation.h"
#include "draw/GiftFlow.h"
#include "draw/GiftGreedy.h"
#include "draw/GiftRepair.h"
#include "draw/GiftSearch.h"
#include "draw/ShapeExplanation.h"
#include "draw/Shuffle.h"
#include "model/Person.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

#include <algorithm>

CGiftCounts CGiftCounts::Of(const CDrawGraph& graph, int nGifts)
{
    CGiftCounts counts;
    counts.m_nGifts = nGifts;
    for (int n = 0; n < graph.Count(); ++n) {
        counts.m_nGivers += graph.Gives(n) ? 1 : 0;
        counts.m_nReceivers += graph.Receives(n) ? 1 : 0;
        counts.m_nReceiveOnly += graph.Receives(n) && !graph.Gives(n) ? 1 : 0;
    }
    if (counts.m_nReceivers > 0) {
        const int nTotal = counts.m_nGivers * nGifts;
        counts.m_nLow = nTotal / counts.m_nReceivers;
        counts.m_nExtras = nTotal % counts.m_nReceivers;
        counts.m_nHigh = counts.m_nLow + (counts.m_nExtras > 0 ? 1 : 0);
    }
    return counts;
}

CGiftDrawing::CGiftDrawing(const CDrawGraph& graph, const CDrawRules& rules)
    : m_graph(graph), m_rules(rules), m_counts(CGiftCounts::Of(graph, rules.m_nGifts))
{
}

bool CGiftDrawing::Draw(QRandomGenerator& random, CGifts& gifts, QString& strWhy)
{
    if (m_rules.m_bOneCircle) {
        m_block = {CBlock::circle, {}};
        strWhy = CStringTable::Load(IDS_DRAW_CIRCLE_NEEDS_ONE);
        return false;
    }
    if (!m_counts.Enough()) {
        m_block = {CBlock::counts, {}};
        strWhy = CGiftExplanation::Counts(m_counts);
        return false;
    }
    CGiftGreedy greedy(m_graph, m_counts);
    const bool bNoMutual = m_rules.m_bNoMutual;
    if (greedy.Run(random, false, bNoMutual)) {
        gifts = greedy.Gifts();
        return true;
    }
    // Settle first whether trying again can succeed at all.
    CGifts settled;
    if (!Settle(random, settled, strWhy))
        return false;
    for (int nAttempt = 1; nAttempt < kMaxAttempts && greedy.Steps() < kMaxSteps; ++nAttempt) {
        if (greedy.Run(random, false, bNoMutual)) {
            gifts = greedy.Gifts();
            return true;
        }
    }
    gifts = settled;
    return true;
}

bool CGiftDrawing::Settle(QRandomGenerator& random, CGifts& gifts, QString& strWhy)
{
    if (!Unshaped(gifts, random, strWhy))
        return false;
    if (!m_rules.m_bNoMutual || !HasMutual(gifts))
        return true;
    // A completion that avoids such pairs where it can usually finds a drawing without any.
    CGifts avoiding;
    CGiftFlow flow(m_graph, m_counts);
    if (flow.Complete(avoiding, random, true) && !HasMutual(avoiding)) {
        gifts = avoiding;
        return true;
    }
    CGiftSearch search(m_graph, m_counts);
    const auto result =
        search.CanSearch() ? search.Search(random, kSearchWork, gifts) : CGiftSearch::resultGaveUp;
    if (result == CGiftSearch::resultFound)
        return true;
    m_block = {result == CGiftSearch::resultImpossible ? CBlock::mutual : CBlock::gaveUp, {}};
    strWhy = result == CGiftSearch::resultImpossible ? CStringTable::Load(IDS_DRAW_NO_MUTUAL_NONE)
                                                     : CShapeExplanation::GaveUp();
    return false;
}

bool CGiftDrawing::Unshaped(CGifts& gifts, QRandomGenerator& random, QString& strWhy)
{
    // A greedy pass that goes on past a giver without candidate leaves little to complete.
    CGiftGreedy greedy(m_graph, m_counts);
    greedy.Run(random, true);
    gifts = greedy.Gifts();
    CGiftFlow flow(m_graph, m_counts);
    if (flow.Complete(gifts, random))
        return true;
    m_block = flow.GiversShort() ? CBlock{CBlock::givers, flow.BlockedGivers()}
                                 : CBlock{CBlock::receivers, flow.BlockedReceivers()};
    strWhy = flow.GiversShort()
                 ? CGiftExplanation::GiversShort(m_graph, m_counts, flow.BlockedGivers())
                 : CGiftExplanation::ReceiversShort(m_graph, m_counts, flow.BlockedReceivers());
    return false;
}

bool CGiftDrawing::HasMutual(const CGifts& gifts) const
{
    for (size_t nGiver = 0; nGiver < gifts.size(); ++nGiver) {
        for (const int nReceiver : gifts[nGiver]) {
            if (Contains(gifts[size_t(nReceiver)], int(nGiver)))
                return true;
        }
    }
    return false;
}

bool CGiftDrawing::Repair(const CGifts& had, QRandomGenerator& random, CGifts& gifts,
                          QString& strWhy, int& nChanged)
{
    if (m_rules.m_bOneCircle || !m_counts.Enough())
        return Draw(random, gifts, strWhy);
    const CGiftRepair::EResult result = CGiftRepair(m_graph, m_counts).Run(had, random, gifts);
    bool bRepaired =
        result == CGiftRepair::EResult::Repaired && !(m_rules.m_bNoMutual && HasMutual(gifts));
    if (!bRepaired && result != CGiftRepair::EResult::Impossible)
        bRepaired = KeepAndComplete(had, random, gifts);
    // No drawing near what they had: a drawing afresh, or why there is none.
    if (!bRepaired && !Draw(random, gifts, strWhy))
        return false;
    nChanged = 0;
    for (int n = 0; n < m_graph.Count(); ++n) {
        std::vector<int> before = had[size_t(n)];
        std::vector<int> after = gifts[size_t(n)];
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        nChanged += before != after ? 1 : 0;
    }
    return true;
}

bool CGiftDrawing::KeepAndComplete(const CGifts& had, QRandomGenerator& random, CGifts& gifts) const
{
    // What each giver had and may keep, within the most each receiver gets (and, with that
    // rule, without a pair who draw each other); then completed the same way.
    const int nCount = m_graph.Count();
    CGifts kept(static_cast<size_t>(nCount), std::vector<int>());
    std::vector<int> received(size_t(nCount), 0);
    std::vector<int> order;
    for (int n = 0; n < nCount; ++n) {
        if (m_graph.Gives(n))
            order.push_back(n);
    }
    Shuffle(order, random);
    for (const int nGiver : order) {
        for (const int nReceiver : had[size_t(nGiver)]) {
            if (int(kept[size_t(nGiver)].size()) < m_counts.m_nGifts &&
                m_graph.Receives(nReceiver) && m_graph.Allows(nGiver, nReceiver) &&
                received[size_t(nReceiver)] < m_counts.m_nHigh &&
                !Contains(kept[size_t(nGiver)], nReceiver) &&
                !(m_rules.m_bNoMutual && Contains(kept[size_t(nReceiver)], nGiver))) {
                kept[size_t(nGiver)].push_back(nReceiver);
                ++received[size_t(nReceiver)];
            }
        }
    }
    gifts = kept;
    return CGiftFlow(m_graph, m_counts).Complete(gifts, random, m_rules.m_bNoMutual) &&
           !(m_rules.m_bNoMutual && HasMutual(gifts));
}

bool CGiftDrawing::CheckStored(QString& strWhy, bool bGiversOnly) const
{
    const int nCount = m_graph.Count();
    QStringList problems;
    int nProblems = 0;
    int nDrawn = 0;
    const auto problem = [&](const QString& strProblem) {
        if (++nProblems <= CDrawExplanation::kProblemsShown)
            problems.append(strProblem);
    };
    CGifts gifts(static_cast<size_t>(nCount), std::vector<int>());
    std::vector<int> received(size_t(nCount), 0);
    for (int nGiver = 0; nGiver < nCount; ++nGiver) {
        const CPerson* pGiver = m_graph.Person(nGiver);
        const QStringList names = pGiver->GiftsTo();
        nDrawn += names.isEmpty() ? 0 : 1;
        if (pGiver->m_strName.isEmpty()) {
            problem(CStringTable::Load(IDS_CHECK_NAMELESS));
            continue;
        }
        if (!m_graph.Gives(nGiver)) {
            if (!names.isEmpty())
                problem(CStringTable::Format(IDS_CHECK_RECEIVES_ONLY, {pGiver->m_strName}));
            continue;
        }
        if (names.size() != m_counts.m_nGifts)
            problem(names.isEmpty() ? CStringTable::Format(IDS_CHECK_NO_NAME, {pGiver->m_strName})
                                    : CStringTable::Format(
                                          IDS_CHECK_GIFT_COUNT,
                                          {pGiver->m_strName, names.size(), m_counts.m_nGifts}));
        QString strPairProblem;
        for (const QString& strName : names) {
            const std::vector<int> named = m_graph.PersonsNamed(strName);
            if (named.size() != 1) {
                strPairProblem =
                    CStringTable::Format(named.empty() ? IDS_CHECK_GONE : IDS_CHECK_AMBIGUOUS,
                                         {strName, pGiver->m_strName});
                continue;
            }
            const int nReceiver = named.front();
            if (Contains(gifts[size_t(nGiver)], nReceiver)) {
                strPairProblem =
                    CStringTable::Format(IDS_CHECK_SAME_TWICE, {pGiver->m_strName, strName});
                continue;
            }
            gifts[size_t(nGiver)].push_back(nReceiver);
            ++received[size_t(nReceiver)];
            const QString strProblem =
                m_graph.Receives(nReceiver)
                    ? CDrawExplanation::PairProblem(m_graph, nGiver, nReceiver)
                    : CStringTable::Format(IDS_CHECK_GIVES_ONLY_DRAWN,
                                           {strName, pGiver->m_strName});
            if (!strProblem.isEmpty())
                strPairProblem = strProblem;
        }
        if (!strPairProblem.isEmpty())
            problem(bGiversOnly ? CStringTable::Format(IDS_CHECK_SEALED, {pGiver->m_strName})
                                : strPairProblem);
    }
    if (nDrawn == 0) {
        strWhy = CStringTable::Load(IDS_CHECK_NOT_DRAWN);
        return false;
    }
    if (nProblems == 0 && !CheckCounts(received, problems)) {
        strWhy = problems.front();
        return false;
    }
    if (nProblems > 0) {
        strWhy = CDrawExplanation::Problems(problems, nProblems);
        return false;
    }
    if (m_rules.m_bOneCircle) {
        strWhy = CStringTable::Load(IDS_CHECK_NOT_ONE_CIRCLE);
        return false;
    }
    for (int nGiver = 0; m_rules.m_bNoMutual && nGiver < nCount; ++nGiver) {
        for (const int nReceiver : gifts[size_t(nGiver)]) {
            if (nGiver < nReceiver && Contains(gifts[size_t(nReceiver)], nGiver)) {
                strWhy = bGiversOnly ? CStringTable::Load(IDS_CHECK_MUTUAL_SEALED)
                                     : CStringTable::Format(IDS_CHECK_MUTUAL,
                                                            {m_graph.Person(nGiver)->m_strName,
                                                             m_graph.Person(nReceiver)->m_strName});
                return false;
            }
        }
    }
    return true;
}

bool CGiftDrawing::CheckCounts(const std::vector<int>& received, QStringList& problems) const
{
    // How many gifts a person gets says nothing of who gives them: said even when sealed.
    const QString strShare =
        m_counts.m_nLow == m_counts.m_nHigh
            ? QString::number(m_counts.m_nLow)
            : CStringTable::Format(IDS_COUNT_OR, {m_counts.m_nLow, m_counts.m_nHigh});
    int nProblems = 0;
    for (int n = 0; n < m_graph.Count(); ++n) {
        if (!m_graph.Receives(n))
            continue;
        const int nReceived = received[size_t(n)];
        if (nReceived >= m_counts.m_nLow && nReceived <= m_counts.m_nHigh)
            continue;
        if (++nProblems <= CDrawExplanation::kProblemsShown)
            problems.append(CStringTable::Format(
                IDS_CHECK_RECEIVED_COUNT, {m_graph.Person(n)->m_strName, nReceived, strShare}));
    }
    if (nProblems == 0)
        return true;
    problems = QStringList{CDrawExplanation::Problems(problems, nProblems)};
    return false;
}
