#include "DrawExplanation.h"

#include "DrawGraph.h"
#include "model/Person.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr size_t kNamesShown = 4;

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
    return strText +
           CStringTable::Format(IDS_DRAW_BLOCKING_RULES, {Rules(graph, givers, recipients)});
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
                                const std::vector<int>& recipients)
{
    // Only the rules that keep a blocked giver from somebody outside the recipients count.
    std::vector<char> inRecipients(size_t(graph.Count()), 0);
    for (const int n : recipients)
        inRecipients[size_t(n)] = 1;
    const auto outside = [&inRecipients](int n) { return !inRecipients[size_t(n)]; };
    bool bHimself = false;
    bool bGroup = false;
    bool bLastTime = false;
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
        for (const int nLast : graph.LastRecipients(nGiver))
            bLastTime |= outside(nLast) && nLast != nGiver && !graph.SameGroup(nGiver, nLast);
    }
    QStringList rules;
    if (bHimself || !(bGroup || bLastTime))
        rules.append(CStringTable::Load(IDS_RULE_HIMSELF));
    if (bGroup)
        rules.append(CStringTable::Load(IDS_RULE_OWN_GROUP));
    if (bLastTime)
        rules.append(CStringTable::Load(IDS_RULE_LAST_TIME));
    return rules.join(CStringTable::Load(IDS_RULES_SEPARATOR));
}
