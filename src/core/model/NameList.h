#pragma once

#include "model/DrawRules.h"
#include "model/ExchangeDetails.h"
#include "model/Exclusions.h"
#include "model/Group.h"

#include <QDateTime>

#include <vector>

class CArchive;

// One drawing: a named, ordered list of persons and groups. Owns its entries.
//
// The flattened person order, used by counting, indexing and name searches, is the
// top-level entries in order, where a group contributes its persons at its place.
class CNameList
{
public:
    CNameList();
    virtual ~CNameList();
    CNameList(const CNameList&) = delete;
    CNameList& operator=(const CNameList&) = delete;

    // Where an entry stands: in a group of the list or at the top level (null), right after
    // another entry of the same level (null: first). Edits keep an entry's place to put it
    // back exactly where it was.
    struct CPlace
    {
        CGroup* m_pGroup = nullptr;
        CListItem* m_pBefore = nullptr;
    };

    // Takes ownership of the entry and appends it at the end of the top level.
    void Append(CListItem* pItem);
    // Takes ownership of the person and appends it to a top-level group of the list; false,
    // the caller keeping him, when the group is not of the list.
    bool AddToGroup(CPerson* pPerson, CGroup* pGroup);

    // Whether the entry is of this list, at the top level or in a group.
    bool Contains(const CListItem* pItem) const;
    // Where the entry stands; false when it is not of the list.
    bool PlaceOf(const CListItem* pItem, CPlace& place) const;
    // The place after the last entry of a group, or of the top level for null.
    static CPlace EndOf(const CNameList& list, CGroup* pGroup);
    // Takes ownership of the entry and puts it at the place, which must be of this list.
    void Link(CListItem* pItem, const CPlace& place);
    // Gives up the entry that stands at the place, without deleting it.
    void Unlink(CListItem* pItem, const CPlace& place);
    // Removes the entry and deletes it, with the exclusions of the persons that went unless
    // another person bears their name; false when it is not of the list.
    bool Remove(CListItem* pItem);
    // The exclusions no person of the list gives or receives in any more, dropped.
    void DropExclusionsOf(const QStringList& names);
    void RemoveAll();

    // Moves a person of the list to the end of a group of the list, or of the top level
    // when pGroup is null. False, changing nothing, when either is not of the list.
    bool MovePerson(CPerson* pPerson, CGroup* pGroup);
    // The group that holds the person, or null for a top-level person.
    CGroup* GroupOf(const CPerson* pPerson) const;
    // The first top-level group of that name (exactly), or null.
    CGroup* FindGroup(const QString& strName) const;
    bool HasGroup() const;

    int CountPersons() const;
    bool HasDrawnNames() const;
    // Whether anybody gives only or receives only.
    bool HasRoles() const;
    void ResetDrawing();
    CPerson* GetPersonAt(int nIndex) const;
    CPerson* FindPerson(const QString& strName) const;              // ignores case
    void FindGiftTo(const QString& strName, QString& strOut) const; // exact name

    QString MakeUniqueName(const QString& strName, const QString& strHint) const;
    void CopyForNextDrawing(const CNameList& source);

    // The drawing members take the rules and the earlier drawings whose recipients are
    // avoided (newest first, as many as the rules' history window takes); the forms with one
    // previous list draw under the default rules.
    //
    // Draws every person's recipient; 1 on success, 0 when no drawing exists (the list left
    // as it was).
    int DrawNames(const CDrawRules& rules, const std::vector<const CNameList*>& history);
    int DrawNames(const CNameList* pPrevious);
    // Repairs the drawn names after the list changed: every rule kept, and as few givers as
    // possible given another recipient than the one they drew. False, the list left as it
    // was, with strWhy, when no drawing keeps the rules; nChanged: the givers changed.
    bool RepairDrawing(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                       QString& strWhy, int& nChanged);
    // Whether a drawing exists; when none, strWhy says which persons block it and why.
    bool CanBeDrawn(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                    QString& strWhy) const;
    bool CanBeDrawn(const CNameList* pPrevious, QString& strWhy) const;
    // The same, with the reason when no drawing exists.
    bool DrawNames(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                   QString& strWhy);

    // Whether the stored drawn names are a valid drawing of this list as it is now: everybody
    // gives to exactly one person of the list, nobody is drawn twice, and the rules hold.
    // When not, strWhy names what is wrong; with bGiversOnly, naming the givers only, never
    // whom they drew.
    bool CheckDrawing(const CDrawRules& rules, const std::vector<const CNameList*>& history,
                      QString& strWhy, bool bGiversOnly = false) const;
    bool CheckDrawing(const CNameList* pPrevious, QString& strWhy) const;
    // The first person without a name, or null: he can be neither drawn nor told apart.
    CPerson* FindNameless() const;
    // Renames a person and, where he was drawn in this list and in its exclusions, his name
    // with him. An empty name keeps the old one; a taken one is made unique. Returns the name
    // stored. pDrewHim receives the persons whose drawn name followed his.
    QString RenamePerson(CPerson* pPerson, const QString& strName,
                         std::vector<CPerson*>* pDrewHim = nullptr);

    // The persons named in a text of names separated by commas (a name may hold commas
    // itself), as the list spells them; false, with strError, for a name that is nobody's
    // or the giver's own.
    bool ParseNames(const QString& strText, const QString& strGiver, QStringList& names,
                    QString& strError) const;
    // Those the giver never draws, in the order they were added, each both ways when that
    // person never draws him either.
    QList<CNeverDraws> NeverDrawsOf(const QString& strGiver) const;
    // Makes the giver never draw exactly these persons, each one way (that person may draw
    // him) or both ways. A person he may draw again may draw him again too.
    void SetExclusionsOf(const QString& strGiver, const QList<CNeverDraws>& neverDraws);

    // The text rendering of the list used in the notifications.
    void FormatReport(QString& strOut, bool bShowGiftTo) const;

    virtual void Serialize(CArchive& ar);

    // The names of the person, or of the persons of a group.
    static QStringList PersonNamesOf(const CListItem* pItem);

    // Calls fn for every person in the flattened order until it returns true; returns that
    // person, or null.
    template <typename Fn> CPerson* FirstPersonWhere(Fn fn) const
    {
        for (CListItem* pItem = m_pFirst; pItem; pItem = pItem->m_pNext) {
            if (!pItem->IsGroup()) {
                if (fn(static_cast<CPerson*>(pItem)))
                    return static_cast<CPerson*>(pItem);
                continue;
            }
            for (CPerson* pPerson = static_cast<CGroup*>(pItem)->m_pFirst; pPerson;
                 pPerson = pPerson->Next()) {
                if (fn(pPerson))
                    return pPerson;
            }
        }
        return nullptr;
    }

    template <typename Fn> void ForEachPerson(Fn fn) const
    {
        FirstPersonWhere([&fn](CPerson* pPerson) {
            fn(pPerson);
            return false;
        });
    }

    CListItem* m_pFirst = nullptr;
    CListItem* m_pLast = nullptr;
    QString m_strName;
    CExclusions m_exclusions; // who never draws whom in this list
    CExchangeDetails m_details;
    // When the organiser broke the seal of this drawing and could see its pairs; invalid
    // while nobody did. Kept for good: the participants may be told.
    QDateTime m_sealBroken;
};
