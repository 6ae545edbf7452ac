#pragma once

#include "model/NameList.h"

#include <QList>
#include <QStringList>

// Name, address, suggestions and group (empty on the top level) of every person of a list, in
// list order: what an export writes and an import reads. Header-only, so that the fuzz
// targets, which link the core alone, use it too.
inline QList<QStringList> PersonRows(const CNameList& list)
{
    QList<QStringList> rows;
    for (const CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        const bool bGroup = pItem->IsGroup();
        const CPerson* pFirst = bGroup ? static_cast<const CGroup*>(pItem)->m_pFirst
                                       : static_cast<const CPerson*>(pItem);
        for (const CPerson* p = pFirst; p; p = bGroup ? p->Next() : nullptr)
            rows.append({p->m_strName, p->m_strAddress, p->m_strSuggestions,
                         bGroup ? pItem->m_strName : QString()});
    }
    return rows;
}
