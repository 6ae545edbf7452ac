#include "model/Exclusions.h"

QString CExclusions::Key(const QString& strGiver, const QString& strRecipient)
{
    // A name's length first, so that no two pairs of names give the same key.
    return QString::number(strGiver.size()) + u':' + strGiver + strRecipient;
}

void CExclusions::Reindex()
{
    m_index.clear();
    for (const CPair& pair : std::as_const(m_pairs))
        m_index.insert(Key(pair.m_strGiver, pair.m_strRecipient), true);
}

void CExclusions::Clear()
{
    m_pairs.clear();
    m_index.clear();
}

void CExclusions::SetPairs(const QList<CPair>& pairs)
{
    m_pairs = pairs;
    Reindex();
}

bool CExclusions::Add(const QString& strGiver, const QString& strRecipient)
{
    if (strGiver == strRecipient || Contains(strGiver, strRecipient))
        return false;
    m_pairs.append({strGiver, strRecipient});
    m_index.insert(Key(strGiver, strRecipient), true);
    return true;
}

bool CExclusions::Remove(const QString& strGiver, const QString& strRecipient)
{
    if (!m_index.remove(Key(strGiver, strRecipient)))
        return false;
    m_pairs.removeOne(CPair{strGiver, strRecipient});
    return true;
}

bool CExclusions::Contains(const QString& strGiver, const QString& strRecipient) const
{
    return m_index.contains(Key(strGiver, strRecipient));
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
    Reindex();
}

void CExclusions::RemovePerson(const QString& strName)
{
    m_pairs.removeIf([&strName](const CPair& pair) {
        return pair.m_strGiver == strName || pair.m_strRecipient == strName;
    });
    Reindex();
}
