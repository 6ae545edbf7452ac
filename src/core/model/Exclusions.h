#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One person a giver never draws, and whether that person never draws him either.
struct CNeverDraws
{
    QString m_strName;
    bool m_bBothWays = false;
    bool operator==(const CNeverDraws&) const = default;
};

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
    void Clear();
    // Every pair, as another list had them: an edit undone.
    void SetPairs(const QList<CPair>& pairs);

private:
    static QString Key(const QString& strGiver, const QString& strRecipient);
    void Reindex();

    QList<CPair> m_pairs;         // in the order they were made, as they are stored
    QHash<QString, bool> m_index; // every pair, for lookups in constant time
};
