// The members of CNameList that edit who never draws whom.
#include "model/NameList.h"

#include "text/Resource.h"
#include "text/StringTable.h"

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

void CNameList::SetExclusionsOf(const QString& strGiver, const QStringList& recipients,
                                bool bBothWays)
{
    for (const QString& strFormer : m_exclusions.RecipientsOf(strGiver)) {
        if (recipients.contains(strFormer))
            continue;
        m_exclusions.Remove(strGiver, strFormer);
        if (bBothWays)
            m_exclusions.Remove(strFormer, strGiver);
    }
    for (const QString& strRecipient : recipients) {
        m_exclusions.Add(strGiver, strRecipient);
        if (bBothWays)
            m_exclusions.Add(strRecipient, strGiver);
    }
}

bool CNameList::ExcludesBothWays(const QString& strGiver) const
{
    const QStringList recipients = m_exclusions.RecipientsOf(strGiver);
    for (const QString& strRecipient : recipients) {
        if (!m_exclusions.Contains(strRecipient, strGiver))
            return false;
    }
    return !recipients.isEmpty();
}
