#include "draw/DrawGraph.h"

#include "model/NameList.h"

#include <algorithm>

CDrawGraph::CDrawGraph(const CNameList& list, const std::vector<const CNameList*>& history)
    : m_nHistory(int(history.size()))
{
    const auto nCount = size_t(list.CountPersons());
    m_persons.reserve(nCount);
    m_group.reserve(nCount);
    m_nameId.reserve(nCount);
    m_nextNamed.reserve(nCount);
    m_nameIds.reserve(qsizetype(nCount));
    AddPersons(list);
    std::vector<CBarOf> bars;
    for (const CNameList* pPrevious : history)
        BarHistory(*pPrevious, bars);
    BarExclusions(list, bars);
    IndexBars(bars);
}

void CDrawGraph::AddPersons(const CNameList& list)
{
    for (CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup()) {
            AddPerson(static_cast<CPerson*>(pItem), -1);
            continue;
        }
        m_members.emplace_back();
        const int nGroup = static_cast<int>(m_members.size()) - 1;
        for (CPerson* pPerson = static_cast<CGroup*>(pItem)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            AddPerson(pPerson, nGroup);
    }
    for (int n = 0; n < Count(); ++n) {
        if (m_group[size_t(n)] >= 0)
            m_giverOrder.push_back(n);
    }
    for (int n = 0; n < Count(); ++n) {
        if (m_group[size_t(n)] < 0)
            m_giverOrder.push_back(n);
    }
}

void CDrawGraph::BarHistory(const CNameList& previous, std::vector<CBarOf>& bars) const
{
    // Per name of this list, the person of that drawing who bore it; the first person of
    // the previous list with the name decides, as a search by name would.
    std::vector<const CPerson*> previousOfName(m_firstNamed.size(), nullptr);
    previous.ForEachPerson([&](const CPerson* pPerson) {
        const int nName = m_nameIds.value(pPerson->m_strName, -1);
        if (nName >= 0 && !previousOfName[size_t(nName)])
            previousOfName[size_t(nName)] = pPerson;
    });
    for (int n = 0; n < Count(); ++n) {
        const CPerson* pPrevious = previousOfName[size_t(m_nameId[size_t(n)])];
        if (!pPrevious || pPrevious->m_strGiftTo.isEmpty())
            continue;
        // Every one of his recipients then counts; one unknown now is nobody to avoid.
        const auto bar = [&](const QString& strLast) {
            if (const int nAvoid = m_nameIds.value(strLast, -1); nAvoid >= 0)
                BarNamed(n, nAvoid, barHistory, bars);
        };
        bar(pPrevious->m_strGiftTo);
        for (const QString& strLast : pPrevious->m_moreGiftTo)
            bar(strLast);
    }
}

void CDrawGraph::BarExclusions(const CNameList& list, std::vector<CBarOf>& bars) const
{
    for (const CExclusions::CPair& pair : list.m_exclusions.Pairs()) {
        const int nGiverName = m_nameIds.value(pair.m_strGiver, -1);
        const int nRecipientName = m_nameIds.value(pair.m_strRecipient, -1);
        if (nGiverName < 0 || nRecipientName < 0)
            continue;
        for (int n = m_firstNamed[size_t(nGiverName)]; n >= 0; n = m_nextNamed[size_t(n)])
            BarNamed(n, nRecipientName, barExcluded, bars);
    }
}

void CDrawGraph::BarNamed(int nGiver, int nName, unsigned char nWhy,
                          std::vector<CBarOf>& bars) const
{
    for (int n = m_firstNamed[size_t(nName)]; n >= 0; n = m_nextNamed[size_t(n)])
        bars.push_back({nGiver, {n, nWhy}});
}

void CDrawGraph::IndexBars(std::vector<CBarOf>& bars)
{
    std::sort(bars.begin(), bars.end(), [](const CBarOf& a, const CBarOf& b) {
        return a.m_nGiver != b.m_nGiver ? a.m_nGiver < b.m_nGiver
                                        : a.m_bar.m_nRecipient < b.m_bar.m_nRecipient;
    });
    m_barStart.assign(size_t(Count()) + 1, 0);
    m_bars.reserve(bars.size());
    for (size_t i = 0; i < bars.size(); ++i) {
        const CBarOf& bar = bars[i];
        // One entry per pair, with every reason it is barred for.
        if (i > 0 && bars[i - 1].m_nGiver == bar.m_nGiver &&
            bars[i - 1].m_bar.m_nRecipient == bar.m_bar.m_nRecipient) {
            m_bars.back().m_nWhy |= bar.m_bar.m_nWhy;
            continue;
        }
        m_bars.push_back(bar.m_bar);
        ++m_barStart[size_t(bar.m_nGiver) + 1];
    }
    for (size_t n = 1; n < m_barStart.size(); ++n)
        m_barStart[n] += m_barStart[n - 1];
}

void CDrawGraph::AddPerson(CPerson* pPerson, int nGroup)
{
    const int n = Count();
    m_persons.push_back(pPerson);
    m_group.push_back(nGroup);
    m_gives.push_back(pPerson->Gives() ? 1 : 0);
    m_receives.push_back(pPerson->Receives() ? 1 : 0);
    m_bRoles |= pPerson->m_role != ERole::both;
    if (nGroup >= 0)
        m_members[size_t(nGroup)].push_back(n);
    const auto it = m_nameIds.constFind(pPerson->m_strName);
    const int nId = it == m_nameIds.constEnd() ? int(m_firstNamed.size()) : it.value();
    m_nameId.push_back(nId);
    m_nextNamed.push_back(-1);
    if (it == m_nameIds.constEnd()) {
        m_nameIds.insert(pPerson->m_strName, nId);
        m_firstNamed.push_back(n);
        m_lastNamed.push_back(n);
        return;
    }
    m_nextNamed[size_t(m_lastNamed[size_t(nId)])] = n;
    m_lastNamed[size_t(nId)] = n;
}

std::vector<int> CDrawGraph::PersonsNamed(const QString& strName) const
{
    std::vector<int> persons;
    const int nId = m_nameIds.value(strName, -1);
    for (int n = nId < 0 ? -1 : m_firstNamed[size_t(nId)]; n >= 0; n = m_nextNamed[size_t(n)])
        persons.push_back(n);
    return persons;
}
