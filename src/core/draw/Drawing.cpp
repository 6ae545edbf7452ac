#include "draw/Drawing.h"

#include "draw/CircleDraw.h"
#include "draw/CyclePatch.h"
#include "draw/DrawExplanation.h"
#include "draw/DrawMatching.h"
#include "draw/DrawRepair.h"
#include "draw/GiftDrawing.h"
#include "draw/GreedyDraw.h"
#include "draw/ShapeExplanation.h"
#include "draw/ShapeSearch.h"
#include "model/NameList.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QStringList>

CDrawing::CDrawing(const CNameList& list, const std::vector<const CNameList*>& history,
                   const CDrawRules& rules)
    : m_graph(list, history), m_rules(rules)
{
}

bool CDrawing::Run(QRandomGenerator& random, QString& strWhy)
{
    if (Several()) {
        CGifts gifts;
        if (!CGiftDrawing(m_graph, m_rules).Draw(random, gifts, strWhy))
            return false;
        ApplyGifts(gifts);
        return true;
    }
    std::vector<int> drawing;
    if (!Draw(random, drawing, strWhy))
        return false;
    Apply(drawing);
    return true;
}

bool CDrawing::Repair(QRandomGenerator& random, QString& strWhy, int& nChanged)
{
    if (Several())
        return RepairGifts(random, strWhy, nChanged);
    const size_t nCount = size_t(m_graph.Count());
    std::vector<int> had(nCount, -1);
    std::vector<char> hadAny(nCount, 0);
    for (size_t n = 0; n < nCount; ++n) {
        // What he was told counts; what he drew only while he was told nothing.
        const CPerson* pGiver = m_graph.Person(int(n));
        const QString& strHad =
            pGiver->m_told.IsEmpty() ? pGiver->m_strGiftTo : pGiver->m_told.m_strGiftTo;
        hadAny[n] = strHad.isEmpty() ? 0 : 1;
        // A name that is nobody's now, or several persons', keeps nobody.
        if (const std::vector<int> named = m_graph.PersonsNamed(strHad); named.size() == 1)
            had[n] = named.front();
    }
    CDrawRepair repair(m_graph, m_rules,
                       m_graph.Count() <= kSearchedFirst ? kCompleteSearchWork
                                                         : kBoundedSearchWork);
    std::vector<int> recipients;
    switch (repair.Run(had, hadAny, random, recipients)) {
    case CDrawRepair::EResult::Repaired:
        Apply(recipients);
        nChanged = repair.Changes();
        return true;
    case CDrawRepair::EResult::OutOfBound:
        strWhy = CStringTable::Load(IDS_REPAIR_OUT_OF_BOUND);
        return false;
    case CDrawRepair::EResult::Impossible:
        break;
    }
    // No drawing at all keeps the rules: said as for drawing names.
    if (IsPossible(random, strWhy))
        strWhy = CStringTable::Load(IDS_REPAIR_OUT_OF_BOUND);
    return false;
}

bool CDrawing::IsPossible(QRandomGenerator& random, QString& strWhy)
{
    if (Several()) {
        CGifts gifts;
        return CGiftDrawing(m_graph, m_rules).Draw(random, gifts, strWhy);
    }
    std::vector<int> drawing;
    if (Shaped())
        return DrawShaped(random, drawing, strWhy);
    return FindMatching(random, drawing, strWhy);
}

bool CDrawing::Draw(QRandomGenerator& random, std::vector<int>& drawing, QString& strWhy)
{
    if (Shaped())
        return DrawShaped(random, drawing, strWhy);
    CGreedyDraw greedy(m_graph);
    if (greedy.Run(random, false)) {
        drawing = greedy.Recipients();
        return true;
    }
    // Settle first whether trying again can succeed at all.
    if (!FindMatching(random, drawing, strWhy))
        return false;
    for (int nAttempt = 1; nAttempt < kMaxAttempts && greedy.Steps() < kMaxSteps; ++nAttempt) {
        if (greedy.Run(random, false)) {
            drawing = greedy.Recipients();
            return true;
        }
    }
    // The matching found serves.
    return true;
}

bool CDrawing::DrawShaped(QRandomGenerator& random, std::vector<int>& drawing, QString& strWhy)
{
    CGreedyDraw greedy(m_graph);
    CCircleDraw circle(m_graph);
    const bool bCircle = m_rules.m_bOneCircle;
    // A circle of two is a pair who draw each other.
    const bool bPairCircle = m_rules.m_bNoMutual && m_graph.Count() == 2;
    const auto attempt = [&] {
        if (bCircle ? circle.Run(random) && !bPairCircle
                    : greedy.Run(random, false, m_rules.m_bNoMutual)) {
            drawing = bCircle ? circle.Recipients() : greedy.Recipients();
            return true;
        }
        return false;
    };
    if (attempt())
        return true;
    // Whether the other rules allow a drawing, and whether its parts allow the shape.
    std::vector<int> matching;
    if (!FindMatching(random, matching, strWhy))
        return false;
    CShapeSearch search(m_graph, m_rules);
    // The analysis looks at every pair: a small list has it first, a larger one only when
    // the attempts and the reshaping have left the list open, so that a drawing the second
    // attempt finds costs no more below the bound of the search than above it.
    const auto analysed = [&] {
        if (!search.CanSearch() || search.Analyse(matching))
            return true;
        strWhy = CShapeExplanation::Closed(m_graph, m_rules, search.Blocking());
        return false;
    };
    const bool bSearchFirst = m_graph.Count() <= kSearchedFirst;
    if (bSearchFirst && !analysed())
        return false;
    // The attempts choose the drawing by their law; search and reshaping only settle what
    // they leave open.
    std::vector<int> found;
    auto result = CShapeSearch::resultGaveUp;
    if (bSearchFirst)
        result = search.Search(random, kCompleteSearchWork, found);
    if (result != CShapeSearch::resultImpossible) {
        const int nMaxAttempts = bCircle ? kMaxCircleAttempts : kMaxAttempts;
        for (int nAttempt = 1;
             nAttempt < nMaxAttempts && greedy.Steps() + circle.Steps() < kMaxSteps; ++nAttempt) {
            if (attempt())
                return true;
        }
    }
    if (!bSearchFirst) {
        found = matching;
        if (CCyclePatch(m_graph).Run(found, bCircle, random, kPatchWork)) {
            drawing = found;
            return true;
        }
        if (!analysed())
            return false;
        if (search.CanSearch())
            result = search.Search(random, kBoundedSearchWork, found);
    }
    if (result == CShapeSearch::resultFound) {
        drawing = found;
        return true;
    }
    strWhy = result == CShapeSearch::resultImpossible
                 ? CShapeExplanation::NoneFound(m_graph, m_rules, search.Blocking())
                 : CShapeExplanation::GaveUp();
    return false;
}

bool CDrawing::FindMatching(QRandomGenerator& random, std::vector<int>& recipients, QString& strWhy)
{
    // A greedy pass that goes on past a giver without candidate leaves few to search for.
    CGreedyDraw greedy(m_graph);
    greedy.Run(random, true);
    recipients = greedy.Recipients();
    CDrawMatching matching(m_graph);
    if (matching.Complete(recipients, random))
        return true;
    strWhy =
        CDrawExplanation::Blocked(m_graph, matching.BlockedGivers(), matching.TheirRecipients());
    return false;
}

bool CDrawing::RepairGifts(QRandomGenerator& random, QString& strWhy, int& nChanged)
{
    // What he was told counts; what he drew only while he was told nothing. A name that is
    // nobody's now, or several persons', keeps nobody.
    CGifts had(static_cast<size_t>(m_graph.Count()), std::vector<int>());
    for (int n = 0; n < m_graph.Count(); ++n) {
        const CPerson* pGiver = m_graph.Person(n);
        const QStringList names =
            pGiver->m_told.IsEmpty()
                ? pGiver->GiftsTo()
                : QStringList{pGiver->m_told.m_strGiftTo} + pGiver->m_told.m_moreGiftTo;
        for (const QString& strName : names) {
            if (const std::vector<int> named = m_graph.PersonsNamed(strName); named.size() == 1)
                had[size_t(n)].push_back(named.front());
        }
    }
    CGifts gifts;
    if (!CGiftDrawing(m_graph, m_rules).Repair(had, random, gifts, strWhy, nChanged))
        return false;
    ApplyGifts(gifts);
    return true;
}

void CDrawing::ApplyGifts(const CGifts& gifts) const
{
    for (int n = 0; n < m_graph.Count(); ++n) {
        QStringList names;
        for (const int nReceiver : gifts[size_t(n)])
            names.append(m_graph.Person(nReceiver)->m_strName);
        CPerson* pPerson = m_graph.Person(n);
        pPerson->SetGiftsTo(names);
        pPerson->m_bPicked = true;
    }
}

void CDrawing::Apply(const std::vector<int>& recipients) const
{
    for (int n = 0; n < m_graph.Count(); ++n) {
        CPerson* pPerson = m_graph.Person(n);
        pPerson->SetGiftsTo({m_graph.Person(recipients[size_t(n)])->m_strName});
        pPerson->m_bPicked = true;
    }
}

bool CDrawing::CheckStored(QString& strWhy, bool bGiversOnly) const
{
    if (Several())
        return CGiftDrawing(m_graph, m_rules).CheckStored(strWhy, bGiversOnly);
    QStringList problems;
    int nProblems = 0;
    int nUndrawn = 0;
    std::vector<int> drawnBy(size_t(m_graph.Count()), -1);
    for (int n = 0; n < m_graph.Count(); ++n) {
        nUndrawn += m_graph.Person(n)->m_strGiftTo.isEmpty() ? 1 : 0;
        const QString strProblem =
            bGiversOnly ? GiverProblem(n, drawnBy) : StoredProblem(n, drawnBy);
        if (strProblem.isEmpty())
            continue;
        if (++nProblems <= CDrawExplanation::kProblemsShown)
            problems.append(strProblem);
    }
    if (nProblems == 0)
        return CheckShape(drawnBy, strWhy, bGiversOnly);
    strWhy = nUndrawn == m_graph.Count() ? CStringTable::Load(IDS_CHECK_NOT_DRAWN)
                                         : CDrawExplanation::Problems(problems, nProblems);
    return false;
}

bool CDrawing::CheckShape(const std::vector<int>& drawnBy, QString& strWhy, bool bGiversOnly) const
{
    // Every person gives to one and is drawn by one: drawnBy is the whole drawing, reversed.
    const int nCount = m_graph.Count();
    if (m_rules.m_bNoMutual) {
        for (int nRecipient = 0; nRecipient < nCount; ++nRecipient) {
            const int nGiver = drawnBy[size_t(nRecipient)];
            if (drawnBy[size_t(nGiver)] == nRecipient && nGiver < nRecipient) {
                if (bGiversOnly) {
                    strWhy = CStringTable::Load(IDS_CHECK_MUTUAL_SEALED);
                    return false;
                }
                strWhy =
                    CStringTable::Format(IDS_CHECK_MUTUAL, {m_graph.Person(nGiver)->m_strName,
                                                            m_graph.Person(nRecipient)->m_strName});
                return false;
            }
        }
    }
    if (m_rules.m_bOneCircle && nCount > 0) {
        int nLength = 1;
        for (int n = drawnBy[0]; n != 0 && nLength <= nCount; n = drawnBy[size_t(n)])
            ++nLength;
        if (nLength != nCount) {
            strWhy = CStringTable::Load(IDS_CHECK_NOT_ONE_CIRCLE);
            return false;
        }
    }
    return true;
}

QString CDrawing::GiverProblem(int nGiver, std::vector<int>& drawnBy) const
{
    // Every problem but a missing name says something of whom he drew: said of him alone.
    const QString strProblem = StoredProblem(nGiver, drawnBy);
    const CPerson* pGiver = m_graph.Person(nGiver);
    if (strProblem.isEmpty() || pGiver->m_strName.isEmpty() || pGiver->m_strGiftTo.isEmpty())
        return strProblem;
    return CStringTable::Format(IDS_CHECK_SEALED, {pGiver->m_strName});
}

QString CDrawing::StoredProblem(int nGiver, std::vector<int>& drawnBy) const
{
    const CPerson* pGiver = m_graph.Person(nGiver);
    const QString& strGiver = pGiver->m_strName;
    if (strGiver.isEmpty())
        return CStringTable::Load(IDS_CHECK_NAMELESS);
    if (pGiver->m_strGiftTo.isEmpty())
        return CStringTable::Format(IDS_CHECK_NO_NAME, {strGiver});
    if (!pGiver->m_moreGiftTo.isEmpty())
        return CStringTable::Format(IDS_CHECK_GIFT_COUNT,
                                    {strGiver, pGiver->m_moreGiftTo.size() + 1, 1});
    const std::vector<int> named = m_graph.PersonsNamed(pGiver->m_strGiftTo);
    if (named.size() != 1)
        return CStringTable::Format(named.empty() ? IDS_CHECK_GONE : IDS_CHECK_AMBIGUOUS,
                                    {pGiver->m_strGiftTo, strGiver});
    const int nRecipient = named.front();
    const QString& strRecipient = pGiver->m_strGiftTo;
    if (drawnBy[size_t(nRecipient)] >= 0)
        return CStringTable::Format(
            IDS_CHECK_TWICE,
            {strRecipient, m_graph.Person(drawnBy[size_t(nRecipient)])->m_strName, strGiver});
    drawnBy[size_t(nRecipient)] = nGiver;
    return CDrawExplanation::PairProblem(m_graph, nGiver, nRecipient);
}
