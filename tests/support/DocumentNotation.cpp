#include "DocumentNotation.h"

#include "ArchiveBytes.h"
#include "ListNotation.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "platform/Archive.h"

void BuildDocument(CKivvoDoc& doc, const QStringList& lists)
{
    doc.DeleteLists();
    for (const QString& strList : lists) {
        CNameList* pList = doc.AddList()->m_pList;
        const auto pParsed = ParseList(strList);
        while (CListItem* pItem = pParsed->m_pFirst) {
            pParsed->m_pFirst = pItem->m_pNext;
            pList->Append(pItem);
        }
        pParsed->m_pLast = nullptr;
    }
}

void ReloadDocument(CKivvoDoc& doc)
{
    const QByteArray bytes = StoredBytes([&](CArchive& ar) { doc.Serialize(ar); });
    LoadBytes(bytes, [&](CArchive& ar) { doc.Serialize(ar); });
}

QByteArray DocumentBytes(CKivvoDoc& doc)
{
    return StoredBytes([&](CArchive& ar) { doc.Serialize(ar); });
}

void LoadDocument(CKivvoDoc& doc, const QStringList& lists)
{
    BuildDocument(doc, lists);
    ReloadDocument(doc);
}

QStringList DescribeDocument(const CKivvoDoc& doc)
{
    QStringList lists;
    for (const CListNode* pNode = doc.GetHeadNode(); pNode; pNode = pNode->m_pNext)
        lists.append(pNode->m_pList->m_strName + QStringLiteral(": ") +
                     DescribeList(*pNode->m_pList));
    return lists;
}
