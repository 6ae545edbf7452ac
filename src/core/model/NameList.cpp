#include "model/NameList.h"

#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"

CNameList::CNameList() : m_strName(CStringTable::Load(IDS_NEW_LIST_NAME)) {}

CNameList::~CNameList()
{
    RemoveAll();
}

void CNameList::Append(CListItem* pItem)
{
    pItem->m_pNext = nullptr;
    if (m_pLast)
        m_pLast->m_pNext = pItem;
    else
        m_pFirst = pItem;
    m_pLast = pItem;
}

bool CNameList::AddToGroup(CPerson* pPerson, CGroup* pGroup)
{
    for (CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem == pGroup) {
            pGroup->Add(pPerson);
            return true;
        }
    }
    return false;
}

bool CNameList::Contains(const CListItem* pItem) const
{
    CPlace place;
    return PlaceOf(pItem, place);
}

bool CNameList::PlaceOf(const CListItem* pItem, CPlace& place) const
{
    CListItem* pPrevious = nullptr;
    for (CListItem* pEntry = m_pFirst; pEntry; pPrevious = pEntry, pEntry = pEntry->m_pNext) {
        if (pEntry == pItem) {
            place = {nullptr, pPrevious};
            return true;
        }
        if (!pEntry->IsGroup())
            continue;
        auto* pGroup = static_cast<CGroup*>(pEntry);
        CPerson* pBefore = nullptr;
        for (CPerson* pPerson = pGroup->m_pFirst; pPerson;
             pBefore = pPerson, pPerson = pPerson->Next()) {
            if (pPerson == pItem) {
                place = {pGroup, pBefore};
                return true;
            }
        }
    }
    return false;
}

CNameList::CPlace CNameList::EndOf(const CNameList& list, CGroup* pGroup)
{
    return {pGroup, pGroup ? pGroup->m_pLast : list.m_pLast};
}

void CNameList::Link(CListItem* pItem, const CPlace& place)
{
    if (place.m_pGroup) {
        place.m_pGroup->InsertAfter(static_cast<CPerson*>(pItem),
                                    static_cast<CPerson*>(place.m_pBefore));
        return;
    }
    if (place.m_pBefore) {
        pItem->m_pNext = place.m_pBefore->m_pNext;
        place.m_pBefore->m_pNext = pItem;
    } else {
        pItem->m_pNext = m_pFirst;
        m_pFirst = pItem;
    }
    if (m_pLast == place.m_pBefore)
        m_pLast = pItem;
}

void CNameList::Unlink(CListItem* pItem, const CPlace& place)
{
    if (place.m_pGroup) {
        place.m_pGroup->TakeAfter(static_cast<CPerson*>(pItem),
                                  static_cast<CPerson*>(place.m_pBefore));
        return;
    }
    if (place.m_pBefore)
        place.m_pBefore->m_pNext = pItem->m_pNext;
    else
        m_pFirst = pItem->m_pNext;
    if (m_pLast == pItem)
        m_pLast = place.m_pBefore;
    pItem->m_pNext = nullptr;
}

QStringList CNameList::PersonNamesOf(const CListItem* pItem)
{
    if (!pItem->IsGroup())
        return {pItem->m_strName};
    QStringList names;
    for (const CPerson* pPerson = static_cast<const CGroup*>(pItem)->m_pFirst; pPerson;
         pPerson = pPerson->Next())
        names.append(pPerson->m_strName);
    return names;
}

void CNameList::DropExclusionsOf(const QStringList& names)
{
    // The exclusions of whoever went go with him, unless another person bears his name.
    for (const QString& strName : names) {
        if (!FirstPersonWhere([&strName](CPerson* p) { return p->m_strName == strName; }))
            m_exclusions.RemovePerson(strName);
    }
}

bool CNameList::Remove(CListItem* pItem)
{
    CPlace place;
    if (!pItem || !PlaceOf(pItem, place))
        return false;
    Unlink(pItem, place);
    const QStringList removed = PersonNamesOf(pItem);
    delete pItem; // a group deletes its persons
    DropExclusionsOf(removed);
    return true;
}

void CNameList::RemoveAll()
{
    while (m_pFirst) {
        CListItem* pNext = m_pFirst->m_pNext;
        delete m_pFirst;
        m_pFirst = pNext;
    }
    m_pLast = nullptr;
    m_exclusions.Clear();
    m_details = CExchangeDetails();
}

CGroup* CNameList::GroupOf(const CPerson* pPerson) const
{
    for (CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup())
            continue;
        for (CPerson* p = static_cast<CGroup*>(pItem)->m_pFirst; p; p = p->Next()) {
            if (p == pPerson)
                return static_cast<CGroup*>(pItem);
        }
    }
    return nullptr;
}

bool CNameList::HasGroup() const
{
    for (const CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem->IsGroup())
            return true;
    }
    return false;
}

CGroup* CNameList::FindGroup(const QString& strName) const
{
    for (CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem->IsGroup() && pItem->m_strName == strName)
            return static_cast<CGroup*>(pItem);
    }
    return nullptr;
}

bool CNameList::MovePerson(CPerson* pPerson, CGroup* pGroup)
{
    CListItem* pBefore = nullptr; // the top-level entry before the person, if he is one
    bool bTopLevel = false;
    bool bGroupHere = pGroup == nullptr;
    for (CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        bGroupHere |= pItem == pGroup;
        if (pItem->m_pNext == pPerson)
            pBefore = pItem;
        bTopLevel |= pItem == pPerson;
    }
    CGroup* pOwn = bTopLevel ? nullptr : GroupOf(pPerson);
    if (!bGroupHere || (!bTopLevel && !pOwn))
        return false;
    if (pOwn) {
        pOwn->Take(pPerson);
    } else {
        (pBefore ? pBefore->m_pNext : m_pFirst) = pPerson->m_pNext;
        if (m_pLast == pPerson)
            m_pLast = pBefore;
        pPerson->m_pNext = nullptr;
    }
    if (pGroup)
        pGroup->Add(pPerson);
    else
        Append(pPerson);
    return true;
}

int CNameList::CountPersons() const
{
    int nCount = 0;
    ForEachPerson([&nCount](CPerson*) { ++nCount; });
    return nCount;
}

bool CNameList::HasDrawnNames() const
{
    return FirstPersonWhere([](CPerson* pPerson) { return !pPerson->m_strGiftTo.isEmpty(); });
}

bool CNameList::HasRoles() const
{
    return FirstPersonWhere([](CPerson* pPerson) { return pPerson->m_role != ERole::both; });
}

void CNameList::ResetDrawing()
{
    ForEachPerson([](CPerson* pPerson) {
        pPerson->m_bPicked = false;
        pPerson->SetGiftsTo({});
    });
}

CPerson* CNameList::GetPersonAt(int nIndex) const
{
    if (nIndex < 0)
        return nullptr;
    int nPosition = 0;
    return FirstPersonWhere([&](CPerson*) { return nPosition++ == nIndex; });
}

CPerson* CNameList::FindPerson(const QString& strName) const
{
    return FirstPersonWhere([&strName](CPerson* pPerson) {
        return pPerson->m_strName.compare(strName, Qt::CaseInsensitive) == 0;
    });
}

void CNameList::FindGiftTo(const QString& strName, QString& strOut) const
{
    if (const CPerson* pPerson = FirstPersonWhere(
            [&strName](CPerson* pCandidate) { return pCandidate->m_strName == strName; }))
        strOut = pPerson->m_strGiftTo;
}

CPerson* CNameList::FindNameless() const
{
    return FirstPersonWhere(
        [](CPerson* pPerson) { return pPerson->m_strName.trimmed().isEmpty(); });
}

QString CNameList::MakeUniqueName(const QString& strName, const QString& strHint) const
{
    if (!FindPerson(strName))
        return strName;
    if (!strHint.isEmpty()) {
        // The hint's first character, whole even when it takes two UTF-16 units.
        const qsizetype nInitial = strHint.at(0).isHighSurrogate() && strHint.size() > 1 ? 2 : 1;
        const QString strCandidate =
            CStringTable::Format(IDS_UNIQUE_WITH_INITIAL, {strName, strHint.left(nInitial)});
        if (!FindPerson(strCandidate))
            return strCandidate;
    }
    for (int n = 1;; ++n) {
        const QString strCandidate = CStringTable::Format(IDS_UNIQUE_WITH_NUMBER, {strName, n});
        if (!FindPerson(strCandidate))
            return strCandidate;
    }
}

QString CNameList::RenamePerson(CPerson* pPerson, const QString& strName,
                                std::vector<CPerson*>* pDrewHim)
{
    const QString strOld = pPerson->m_strName;
    if (strName.trimmed().isEmpty() || strName == strOld)
        return strOld;
    // His own name is no other person's: a change of case alone keeps the name his.
    pPerson->m_strName.clear();
    const QString strNew = MakeUniqueName(strName, QString());
    pPerson->m_strName = strNew;
    // A name that still names somebody else never was his alone to carry along; nor does
    // an empty one, which an undrawn person's empty drawn name would match.
    if (strOld.isEmpty() ||
        FirstPersonWhere([&strOld](CPerson* p) { return p->m_strName == strOld; }))
        return strNew;
    m_exclusions.RenamePerson(strOld, strNew);
    ForEachPerson([&](CPerson* p) {
        if (p->RenameRecipient(strOld, strNew) && pDrewHim)
            pDrewHim->push_back(p);
    });
    return strNew;
}

void CNameList::CopyForNextDrawing(const CNameList& source)
{
    m_strName = source.m_strName + CStringTable::Load(IDS_COPY_SUFFIX);
    m_exclusions = source.m_exclusions;
    m_details = source.m_details.ForNextExchange();
    for (const CListItem* pItem = source.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (pItem->IsGroup()) {
            auto* pGroup = new CGroup;
            pGroup->CopyFrom(*static_cast<const CGroup*>(pItem));
            Append(pGroup);
        } else {
            auto* pPerson = new CPerson;
            pPerson->CopyFrom(*static_cast<const CPerson*>(pItem));
            Append(pPerson);
        }
    }
}

void CNameList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        const CArchive::CRecord record(ar);
        ar.WriteString(m_strName);
        for (const CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext)
            pItem->Store(ar);
        ar.WriteInt(TAG_END_OF_LIST);
        return;
    }
    m_strName = ar.ReadString();
    while (ar.IsOk()) {
        const qint32 nTag = ar.ReadInt();
        if (!ar.IsOk())
            break;
        if ((nTag == TAG_PERSON || nTag == TAG_GROUP) && !ar.TakeEntry())
            break;
        if (nTag == TAG_PERSON) {
            auto* pPerson = new CPerson;
            pPerson->Load(ar);
            Append(pPerson);
        } else if (nTag == TAG_GROUP) {
            auto* pGroup = new CGroup;
            pGroup->Load(ar);
            Append(pGroup);
        } else {
            break; // any other tag ends the list record
        }
    }
}

// Who never draws whom.

bool CNameList::ParseNames(const QString& strText, const QString& strGiver, QStringList& names,
                           QString& strError) const
{
    names.clear();
    const QStringList parts = strText.split(u',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts.at(i).trimmed().isEmpty())
            continue;
        // The longest run of parts that names a person, for names such as "Smith, Ann".
        const CPerson* pFound = nullptr;
        qsizetype nLast = i;
        QString strRun;
        for (qsizetype j = i; j < parts.size(); ++j) {
            strRun += (j > i ? QStringLiteral(",") : QString()) + parts.at(j);
            if (const CPerson* pPerson = FindPerson(strRun.trimmed())) {
                pFound = pPerson;
                nLast = j;
            }
        }
        if (!pFound) {
            strError = CStringTable::Format(IDS_PERSON_UNKNOWN_NAME, {parts.at(i).trimmed()});
            return false;
        }
        if (pFound->m_strName == strGiver) {
            strError = CStringTable::Format(IDS_PERSON_SELF_EXCLUDED, {pFound->m_strName});
            return false;
        }
        if (!names.contains(pFound->m_strName))
            names.append(pFound->m_strName);
        i = nLast;
    }
    return true;
}

QList<CNeverDraws> CNameList::NeverDrawsOf(const QString& strGiver) const
{
    QList<CNeverDraws> neverDraws;
    for (const QString& strRecipient : m_exclusions.RecipientsOf(strGiver))
        neverDraws.append({strRecipient, m_exclusions.Contains(strRecipient, strGiver)});
    return neverDraws;
}

void CNameList::SetExclusionsOf(const QString& strGiver, const QList<CNeverDraws>& neverDraws)
{
    for (const QString& strFormer : m_exclusions.RecipientsOf(strGiver)) {
        if (std::none_of(neverDraws.cbegin(), neverDraws.cend(),
                         [&strFormer](const CNeverDraws& n) { return n.m_strName == strFormer; })) {
            m_exclusions.Remove(strGiver, strFormer);
            m_exclusions.Remove(strFormer, strGiver);
        }
    }
    for (const CNeverDraws& never : neverDraws) {
        m_exclusions.Add(strGiver, never.m_strName);
        if (never.m_bBothWays)
            m_exclusions.Add(never.m_strName, strGiver);
        else
            m_exclusions.Remove(never.m_strName, strGiver);
    }
}

// The list report, embedded in the notification e-mails.

namespace {

void AppendPersonLine(QString& strOut, const CPerson& person, bool bShowGiftTo,
                      const QString& strIndent)
{
    strOut += strIndent;
    strOut += person.m_strName;
    if (bShowGiftTo) {
        strOut += CStringTable::Load(IDS_REPORT_GIFT_ARROW);
        strOut += person.GiftsTo().join(CStringTable::Load(IDS_NAMES_SEPARATOR));
    }
    strOut += CStringTable::Load(IDS_REPORT_LINE_END);
}

} // namespace

void CNameList::FormatReport(QString& strOut, bool bShowGiftTo) const
{
    strOut.clear();
    const QString strIndent = CStringTable::Load(IDS_REPORT_MEMBER_INDENT);
    for (const CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup()) {
            AppendPersonLine(strOut, *static_cast<const CPerson*>(pItem), bShowGiftTo, {});
            continue;
        }
        strOut += CStringTable::Load(IDS_REPORT_GROUP_MARK);
        strOut += pItem->m_strName;
        strOut += CStringTable::Load(IDS_REPORT_LINE_END);
        for (const CPerson* pPerson = static_cast<const CGroup*>(pItem)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            AppendPersonLine(strOut, *pPerson, bShowGiftTo, strIndent);
    }
}
