#include "draw/GiftExplanation.h"

#include "draw/DrawExplanation.h"
#include "draw/DrawGraph.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <algorithm>

namespace {

// What blocks the givers from everybody outside the persons: the rules in words.
QString BlockingRules(const CDrawGraph& graph, const std::vector<int>& givers,
                      const std::vector<int>& persons)
{
    bool bEditable = false;
    const QString strRules = CDrawExplanation::Rules(graph, givers, persons, bEditable);
    return CStringTable::Format(bEditable ? IDS_DRAW_BLOCKING_RULES_EDIT : IDS_DRAW_BLOCKING_RULES,
                                {strRules});
}

} // namespace

QString CGiftExplanation::Counts(const CGiftCounts& counts)
{
    if (counts.m_nGivers == 0)
        return CStringTable::Load(IDS_DRAW_NOBODY_GIVES);
    if (counts.m_nReceivers == 0)
        return CStringTable::Load(IDS_DRAW_NOBODY_RECEIVES);
    QString strText = CStringTable::Format(
        IDS_DRAW_FEW_GIFTS,
        {counts.m_nReceivers, counts.m_nGivers * counts.m_nGifts, counts.m_nGifts});
    if (counts.m_nReceiveOnly > 0)
        strText += CStringTable::Format(IDS_DRAW_RECEIVE_ONLY_COUNT, {counts.m_nReceiveOnly});
    return strText + CStringTable::Load(IDS_DRAW_FEW_GIFTS_HINT);
}

std::vector<int> CGiftExplanation::ReceiversOf(const CDrawGraph& graph,
                                               const std::vector<int>& givers, int nHigh,
                                               int& nCanTake)
{
    // A receiver takes at most the most of the spread, and one gift from each giver.
    std::vector<int> receivers;
    nCanTake = 0;
    for (int nReceiver = 0; nReceiver < graph.Count(); ++nReceiver) {
        if (!graph.Receives(nReceiver))
            continue;
        const auto nFrom = int(std::count_if(givers.begin(), givers.end(), [&](int nGiver) {
            return graph.Allows(nGiver, nReceiver);
        }));
        if (nFrom == 0)
            continue;
        receivers.push_back(nReceiver);
        nCanTake += std::min(nHigh, nFrom);
    }
    return receivers;
}

std::vector<int> CGiftExplanation::GiversOf(const CDrawGraph& graph,
                                            const std::vector<int>& receivers, int nGifts,
                                            int& nCanGive)
{
    std::vector<int> givers;
    nCanGive = 0;
    for (int nGiver = 0; nGiver < graph.Count(); ++nGiver) {
        if (!graph.Gives(nGiver))
            continue;
        const auto nTo = int(std::count_if(receivers.begin(), receivers.end(), [&](int nReceiver) {
            return graph.Allows(nGiver, nReceiver);
        }));
        if (nTo == 0)
            continue;
        givers.push_back(nGiver);
        nCanGive += std::min(nGifts, nTo);
    }
    return givers;
}

QString CGiftExplanation::GiversShort(const CDrawGraph& graph, const CGiftCounts& counts,
                                      std::vector<int> givers)
{
    std::sort(givers.begin(), givers.end());
    int nCanTake = 0;
    const std::vector<int> receivers = ReceiversOf(graph, givers, counts.m_nHigh, nCanTake);
    const QString strGivers = CDrawExplanation::Names(graph, givers);
    const QString strText =
        receivers.empty()
            ? CStringTable::Format(IDS_DRAW_GIVERS_SHORT_NOBODY, {strGivers})
            : CStringTable::Format(IDS_DRAW_GIVERS_SHORT,
                                   {strGivers, int(givers.size()) * counts.m_nGifts,
                                    CDrawExplanation::Names(graph, receivers), nCanTake});
    return strText + BlockingRules(graph, givers, receivers);
}

QString CGiftExplanation::ReceiversShort(const CDrawGraph& graph, const CGiftCounts& counts,
                                         std::vector<int> receivers)
{
    std::sort(receivers.begin(), receivers.end());
    int nCanGive = 0;
    const std::vector<int> givers = GiversOf(graph, receivers, counts.m_nGifts, nCanGive);
    const QString strReceivers = CDrawExplanation::Names(graph, receivers);
    const int nLeast = int(receivers.size()) * counts.m_nLow;
    const QString strText =
        givers.empty()
            ? CStringTable::Format(IDS_DRAW_RECEIVERS_SHORT_NOBODY, {strReceivers, nLeast})
            : CStringTable::Format(
                  IDS_DRAW_RECEIVERS_SHORT,
                  {strReceivers, nLeast, CDrawExplanation::Names(graph, givers), nCanGive});
    // What keeps the givers from them: the rules that keep every giver among the rest.
    std::vector<int> allGivers;
    std::vector<int> rest;
    for (int n = 0; n < graph.Count(); ++n) {
        if (graph.Gives(n))
            allGivers.push_back(n);
        if (!std::binary_search(receivers.begin(), receivers.end(), n))
            rest.push_back(n);
    }
    return strText + BlockingRules(graph, allGivers, rest);
}
