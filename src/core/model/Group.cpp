#include "model/Group.h"

#include "platform/Archive.h"

CGroup::~CGroup()
{
    RemoveAll();
}

void CGroup::Store(CArchive& ar) const
{
    if (!ar.TakeEntry())
        return;
    ar.WriteInt(TAG_GROUP);
    ar.WriteString(m_strName);
    ar.WriteInt(m_nCount);
    for (const CPerson* pPerson = m_pFirst; pPerson; pPerson = pPerson->Next())
        pPerson->Store(ar);
}

void CGroup::Load(CArchive& ar)
{
    m_strName = ar.ReadString();
    const qint32 nCount = ar.ReadInt();
    // The count comes from the file: stop at the first failed read rather than trust it.
    for (qint32 i = 0; i < nCount && ar.IsOk(); ++i) {
        ar.ReadInt(); // the person's tag, not looked at
        if (!ar.TakeEntry())
            return;
        auto* pPerson = new CPerson;
        pPerson->Load(ar);
        Add(pPerson);
    }
}

void CGroup::Add(CPerson* pPerson)
{
    pPerson->m_pNext = nullptr;
    if (m_pLast)
        m_pLast->m_pNext = pPerson;
    else
        m_pFirst = pPerson;
    m_pLast = pPerson;
    ++m_nCount;
}

bool CGroup::Contains(const CPerson* pPerson) const
{
    for (const CPerson* p = m_pFirst; p; p = p->Next()) {
        if (p == pPerson)
            return true;
    }
    return false;
}

void CGroup::InsertAfter(CPerson* pPerson, CPerson* pBefore)
{
    if (pBefore) {
        pPerson->m_pNext = pBefore->m_pNext;
        pBefore->m_pNext = pPerson;
    } else {
        pPerson->m_pNext = m_pFirst;
        m_pFirst = pPerson;
    }
    if (m_pLast == pBefore)
        m_pLast = pPerson;
    ++m_nCount;
}

void CGroup::TakeAfter(CPerson* pPerson, CPerson* pBefore)
{
    if (pBefore)
        pBefore->m_pNext = pPerson->m_pNext;
    else
        m_pFirst = pPerson->Next();
    if (m_pLast == pPerson)
        m_pLast = pBefore;
    pPerson->m_pNext = nullptr;
    --m_nCount;
}

int CGroup::CountPersons() const
{
    int nCount = 0;
    for (const CPerson* pPerson = m_pFirst; pPerson; pPerson = pPerson->Next())
        ++nCount;
    return nCount;
}

bool CGroup::Take(CPerson* pPerson)
{
    CPerson* pPrevious = nullptr;
    for (CPerson* p = m_pFirst; p; pPrevious = p, p = p->Next()) {
        if (p == pPerson) {
            TakeAfter(p, pPrevious);
            return true;
        }
    }
    return false;
}

void CGroup::RemoveAll()
{
    while (m_pFirst) {
        CPerson* pNext = m_pFirst->Next();
        delete m_pFirst;
        m_pFirst = pNext;
    }
    m_pLast = nullptr;
    m_nCount = 0;
}

void CGroup::CopyFrom(const CGroup& group)
{
    m_strName = group.m_strName;
    for (const CPerson* pSource = group.m_pFirst; pSource; pSource = pSource->Next()) {
        auto* pPerson = new CPerson;
        pPerson->CopyFrom(*pSource);
        Add(pPerson);
    }
}
