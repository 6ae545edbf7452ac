#pragma once

#include "ListItem.h"

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
