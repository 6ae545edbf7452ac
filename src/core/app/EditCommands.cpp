#include "app/EditCommands.h"

#include "app/KivvoDoc.h"
#include "app/ListNode.h"
#include "text/Resource.h"
#include "text/StringTable.h"

CExclusionsChange::CExclusionsChange(const QList<CExclusions::CPair>& before,
                                     const CExclusions& after)
    : m_bChanged(before != after.Pairs())
{
    if (!m_bChanged)
        return;
    m_before = before;
    m_after = after.Pairs();
}

void CExclusionsChange::Undo(CExclusions& exclusions) const
{
    if (m_bChanged)
        exclusions.SetPairs(m_before);
}

void CExclusionsChange::Redo(CExclusions& exclusions) const
{
    if (m_bChanged)
        exclusions.SetPairs(m_after);
}

CDocCommand::CDocCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId)
    : QUndoCommand(CStringTable::Load(nTextId)), m_pDoc(pDoc), m_pList(pList)
{
}

void CDocCommand::undo()
{
    m_pDoc->ShowList(m_pList);
    Undo();
    m_bDone = false;
}

void CDocCommand::redo()
{
    if (!m_bDone) {
        m_pDoc->ShowList(m_pList);
        Redo();
    }
    m_bDone = true;
}

CEntryCommand::CEntryCommand(CKivvoDoc* pDoc, CNameList* pList, CListItem* pEntry,
                             const CNameList::CPlace& place, bool bAdded,
                             CExclusionsChange exclusions)
    : CDocCommand(pDoc, pList,
                  bAdded ? (pEntry->IsGroup() ? IDS_EDIT_ADD_GROUP : IDS_EDIT_ADD_PERSON)
                         : IDS_EDIT_DELETE),
      m_pEntry(pEntry), m_place(place), m_bAdded(bAdded), m_bOwned(!bAdded),
      m_exclusions(std::move(exclusions))
{
}

CEntryCommand::~CEntryCommand()
{
    if (m_bOwned)
        delete m_pEntry;
}

int CEntryCommand::id() const
{
    return m_bAdded && m_pEntry->IsGroup() ? mergeNamesNewGroup : -1;
}

bool CEntryCommand::mergeWith(const QUndoCommand* pOther)
{
    // Another group added is a step of its own; the name stays in the group once taken in.
    const auto* pName = dynamic_cast<const CNameCommand*>(pOther);
    return pName && pName->Entry() == m_pEntry;
}

void CEntryCommand::Link()
{
    m_pList->Link(m_pEntry, m_place);
    m_bOwned = false;
    m_pDoc->NotifyAdded(m_pList, m_pEntry);
}

void CEntryCommand::Unlink()
{
    m_pList->Unlink(m_pEntry, m_place);
    m_bOwned = true;
    m_pDoc->NotifyRemoved(m_pList, m_pEntry);
}

void CEntryCommand::Undo()
{
    if (m_bAdded) {
        Unlink();
        return;
    }
    m_exclusions.Undo(m_pList->m_exclusions);
    Link();
}

void CEntryCommand::Redo()
{
    if (m_bAdded) {
        Link();
        return;
    }
    Unlink();
    m_exclusions.Redo(m_pList->m_exclusions);
    m_pDoc->NotifyMarks(m_pList);
}

CMoveCommand::CMoveCommand(CKivvoDoc* pDoc, CNameList* pList, CPerson* pPerson,
                           const CNameList::CPlace& from, const CNameList::CPlace& to)
    : CDocCommand(pDoc, pList, IDS_EDIT_MOVE), m_pPerson(pPerson), m_from(from), m_to(to)
{
}

void CMoveCommand::Move(const CNameList::CPlace& from, const CNameList::CPlace& to)
{
    m_pList->Unlink(m_pPerson, from);
    m_pDoc->NotifyRemoved(m_pList, m_pPerson);
    m_pList->Link(m_pPerson, to);
    m_pDoc->NotifyAdded(m_pList, m_pPerson);
}

void CMoveCommand::Undo()
{
    Move(m_to, m_from);
}

void CMoveCommand::Redo()
{
    Move(m_from, m_to);
}

CPersonCommand::CPersonCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId, CPerson* pPerson,
                               const CPersonFields& before, std::vector<CPerson*> drewHim,
                               CExclusionsChange exclusions)
    : CDocCommand(pDoc, pList, nTextId), m_pPerson(pPerson), m_before(before),
      m_after(CPersonFields::Of(*pPerson)), m_drewHim(std::move(drewHim)),
      m_exclusions(std::move(exclusions))
{
}

void CPersonCommand::Set(const CPersonFields& fields)
{
    const QString strFormer = m_pPerson->m_strName;
    fields.ApplyTo(*m_pPerson);
    for (CPerson* pGiver : m_drewHim)
        pGiver->RenameRecipient(strFormer, fields.m_strName);
}

void CPersonCommand::Undo()
{
    Set(m_before);
    m_exclusions.Undo(m_pList->m_exclusions);
    m_pDoc->NotifyChanged(m_pList, m_pPerson);
}

void CPersonCommand::Redo()
{
    Set(m_after);
    m_exclusions.Redo(m_pList->m_exclusions);
    m_pDoc->NotifyChanged(m_pList, m_pPerson);
}

CNameCommand::CNameCommand(CKivvoDoc* pDoc, CNameList* pList, CListItem* pGroup,
                           const QString& strBefore, bool bNamesNew)
    : CDocCommand(pDoc, pList, IDS_EDIT_RENAME), m_pGroup(pGroup), m_strBefore(strBefore),
      m_strAfter(pGroup ? pGroup->m_strName : pList->m_strName), m_bNamesNew(bNamesNew && pGroup)
{
}

void CNameCommand::Set(const QString& strName)
{
    if (m_pGroup) {
        m_pGroup->m_strName = strName;
        m_pDoc->NotifyChanged(m_pList, m_pGroup);
        return;
    }
    m_pList->m_strName = strName;
    m_pDoc->NotifyListRenamed(m_pList);
}

CExclusionsCommand::CExclusionsCommand(CKivvoDoc* pDoc, CNameList* pList, CExclusionsChange change)
    : CDocCommand(pDoc, pList, IDS_EDIT_PROPERTIES), m_change(std::move(change))
{
}

void CExclusionsCommand::Undo()
{
    m_change.Undo(m_pList->m_exclusions);
    m_pDoc->NotifyMarks(m_pList);
}

void CExclusionsCommand::Redo()
{
    m_change.Redo(m_pList->m_exclusions);
    m_pDoc->NotifyMarks(m_pList);
}

CDrawCommand::CDrawCommand(CKivvoDoc* pDoc, CNameList* pList, std::vector<CPerson*> persons,
                           QList<QStringList> before)
    : CDocCommand(pDoc, pList, IDS_EDIT_DRAW), m_persons(std::move(persons)),
      m_before(std::move(before))
{
    for (const CPerson* pPerson : m_persons)
        m_after.append(pPerson->GiftsTo());
}

void CDrawCommand::Set(const QList<QStringList>& giftsTo)
{
    for (size_t i = 0; i < m_persons.size(); ++i)
        m_persons[i]->SetGiftsTo(giftsTo.at(qsizetype(i)));
    m_pDoc->NotifyDrawn(m_pList);
}

CAppendCommand::CAppendCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId,
                               std::vector<CAppended> added)
    : CDocCommand(pDoc, pList, nTextId), m_added(std::move(added))
{
}

CAppendCommand::~CAppendCommand()
{
    // Taken out, every entry stands alone: a new group was emptied before it went.
    if (m_bOwned) {
        for (const CAppended& added : m_added)
            delete added.m_pEntry;
    }
}

void CAppendCommand::Undo()
{
    // Last in, first out: each entry is the last of its place again when its turn comes.
    for (auto it = m_added.rbegin(); it != m_added.rend(); ++it)
        m_pList->Unlink(it->m_pEntry, it->m_place);
    m_bOwned = true;
    m_pDoc->NotifyListEdited(m_pList);
}

void CAppendCommand::Redo()
{
    for (const CAppended& added : m_added)
        m_pList->Link(added.m_pEntry, added.m_place);
    m_bOwned = false;
    m_pDoc->NotifyListEdited(m_pList);
}

CNewListCommand::CNewListCommand(CKivvoDoc* pDoc, CListNode* pNode, CListNode* pShownBefore)
    : CDocCommand(pDoc, pNode->m_pList, IDS_EDIT_COPY), m_pNode(pNode), m_pShownBefore(pShownBefore)
{
}

CNewListCommand::~CNewListCommand()
{
    if (!m_bOwned)
        return;
    delete m_pNode->m_pList;
    delete m_pNode;
}

void CNewListCommand::Undo()
{
    m_pDoc->TakeNewest(m_pNode, m_pShownBefore);
    m_bOwned = true;
}

void CNewListCommand::Redo()
{
    m_pDoc->PutNewest(m_pNode);
    m_bOwned = false;
}

CValueCommand::CValueCommand(CKivvoDoc* pDoc, CNameList* pList, int nTextId,
                             std::function<void()> undo, std::function<void()> redo)
    : CDocCommand(pDoc, pList, nTextId), m_undo(std::move(undo)), m_redo(std::move(redo))
{
}

CStepsCommand::CStepsCommand(const QString& strText,
                             std::vector<std::unique_ptr<QUndoCommand>> steps)
    : QUndoCommand(strText), m_steps(std::move(steps))
{
}

void CStepsCommand::undo()
{
    for (auto it = m_steps.rbegin(); it != m_steps.rend(); ++it)
        (*it)->undo();
}

void CStepsCommand::redo()
{
    // Pushed, each step is made already and does nothing now.
    for (const auto& pStep : m_steps)
        pStep->redo();
}
