#include "Exclusions.h"

bool CExclusions::Add(const QString& strGiver, const QString& strRecipient)
{
    if (strGiver == strRecipient || Contains(strGiver, strRecipient))
        return false;
    m_pairs.append({strGiver, strRecipient});
    return true;
}

bool CExclusions::Remove(const QString& strGiver, const QString& strRecipient)
{
    return m_pairs.removeOne(CPair{strGiver, strRecipient});
}

bool CExclusions::Contains(const QString& strGiver, const QString& strRecipient) const
{
    return m_pairs.contains(CPair{strGiver, strRecipient});
}

QStringList CExclusions::RecipientsOf(const QString& strGiver) const
{
    QStringList recipients;
    for (const CPair& pair : m_pairs) {
        if (pair.m_strGiver == strGiver)
            recipients.append(pair.m_strRecipient);
    }
    return recipients;
}

bool CExclusions::HasGiver(const QString& strGiver) const
{
    for (const CPair& pair : m_pairs) {
        if (pair.m_strGiver == strGiver)
            return true;
    }
    return false;
}

void CExclusions::RenamePerson(const QString& strOld, const QString& strNew)
{
    for (CPair& pair : m_pairs) {
        if (pair.m_strGiver == strOld)
            pair.m_strGiver = strNew;
        if (pair.m_strRecipient == strOld)
            pair.m_strRecipient = strNew;
    }
}

void CExclusions::RemovePerson(const QString& strName)
{
    m_pairs.removeIf([&strName](const CPair& pair) {
        return pair.m_strGiver == strName || pair.m_strRecipient == strName;
    });
}
