#include "draw/ShapeExplanation.h"

#include "draw/DrawExplanation.h"
#include "draw/DrawGraph.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

QString CShapeExplanation::Closed(const CDrawGraph& graph, const CDrawRules& rules,
                                  const std::vector<int>& part)
{
    std::vector<int> persons = part;
    std::sort(persons.begin(), persons.end());
    // Two who give only to each other break the one rule; a part apart breaks the circle.
    const bool bCircle = rules.m_bOneCircle && int(persons.size()) < graph.Count();
    return CStringTable::Format(IDS_DRAW_EACH_OTHER, {CDrawExplanation::Names(graph, persons)}) +
           Blocking(graph, rules, persons, persons, bCircle, !bCircle);
}

QString CShapeExplanation::NoneFound(const CDrawGraph& graph, const CDrawRules& rules,
                                     const std::vector<int>& part)
{
    std::vector<int> persons = part;
    std::sort(persons.begin(), persons.end());
    if (persons.empty()) {
        std::vector<int> everybody(static_cast<size_t>(graph.Count()));
        std::iota(everybody.begin(), everybody.end(), 0);
        return CStringTable::Load(IDS_DRAW_NO_WAY) +
               Blocking(graph, rules, everybody, {}, rules.m_bOneCircle, rules.m_bNoMutual);
    }
    return CStringTable::Format(IDS_DRAW_EACH_OTHER_NO_WAY,
                                {CDrawExplanation::Names(graph, persons)}) +
           Blocking(graph, rules, persons, persons, rules.m_bOneCircle, rules.m_bNoMutual);
}

QString CShapeExplanation::GaveUp()
{
    return CStringTable::Load(IDS_DRAW_GAVE_UP);
}

QString CShapeExplanation::Blocking(const CDrawGraph& graph, const CDrawRules& rules,
                                    const std::vector<int>& givers,
                                    const std::vector<int>& recipients, bool bCircle,
                                    bool bNoMutual)
{
    bool bEditable = false;
    QStringList blocking{CDrawExplanation::Rules(graph, givers, recipients, bEditable)};
    if (bCircle && rules.m_bOneCircle)
        blocking.append(CStringTable::Load(IDS_RULE_ONE_CIRCLE));
    if (bNoMutual && rules.m_bNoMutual)
        blocking.append(CStringTable::Load(IDS_RULE_NO_MUTUAL));
    // The rules of shape are the user's to change.
    return CStringTable::Format(IDS_DRAW_BLOCKING_RULES_EDIT,
                                {blocking.join(CStringTable::Load(IDS_RULES_SEPARATOR))});
}
