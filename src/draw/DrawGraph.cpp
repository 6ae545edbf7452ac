#include "DrawGraph.h"

#include "model/NameList.h"

#include <algorithm>

CDrawGraph::CDrawGraph(const CNameList& list, const CNameList* pPrevious)
{
    const auto nCount = size_t(list.CountPersons());
    m_persons.reserve(nCount);
    m_group.reserve(nCount);
    m_nameId.reserve(nCount);
    m_nextNamed.reserve(nCount);
    m_nameIds.reserve(qsizetype(nCount));
    AddPersons(list);
    m_avoid.assign(m_persons.size(), -1);
    if (pPrevious)
        AvoidLastRecipients(*pPrevious);
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

void CDrawGraph::AvoidLastRecipients(const CNameList& previous)
{
    // Per name of this list, last time's recipient; the first person of the previous list
    // with the name decides, as a search by name would. -2: not met yet.
    std::vector<int> lastOfName(m_firstNamed.size(), -2);
    previous.ForEachPerson([&](CPerson* pPerson) {
        const int nName = m_nameIds.value(pPerson->m_strName, -1);
        if (nName < 0 || lastOfName[size_t(nName)] != -2)
            return;
        // An unknown previous recipient leaves nobody to avoid, also a person named "".
        const QString& strLast = pPerson->m_strGiftTo;
        lastOfName[size_t(nName)] = strLast.isEmpty() ? -1 : m_nameIds.value(strLast, -1);
    });
    for (int n = 0; n < Count(); ++n)
        m_avoid[size_t(n)] = std::max(lastOfName[size_t(m_nameId[size_t(n)])], -1);
}

void CDrawGraph::AddPerson(CPerson* pPerson, int nGroup)
{
    const int n = Count();
    m_persons.push_back(pPerson);
    m_group.push_back(nGroup);
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

std::vector<int> CDrawGraph::LastRecipients(int nGiver) const
{
    std::vector<int> persons;
    const int nId = m_avoid[size_t(nGiver)];
    for (int n = nId < 0 ? -1 : m_firstNamed[size_t(nId)]; n >= 0; n = m_nextNamed[size_t(n)])
        persons.push_back(n);
    return persons;
}

std::vector<int> CDrawGraph::PersonsNamed(const QString& strName) const
{
    std::vector<int> persons;
    const int nId = m_nameIds.value(strName, -1);
    for (int n = nId < 0 ? -1 : m_firstNamed[size_t(nId)]; n >= 0; n = m_nextNamed[size_t(n)])
        persons.push_back(n);
    return persons;
}
