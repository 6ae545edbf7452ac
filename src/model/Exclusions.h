#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Who never draws whom in one list, one way each; "both ways" is two pairs. Persons are
// named by name, exactly as drawn names are, so the pairs follow renames through the list.
class CExclusions
{
public:
    struct CPair
    {
        QString m_strGiver;
        QString m_strRecipient;
        bool operator==(const CPair&) const = default;
    };

    // False when the pair is there already or names one person twice.
    bool Add(const QString& strGiver, const QString& strRecipient);
    bool Remove(const QString& strGiver, const QString& strRecipient);
    bool Contains(const QString& strGiver, const QString& strRecipient) const;
    // Those the giver never draws, in the order they were added.
    QStringList RecipientsOf(const QString& strGiver) const;
    bool HasGiver(const QString& strGiver) const;

    void RenamePerson(const QString& strOld, const QString& strNew);
    // Every pair in which the person gives or receives.
    void RemovePerson(const QString& strName);

    const QList<CPair>& Pairs() const { return m_pairs; }
    bool IsEmpty() const { return m_pairs.isEmpty(); }
    void Clear() { m_pairs.clear(); }

private:
    QList<CPair> m_pairs;
};
