#pragma once

#include "model/Person.h"

// A named set of persons who must not draw each other. Owns its persons.
class CGroup : public CListItem
{
public:
    CGroup() = default;
    explicit CGroup(const QString& strName) : CListItem(strName) {}
    ~CGroup() override;

    bool IsGroup() const override { return true; }
    void Store(CArchive& ar) const override;

    // Reads the name, the person count and that many persons; the caller has read the tag.
    void Load(CArchive& ar);

    // Takes ownership of the person and appends it.
    void Add(CPerson* pPerson);
    bool Contains(const CPerson* pPerson) const;
    int CountPersons() const;
    // Takes ownership of the person and puts him right after another (null: first).
    void InsertAfter(CPerson* pPerson, CPerson* pBefore);
    // Unlinks the person without deleting him; the caller owns him then. False when he is
    // not in the group.
    bool Take(CPerson* pPerson);
    // The same for a person known to stand right after pBefore (null: first).
    void TakeAfter(CPerson* pPerson, CPerson* pBefore);
    void RemoveAll();
    void CopyFrom(const CGroup& group);

    CPerson* m_pFirst = nullptr;
    CPerson* m_pLast = nullptr;
    qint32 m_nCount = 0;
};
