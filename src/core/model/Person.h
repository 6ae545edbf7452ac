#pragma once

#include "model/ListItem.h"

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
    bool m_bPicked = false;   // already pulled from a hat in the drawing under way
};

// The fields of a person that are edited: his name, address and suggestions.
struct CPersonFields
{
    QString m_strName;
    QString m_strAddress;
    QString m_strSuggestions;
    bool operator==(const CPersonFields&) const = default;
    static CPersonFields Of(const CPerson& person)
    {
        return {person.m_strName, person.m_strAddress, person.m_strSuggestions};
    }
    void ApplyTo(CPerson& person) const
    {
        person.m_strName = m_strName;
        person.m_strAddress = m_strAddress;
        person.m_strSuggestions = m_strSuggestions;
    }
};
