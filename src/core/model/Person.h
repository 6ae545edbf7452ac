#pragma once

#include "model/ListItem.h"

#include <QDateTime>
#include <QStringList>

// What a participant was told of his recipient, and how: kept so that after a change only
// those whose recipient changed are told again, and so that a repair keeps what they know.
struct CTold
{
    enum EHow : quint8
    {
        byMail = 1,
        onCard = 2,
        inRound = 4, // seen in the pass-around round
        allWays = byMail | onCard | inRound,
    };
    QString m_strGiftTo;      // the recipient he was told; empty while told nothing
    QStringList m_moreGiftTo; // with several gifts: the further recipients he was told
    quint8 m_nHow = 0;        // EHow bits: every way he was told that recipient
    QDateTime m_when;         // the last time
    bool IsEmpty() const { return m_strGiftTo.isEmpty(); }
    bool operator==(const CTold&) const = default;
};

// Whether a participant gives, receives, or both.
enum class ERole : quint8
{
    both = 0,
    givesOnly = 1,
    receivesOnly = 2,
};

// One participant.
class CPerson : public CListItem
{
public:
    CPerson() = default;
    CPerson(const QString& strName, const QString& strAddress, const QString& strSuggestions);

    bool IsGroup() const override { return false; }
    void Store(CArchive& ar) const override;

    // Reads the four strings of a person entry; the caller has read the tag.
    void Load(CArchive& ar);

    // Copies what carries over to the next drawing: name, address and suggestions.
    void CopyFrom(const CPerson& person);

    CPerson* Next() const { return static_cast<CPerson*>(m_pNext); }

    QString m_strAddress;     // e-mail address or address-book name
    QString m_strSuggestions; // gift suggestions for this person
    QString m_strGiftTo;      // whom this person gives to; empty until drawn
    QStringList m_moreGiftTo; // with several gifts: his second and further recipients
    ERole m_role = ERole::both;
    bool m_bPicked = false; // already pulled from a hat in the drawing under way
    CTold m_told;           // what he was told, in the newest list

    bool Gives() const { return m_role != ERole::receivesOnly; }
    bool Receives() const { return m_role != ERole::givesOnly; }
    // Every person he gives to, the first one first; empty until drawn.
    QStringList GiftsTo() const;
    void SetGiftsTo(const QStringList& giftsTo);
    // Where he drew strOld, he drew strNew: the drawn person was renamed.
    bool RenameRecipient(const QString& strOld, const QString& strNew);

    // Whether his recipients are not (or not only) the ones he was told.
    bool MustBeToldAgain() const
    {
        return m_told.m_strGiftTo != m_strGiftTo || m_told.m_moreGiftTo != m_moreGiftTo;
    }
    // Records that he was told his recipient now, in this way.
    void Tell(CTold::EHow how);
};

// The fields of a person that are edited: his name, address, suggestions and role.
struct CPersonFields
{
    QString m_strName;
    QString m_strAddress;
    QString m_strSuggestions;
    ERole m_role = ERole::both;
    bool operator==(const CPersonFields&) const = default;
    static CPersonFields Of(const CPerson& person)
    {
        return {person.m_strName, person.m_strAddress, person.m_strSuggestions, person.m_role};
    }
    void ApplyTo(CPerson& person) const
    {
        person.m_strName = m_strName;
        person.m_strAddress = m_strAddress;
        person.m_strSuggestions = m_strSuggestions;
        person.m_role = m_role;
    }
};
