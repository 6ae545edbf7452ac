#include "draw/DrawExplanation.h"

#include "draw/DrawGraph.h"
#include "model/Person.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr size_t kNamesShown = 4;
constexpr size_t kExclusionsShown = 3;

} // namespace

QString CDrawExplanation::Blocked(const CDrawGraph& graph, std::vector<int> givers,
                                  std::vector<int> recipients)
{
    // In the order of the list, as the user knows it.
    std::sort(givers.begin(), givers.end());
    std::sort(recipients.begin(), recipients.end());
    QString strText = recipients.empty()
                          ? CStringTable::Format(IDS_DRAW_BLOCKED_NOBODY, {Names(graph, givers)})
                          : CStringTable::Format(IDS_DRAW_BLOCKED,
                                                 {Names(graph, givers), Names(graph, recipients)});
    bool bEditable = false;
    const QString strRules = Rules(graph, givers, recipients, bEditable);
    return strText +
           CStringTable::Format(bEditable ? IDS_DRAW_BLOCKING_RULES_EDIT : IDS_DRAW_BLOCKING_RULES,
                                {strRules});
}

QString CDrawExplanation::Names(const CDrawGraph& graph, const std::vector<int>& persons)
{
    QStringList names;
    // "and 1 others" would say less than the name itself.
    const size_t nShown = persons.size() > kNamesShown + 1 ? kNamesShown : persons.size();
    for (size_t i = 0; i < nShown; ++i)
        names.append(graph.Person(persons[i])->m_strName);
    if (persons.size() > nShown)
        return CStringTable::Format(IDS_NAMES_OTHERS,
                                    {names.join(CStringTable::Load(IDS_NAMES_SEPARATOR)),
                                     qlonglong(persons.size() - kNamesShown)});
    if (names.size() < 2)
        return names.value(0);
    const QString strLast = names.takeLast();
    return CStringTable::Format(IDS_NAMES_LAST,
                                {names.join(CStringTable::Load(IDS_NAMES_SEPARATOR)), strLast});
}

QString CDrawExplanation::Rules(const CDrawGraph& graph, const std::vector<int>& givers,
                                const std::vector<int>& recipients, bool& bEditable)
{
    // Only the rules that keep a blocked giver from somebody outside the recipients count.
    std::vector<char> inRecipients(size_t(graph.Count()), 0);
    for (const int n : recipients)
        inRecipients[size_t(n)] = 1;
    const auto outside = [&inRecipients](int n) { return !inRecipients[size_t(n)]; };
    bool bHimself = false;
    bool bGroup = false;
    bool bHistory = false;
    QStringList exclusions;
    int nMoreExclusions = 0;
    std::vector<char> groupSeen(size_t(graph.Count()), 0);
    for (const int nGiver : givers) {
        const int nGroup = graph.Group(nGiver);
        if (nGroup < 0 || graph.Members(nGroup).size() == 1) {
            bHimself |= outside(nGiver);
        } else if (!groupSeen[size_t(nGroup)]) {
            groupSeen[size_t(nGroup)] = 1;
            for (const int nMember : graph.Members(nGroup))
                bGroup |= nMember != nGiver && outside(nMember);
        }
        for (const CDrawGraph::CBar* pBar = graph.BarsBegin(nGiver); pBar != graph.BarsEnd(nGiver);
             ++pBar) {
            const int nRecipient = pBar->m_nRecipient;
            if (!outside(nRecipient) || nRecipient == nGiver || graph.SameGroup(nGiver, nRecipient))
                continue;
            bHistory |= (pBar->m_nWhy & CDrawGraph::barHistory) != 0;
            if (!(pBar->m_nWhy & CDrawGraph::barExcluded))
                continue;
            if (exclusions.size() < qsizetype(kExclusionsShown))
                exclusions.append(
                    CStringTable::Format(IDS_RULE_EXCLUDED, {graph.Person(nGiver)->m_strName,
                                                             graph.Person(nRecipient)->m_strName}));
            else
                ++nMoreExclusions;
        }
    }
    bEditable = bHistory || !exclusions.isEmpty();
    QStringList rules;
    if (bHimself || !(bGroup || bHistory || !exclusions.isEmpty()))
        rules.append(CStringTable::Load(IDS_RULE_HIMSELF));
    if (bGroup)
        rules.append(CStringTable::Load(IDS_RULE_OWN_GROUP));
    if (bHistory)
        rules.append(HistoryRule(graph.HistoryLength()));
    rules += exclusions;
    if (nMoreExclusions > 0)
        rules.append(CStringTable::Format(IDS_EXCLUSIONS_MORE, {nMoreExclusions}));
    return rules.join(CStringTable::Load(IDS_RULES_SEPARATOR));
}

QString CDrawExplanation::Problems(QStringList shown, int nProblems)
{
    if (nProblems > kProblemsShown)
        shown.append(CStringTable::Format(IDS_CHECK_MORE, {nProblems - kProblemsShown}));
    return shown.join(CStringTable::Load(IDS_RULES_SEPARATOR));
}

QString CDrawExplanation::PairProblem(const CDrawGraph& graph, int nGiver, int nRecipient)
{
    const QString& strGiver = graph.Person(nGiver)->m_strName;
    const QString& strRecipient = graph.Person(nRecipient)->m_strName;
    if (nRecipient == nGiver)
        return CStringTable::Format(IDS_CHECK_HIMSELF, {strGiver});
    if (graph.SameGroup(nGiver, nRecipient))
        return CStringTable::Format(IDS_CHECK_OWN_GROUP, {strGiver, strRecipient});
    const unsigned char nBarred = graph.Barred(nGiver, nRecipient);
    if (nBarred & CDrawGraph::barExcluded)
        return CStringTable::Format(IDS_CHECK_EXCLUDED, {strGiver, strRecipient});
    if (nBarred & CDrawGraph::barHistory)
        return graph.HistoryLength() == 1
                   ? CStringTable::Format(IDS_CHECK_LAST_TIME, {strGiver, strRecipient})
                   : CStringTable::Format(IDS_CHECK_HISTORY,
                                          {strGiver, strRecipient, graph.HistoryLength()});
    return {};
}

QString CDrawExplanation::HistoryRule(int nHistory)
{
    return nHistory == 1 ? CStringTable::Load(IDS_RULE_LAST_TIME)
                         : CStringTable::Format(IDS_RULE_HISTORY, {nHistory});
}
