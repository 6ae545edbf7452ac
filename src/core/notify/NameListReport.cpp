// The list report of CNameList, embedded in the notification e-mails.
#include "model/NameList.h"
#include "text/Resource.h"
#include "text/StringTable.h"

namespace {

void AppendPersonLine(QString& strOut, const CPerson& person, bool bShowGiftTo,
                      const QString& strIndent)
{
    strOut += strIndent;
    strOut += person.m_strName;
    if (bShowGiftTo) {
        strOut += CStringTable::Load(IDS_REPORT_GIFT_ARROW);
        strOut += person.m_strGiftTo;
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
