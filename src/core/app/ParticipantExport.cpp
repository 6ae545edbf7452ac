#include "app/ParticipantExport.h"

#include "model/CsvReader.h"
#include "model/NameList.h"

QByteArray CParticipantExport::Csv(const CNameList& list)
{
    QString strText =
        CCsvReader::Line({"name", "address", "suggestions", "group"}) + QStringLiteral("\r\n");
    const auto add = [&strText](const CPerson& person, const QString& strGroup) {
        strText += CCsvReader::Line(
                       {person.m_strName, person.m_strAddress, person.m_strSuggestions, strGroup}) +
                   QStringLiteral("\r\n");
    };
    for (const CListItem* pItem = list.m_pFirst; pItem; pItem = pItem->m_pNext) {
        if (!pItem->IsGroup()) {
            add(*static_cast<const CPerson*>(pItem), QString());
            continue;
        }
        for (const CPerson* pPerson = static_cast<const CGroup*>(pItem)->m_pFirst; pPerson;
             pPerson = pPerson->Next())
            add(*pPerson, pItem->m_strName);
    }
    return strText.toUtf8();
}
