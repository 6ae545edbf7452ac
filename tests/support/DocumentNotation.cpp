#include "DocumentNotation.h"

#include "ListNotation.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "platform/Archive.h"

#include <QBuffer>

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

void LoadDocument(CKivvoDoc& doc, const QStringList& lists)
{
    CKivvoDoc source;
    BuildDocument(source, lists);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    CArchive out(&buffer, CArchive::store);
    source.Serialize(out);
    buffer.seek(0);
    CArchive in(&buffer, CArchive::load);
    doc.Serialize(in);
}

QStringList DescribeDocument(const CKivvoDoc& doc)
{
    QStringList lists;
    for (const CListNode* pNode = doc.GetHeadNode(); pNode; pNode = pNode->m_pNext)
        lists.append(pNode->m_pList->m_strName + QStringLiteral(": ") +
                     DescribeList(*pNode->m_pList));
    return lists;
}
