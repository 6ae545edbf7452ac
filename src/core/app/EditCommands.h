#pragma once

#include "model/Exclusions.h"
#include "model/NameList.h"

#include <QUndoCommand>

#include <functional>
#include <memory>
#include <vector>

class CKivvoDoc;
struct CListNode;

// The steps of the document's undo stack. Each holds only what its edit changed, so that a
// step costs memory in proportion to the edit, never to the document. A step is pushed once
// its edit is made: the first redo, the one pushing does, does nothing. An entry a step has
// taken out of its list belongs to the step until it goes back.

// The pairs of a list's exclusions before and after an edit, kept only when they differ.
class CExclusionsChange
{
public:
    CExclusionsChange() = default;
    CExclusionsChange(const QList<CExclusions::CPair>& before, const CExclusions& after);
    void Undo(CExclusions& exclusions) const;
    void Redo(CExclusions& exclusions) const;
    bool IsEmpty() const { return !m_bChanged; }

private:
    bool m_bChanged = false;
    QList<CExclusions::CPair> m_before;
    QList<CExclusions::CPair> m_after;
};

class CDocCommand : public QUndoCommand
{
public:
    CDocCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId);

    void undo() final;
    void redo() final;

protected:
    virtual void Undo() = 0;
    virtual void Redo() = 0;

    CKivvoDoc* m_pDoc;
    CNameList* m_pList; // the list the step changes, shown when it is undone or redone

private:
    bool m_bDone = true;
};

// Steps that merge into the one before them, when it is of the same kind.
enum EMergeId
{
    mergeNamesNewGroup = 1, // a group just added and the name typed for it
};

// A person or a group added to a list, or taken out of it, with the exclusions that went.
class CEntryCommand : public CDocCommand
{
public:
    CEntryCommand(CKivvoDoc* pDoc, CNameList* pList, CListItem* pEntry,
                  const CNameList::CPlace& place, bool bAdded, CExclusionsChange exclusions);
    ~CEntryCommand() override;

    // A group added takes in the name first typed for it: adding it is one step. Undone, the
    // group goes with its name; done again, it comes back with it.
    int id() const override;
    bool mergeWith(const QUndoCommand* pOther) override;

protected:
    void Undo() override;
    void Redo() override;

private:
    void Link();
    void Unlink();

    CListItem* m_pEntry;
    CNameList::CPlace m_place;
    bool m_bAdded;
    bool m_bOwned; // out of the list now
    CExclusionsChange m_exclusions;
};

// A person moved to another group or to the top level.
class CMoveCommand : public CDocCommand
{
public:
    CMoveCommand(CKivvoDoc* pDoc, CNameList* pList, CPerson* pPerson, const CNameList::CPlace& from,
                 const CNameList::CPlace& to);

protected:
    void Undo() override;
    void Redo() override;

private:
    void Move(const CNameList::CPlace& from, const CNameList::CPlace& to);

    CPerson* m_pPerson;
    CNameList::CPlace m_from;
    CNameList::CPlace m_to;
};

class CPersonCommand : public CDocCommand
{
public:
    CPersonCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId, CPerson* pPerson,
                   const CPersonFields& before, std::vector<CPerson*> drewHim,
                   CExclusionsChange exclusions);

protected:
    void Undo() override;
    void Redo() override;

private:
    // His fields, with the drawn names that named him following his name.
    void Set(const CPersonFields& fields);

    CPerson* m_pPerson;
    CPersonFields m_before;
    CPersonFields m_after;
    std::vector<CPerson*> m_drewHim; // whose drawn name followed his name
    CExclusionsChange m_exclusions;
};

// A name of a list or a group.
class CNameCommand : public CDocCommand
{
public:
    // bNamesNew: the name typed for a group just added, part of adding it.
    CNameCommand(CKivvoDoc* pDoc, CNameList* pList, CListItem* pGroup, const QString& strBefore,
                 bool bNamesNew = false);

    int id() const override { return m_bNamesNew ? mergeNamesNewGroup : -1; }
    const CListItem* Entry() const { return m_pGroup; }

protected:
    void Undo() override { Set(m_strBefore); }
    void Redo() override { Set(m_strAfter); }

private:
    void Set(const QString& strName);

    CListItem* m_pGroup; // null: the list's own name
    QString m_strBefore;
    QString m_strAfter;
    bool m_bNamesNew;
};

// The exclusions of a list.
class CExclusionsCommand : public CDocCommand
{
public:
    CExclusionsCommand(CKivvoDoc* pDoc, CNameList* pList, CExclusionsChange change);

protected:
    void Undo() override;
    void Redo() override;

private:
    CExclusionsChange m_change;
};

// The drawn names of a list.
class CDrawCommand : public CDocCommand
{
public:
    CDrawCommand(CKivvoDoc* pDoc, CNameList* pList, std::vector<CPerson*> persons,
                 QList<QStringList> before);

protected:
    void Undo() override { Set(m_before); }
    void Redo() override { Set(m_after); }

private:
    void Set(const QList<QStringList>& giftsTo);

    std::vector<CPerson*> m_persons;
    QList<QStringList> m_before;
    QList<QStringList> m_after;
};

// Entries appended to a list as one step: an import.
class CAppendCommand : public CDocCommand
{
public:
    struct CAppended
    {
        CListItem* m_pEntry;
        CNameList::CPlace m_place;
    };
    CAppendCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId, std::vector<CAppended> added);
    ~CAppendCommand() override;

protected:
    void Undo() override;
    void Redo() override;

private:
    std::vector<CAppended> m_added;
    bool m_bOwned = false;
};

// A new drawing put in front of the chain: Copy for Next Exchange.
class CNewListCommand : public CDocCommand
{
public:
    CNewListCommand(CKivvoDoc* pDoc, CListNode* pNode, CListNode* pShownBefore);
    ~CNewListCommand() override;

protected:
    void Undo() override;
    void Redo() override;

private:
    CListNode* m_pNode;
    CListNode* m_pShownBefore;
    bool m_bOwned = false;
};

// A value of the document as a whole: the rules, the e-mail language, a list's details.
class CValueCommand : public CDocCommand
{
public:
    CValueCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId, std::function<void()> undo,
                  std::function<void()> redo);

protected:
    void Undo() override { m_undo(); }
    void Redo() override { m_redo(); }

private:
    std::function<void()> m_undo;
    std::function<void()> m_redo;
};

// Several steps made by one action of the user, taken back and done again as one.
class CStepsCommand : public QUndoCommand
{
public:
    CStepsCommand(const QString& strText, std::vector<std::unique_ptr<QUndoCommand>> steps);

    void undo() override;
    void redo() override;

private:
    std::vector<std::unique_ptr<QUndoCommand>> m_steps;
};
