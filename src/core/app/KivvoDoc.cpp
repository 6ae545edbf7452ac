#include "app/KivvoDoc.h"

#include "app/DrawJob.h"
#include "app/EditCommands.h"
#include "app/KivvoApp.h"
#include "app/ParticipantImport.h"
#include "model/DocumentExtension.h"
#include "model/NameList.h"
#include "notify/MailJobSource.h"
#include "notify/NotificationComposer.h"
#include "notify/SendRun.h"
#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDir>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr qint32 kFormatNumber = 1;
// Each step holds only what its edit changed: enough to go back a long way, bounded all the
// same.
constexpr int kUndoLimit = 100;

} // namespace

CKivvoDoc::CKivvoDoc(QObject* pParent) : CDocument(pParent)
{
    m_undo.setUndoLimit(kUndoLimit);
    KeepModifiedWithStack();
}

void CKivvoDoc::KeepModifiedWithStack()
{
    // Undoing back to the saved state leaves the document unmodified; a save marks the state
    // it wrote as the clean one; a change made outside the stack never counts as saved.
    connect(&m_undo, &QUndoStack::cleanChanged, this,
            [this](bool bClean) { SetModifiedFlag(!bClean); });
    connect(this, &CDocument::ModifiedChanged, this, [this](bool bModified) {
        if (!bModified && !m_undo.isClean())
            m_undo.setClean();
        else if (bModified && m_undo.isClean())
            m_undo.resetClean();
    });
}

bool CKivvoDoc::IsHistory(const CNameList* pList) const
{
    return pList && pList != GetNewestList();
}

CKivvoDoc::~CKivvoDoc()
{
    DeleteLists();
}

void CKivvoDoc::DeleteLists()
{
    if (m_pHead)
        emit ListsAboutToBeDeleted();
    while (m_pHead) {
        CListNode* pNext = m_pHead->m_pNext;
        delete m_pHead->m_pList;
        delete m_pHead;
        m_pHead = pNext;
    }
    m_pTail = nullptr;
    m_pCurrent = nullptr;
    m_nListCount = 0;
}

void CKivvoDoc::AppendNode(CNameList* pList)
{
    ++m_nListCount;
    auto* pNode = new CListNode{pList, nullptr};
    if (m_pTail)
        m_pTail->m_pNext = pNode;
    else
        m_pHead = pNode;
    m_pTail = pNode;
    m_pCurrent = pNode;
}

CListNode* CKivvoDoc::AddList()
{
    AppendNode(new CNameList);
    return m_pTail;
}

CNameList* CKivvoDoc::GetCurrentList() const
{
    return m_pCurrent ? m_pCurrent->m_pList : nullptr;
}

CNameList* CKivvoDoc::GetNewestList() const
{
    return m_pHead ? m_pHead->m_pList : nullptr;
}

CNameList* CKivvoDoc::GetPreviousList(const CListNode* pNode)
{
    return pNode && pNode->m_pNext ? pNode->m_pNext->m_pList : nullptr;
}

std::vector<const CNameList*> CKivvoDoc::GetHistory(const CListNode* pNode) const
{
    std::vector<const CNameList*> history;
    for (const CListNode* p = pNode ? pNode->m_pNext : nullptr;
         p && int(history.size()) < m_rules.m_nHistory; p = p->m_pNext)
        history.push_back(p->m_pList);
    return history;
}

std::vector<CNameList*> CKivvoDoc::GetLists() const
{
    std::vector<CNameList*> lists;
    for (const CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext)
        lists.push_back(pNode->m_pList);
    return lists;
}

CTextLanguage CKivvoDoc::MailLanguage() const
{
    if (m_runLanguage)
        return *m_runLanguage;
    CTextLanguage language;
    // A code this version has no translation for (a later one's) falls back to the desktop's.
    if (!m_strMailLanguage.isEmpty() && CTextLanguage::ForCode(m_strMailLanguage, language))
        return language;
    return CTextLanguage::Ui();
}

bool CKivvoDoc::CanDrawNewest(QString& strWhy) const
{
    const CNameList* pNewest = GetNewestList();
    return pNewest && pNewest->CanBeDrawn(m_rules, GetHistory(m_pHead), strWhy);
}

QStringList CKivvoDoc::ListNames() const
{
    QStringList names;
    for (const CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext)
        names.append(pNode->m_pList->m_strName);
    return names;
}

int CKivvoDoc::CurrentListIndex() const
{
    int nIndex = 0;
    for (const CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext, ++nIndex) {
        if (pNode == m_pCurrent)
            return nIndex;
    }
    return -1;
}

void CKivvoDoc::NotifyListsChanged()
{
    emit ListsChanged();
}

void CKivvoDoc::SelectList(int nIndex)
{
    if (nIndex < 0)
        return;
    CListNode* pNode = m_pHead;
    while (pNode && nIndex-- > 0)
        pNode = pNode->m_pNext;
    if (!pNode)
        return;
    m_pCurrent = pNode;
    emit ListsChanged();
    UpdateAllViews(HINT_LIST_CHANGED);
}

bool CKivvoDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    DeleteLists();
    AddList();
    m_rules = CDrawRules();
    m_strMailLanguage.clear();
    m_bSealed = false;
    m_bQuoteHistory = true;
    m_foreignSections.clear();
    m_undo.clear();
    NotifyListsChanged();
    UpdateAllViews(HINT_LIST_CHANGED);
    return true;
}

void CKivvoDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreLists(ar);
        return;
    }
    LoadLists(ar);
    // Another file's steps make no sense here.
    if (ar.IsOk())
        m_undo.clear();
}

void CKivvoDoc::StoreLists(CArchive& ar) const
{
    ar.WriteInt(kFormatNumber);
    ar.WriteByte(m_nListCount);
    for (const CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext)
        pNode->m_pList->Serialize(ar);
    CDocumentExtension::CDocumentWide wide;
    wide.m_rules = m_rules;
    wide.m_strMailLanguage = m_strMailLanguage;
    wide.m_bSealed = m_bSealed;
    wide.m_bQuoteHistory = m_bQuoteHistory;
    wide.m_foreign = m_foreignSections;
    CDocumentExtension::Store(ar, wide, GetLists());
}

void CKivvoDoc::LoadLists(CArchive& ar)
{
    const qint32 nFormat = ar.ReadInt();
    const quint8 nCount = ar.ReadByte();
    if (!ar.IsOk())
        return;
    if (nFormat != kFormatNumber)
        return ar.SetError(CStringTable::Load(IDS_ERR_NOT_KIVVO));
    if (nCount == 0)
        return ar.SetError(CStringTable::Load(IDS_ERR_NO_LISTS));

    // Read everything aside first, so that a damaged file leaves the open document as it was.
    std::vector<std::unique_ptr<CNameList>> lists;
    for (int i = 0; i < nCount; ++i) {
        lists.push_back(std::make_unique<CNameList>());
        lists.back()->Serialize(ar);
        if (!ar.IsOk())
            return;
    }
    std::vector<CNameList*> loaded;
    for (auto& pList : lists)
        loaded.push_back(pList.get());
    CDocumentExtension::CDocumentWide wide;
    CDocumentExtension::Load(ar, wide, loaded);
    if (!ar.IsOk())
        return;
    DeleteLists();
    m_rules = wide.m_rules;
    m_strMailLanguage = wide.m_strMailLanguage;
    m_bSealed = wide.m_bSealed;
    m_bQuoteHistory = wide.m_bQuoteHistory;
    m_foreignSections = std::move(wide.m_foreign);
    for (auto& pList : lists)
        AppendNode(pList.release());
    m_pCurrent = m_pHead;
    NotifyListsChanged();
    UpdateAllViews(HINT_LIST_CHANGED);
}

bool CKivvoDoc::CanDrawNames() const
{
    const CNameList* pNewest = GetNewestList();
    return pNewest && pNewest->CountPersons() > 2;
}

bool CKivvoDoc::CanSendEmails() const
{
    const CNameList* pNewest = GetNewestList();
    return pNewest && pNewest->HasDrawnNames();
}

void CKivvoDoc::MakeNewestCurrent()
{
    if (m_pCurrent == m_pHead)
        return;
    m_pCurrent = m_pHead;
    NotifyListsChanged();
    UpdateAllViews(HINT_LIST_CHANGED);
}

CDocResult CKivvoDoc::CheckCurrentDrawing() const
{
    return CheckDrawingOf(m_pCurrent);
}

CDocResult CKivvoDoc::CheckNewestDrawing() const
{
    return CheckDrawingOf(m_pHead);
}

CDocResult CKivvoDoc::CheckDrawingOf(const CListNode* pNode) const
{
    const CNameList* pList = pNode ? pNode->m_pList : nullptr;
    QString strWhy;
    if (!pList)
        return CDocResult::Refused(IDS_DRAWING_NONE);
    // A sealed drawing's problems name the givers only, never whom they drew.
    if (pList->CheckDrawing(m_rules, GetHistory(pNode), strWhy, IsSealedDrawing(pList)))
        return {};
    // A list never drawn is not a drawing that went stale: it wants its first drawing.
    if (!pList->HasDrawnNames())
        return CDocResult::Refused(IDS_DRAWING_NONE);
    return CDocResult::Refused(IDS_DRAWING_INVALID, {strWhy});
}

// The document's operations: every edit of the lists, the rules and the drawing, each one
// step of the undo stack.

namespace {

// Sets a value of the document or of a list, the step keeping the value before and after.
template <typename T>
QUndoCommand* SetValue(CKivvoDoc* pDoc, CNameList* pList, int nTextId, T& value, const T& newValue)
{
    const T before = value;
    value = newValue;
    return new CValueCommand(
        pDoc, pList, nTextId, [&value, before] { value = before; },
        [&value, newValue] { value = newValue; });
}

QList<QStringList> DrawnNamesOf(const std::vector<CPerson*>& persons)
{
    QList<QStringList> names;
    names.reserve(qsizetype(persons.size()));
    for (const CPerson* pPerson : persons)
        names.append(pPerson->GiftsTo());
    return names;
}

} // namespace

void CKivvoDoc::Push(QUndoCommand* pCommand)
{
    if (m_bStepOpen)
        m_stepParts.emplace_back(pCommand);
    else
        m_undo.push(pCommand);
}

CKivvoDoc::CStep::CStep(CKivvoDoc* pDoc, int nTextId)
    : m_pDoc(pDoc), m_bOuter(!pDoc->m_bStepOpen), m_nTextId(nTextId)
{
    pDoc->m_bStepOpen = true;
}

CKivvoDoc::CStep::~CStep()
{
    if (!m_bOuter)
        return;
    m_pDoc->m_bStepOpen = false;
    std::vector<std::unique_ptr<QUndoCommand>> parts = std::move(m_pDoc->m_stepParts);
    m_pDoc->m_stepParts.clear();
    if (parts.size() == 1)
        m_pDoc->Push(parts.front().release());
    else if (!parts.empty())
        m_pDoc->Push(new CStepsCommand(CStringTable::Load(m_nTextId), std::move(parts)));
}

CDocResult CKivvoDoc::Undo()
{
    if (CDocResult result = CheckNotSending(GetNewestList()); !result)
        return result;
    m_undo.undo();
    return {};
}

CDocResult CKivvoDoc::Redo()
{
    if (CDocResult result = CheckNotSending(GetNewestList()); !result)
        return result;
    m_undo.redo();
    return {};
}

CDocResult CKivvoDoc::CheckNotSending(const CNameList* pList) const
{
    return IsListLocked(pList) ? CDocResult::Refused(IDS_BUSY_SENDING) : CDocResult();
}

CNameList* CKivvoDoc::EditableNewest(CDocResult& result) const
{
    CNameList* pNewest = GetNewestList();
    result = pNewest ? CheckNotSending(pNewest) : CDocResult::Refused(IDS_ERR_NO_LISTS);
    return result ? pNewest : nullptr;
}

CDocResult CKivvoDoc::NameStored(const QString& strWanted, const QString& strStored)
{
    if (strStored == strWanted || strWanted.trimmed().isEmpty())
        return {};
    return CDocResult::DoneWith(IDS_NAME_MADE_UNIQUE, {strWanted, strStored});
}

CListNode* CKivvoDoc::NodeOf(const CNameList* pList) const
{
    for (CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext) {
        if (pNode->m_pList == pList)
            return pNode;
    }
    return nullptr;
}

CDocResult CKivvoDoc::AddPerson(CGroup* pGroup, const CPersonFields& fields, CPerson** ppAdded)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    CNameList::CPlace place = CNameList::EndOf(*pList, pGroup);
    if (pGroup && !pList->Contains(pGroup))
        return CDocResult::Refused(IDS_CLI_NO_SUCH_GROUP, {pGroup->m_strName});
    const QString strName = pList->MakeUniqueName(fields.m_strName, QString());
    auto* pPerson = new CPerson(strName, fields.m_strAddress, fields.m_strSuggestions);
    pPerson->m_role = fields.m_role;
    pList->Link(pPerson, place);
    NotifyAdded(pList, pPerson);
    Push(new CEntryCommand(this, pList, pPerson, place, true, {}));
    if (ppAdded)
        *ppAdded = pPerson;
    return NameStored(fields.m_strName, strName);
}

CDocResult CKivvoDoc::AddGroup(const QString& strName, CGroup** ppAdded)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    const CNameList::CPlace place = CNameList::EndOf(*pList, nullptr);
    auto* pGroup = new CGroup(strName);
    pList->Link(pGroup, place);
    NotifyAdded(pList, pGroup);
    Push(new CEntryCommand(this, pList, pGroup, place, true, {}));
    if (ppAdded)
        *ppAdded = pGroup;
    return {};
}

CDocResult CKivvoDoc::RemoveEntry(CListItem* pEntry)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    CNameList::CPlace place;
    if (!pEntry || !pList->PlaceOf(pEntry, place))
        return CDocResult::Refused(IDS_CLI_NO_SUCH_ENTRY, {pEntry ? pEntry->m_strName : QString()});
    const QList<CExclusions::CPair> before = pList->m_exclusions.Pairs();
    pList->Unlink(pEntry, place);
    NotifyRemoved(pList, pEntry);
    pList->DropExclusionsOf(CNameList::PersonNamesOf(pEntry));
    CExclusionsChange exclusions(before, pList->m_exclusions);
    if (!exclusions.IsEmpty())
        NotifyMarks(pList);
    Push(new CEntryCommand(this, pList, pEntry, place, false, std::move(exclusions)));
    return {};
}

CDocResult CKivvoDoc::Rename(CNameList* pList, CListItem* pEntry, const QString& strName,
                             bool bNamesNew)
{
    if (CDocResult result = CheckNotSending(pList); !result)
        return result;
    if (!pList || !NodeOf(pList) || (pEntry && !pList->Contains(pEntry)))
        return CDocResult::Refused(IDS_CLI_NO_SUCH_ENTRY, {strName});
    // Of a past exchange only the list's own name may change.
    if (pEntry && IsHistory(pList))
        return CDocResult::Refused(IDS_HISTORY_NOTE, {pList->m_strName});
    if (pEntry && !pEntry->IsGroup()) {
        auto* pPerson = static_cast<CPerson*>(pEntry);
        CPersonFields fields = CPersonFields::Of(*pPerson);
        fields.m_strName = strName;
        return SetPerson(pPerson, fields);
    }
    QString& strStored = pEntry ? pEntry->m_strName : pList->m_strName;
    if (strStored == strName)
        return {};
    const QString strBefore = strStored;
    strStored = strName;
    if (pEntry)
        NotifyChanged(pList, pEntry);
    else
        NotifyListRenamed(pList);
    Push(new CNameCommand(this, pList, pEntry, strBefore, bNamesNew));
    return {};
}

CDocResult CKivvoDoc::SetPerson(CPerson* pPerson, const CPersonFields& fields)
{
    const CNameList* pList = GetNewestList();
    return SetPerson(pPerson, fields,
                     pList && pPerson ? pList->NeverDrawsOf(pPerson->m_strName)
                                      : QList<CNeverDraws>());
}

CDocResult CKivvoDoc::SetPerson(CPerson* pPerson, const CPersonFields& fields,
                                const QList<CNeverDraws>& neverDraws)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    if (!pPerson || !pList->Contains(pPerson))
        return CDocResult::Refused(IDS_CLI_NO_SUCH_PERSON, {0, fields.m_strName});
    const CPersonFields before = CPersonFields::Of(*pPerson);
    const QList<CExclusions::CPair> exclusionsBefore = pList->m_exclusions.Pairs();
    std::vector<CPerson*> drewHim;
    const QString strStored = pList->RenamePerson(pPerson, fields.m_strName, &drewHim);
    // The names he never draws follow his rename as his exclusions did.
    pList->SetExclusionsOf(strStored, neverDraws);
    pPerson->m_strAddress = fields.m_strAddress;
    pPerson->m_strSuggestions = fields.m_strSuggestions;
    pPerson->m_role = fields.m_role;
    CExclusionsChange exclusions(exclusionsBefore, pList->m_exclusions);
    if (CPersonFields::Of(*pPerson) == before && exclusions.IsEmpty())
        return {};
    NotifyChanged(pList, pPerson);
    const int nText = fields.m_strAddress == before.m_strAddress &&
                              fields.m_strSuggestions == before.m_strSuggestions &&
                              fields.m_role == before.m_role && exclusions.IsEmpty()
                          ? IDS_EDIT_RENAME
                          : IDS_EDIT_PROPERTIES;
    Push(new CPersonCommand(this, pList, nText, pPerson, before, std::move(drewHim),
                            std::move(exclusions)));
    return NameStored(fields.m_strName, strStored);
}

CDocResult CKivvoDoc::MovePerson(CPerson* pPerson, CGroup* pGroup)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    CNameList::CPlace from;
    if (!pPerson || !pList->PlaceOf(pPerson, from) || (pGroup && !pList->Contains(pGroup)))
        return CDocResult::Refused(IDS_CLI_NO_SUCH_PERSON,
                                   {0, pPerson ? pPerson->m_strName : QString()});
    if (from.m_pGroup == pGroup)
        return {};
    pList->Unlink(pPerson, from);
    NotifyRemoved(pList, pPerson);
    const CNameList::CPlace to = CNameList::EndOf(*pList, pGroup);
    pList->Link(pPerson, to);
    NotifyAdded(pList, pPerson);
    Push(new CMoveCommand(this, pList, pPerson, from, to));
    return {};
}

CDocResult CKivvoDoc::Exclude(const QString& strGiver, const QString& strRecipient, bool bBothWays,
                              bool bRemove)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    CExclusions& exclusions = pList->m_exclusions;
    const QList<CExclusions::CPair> before = exclusions.Pairs();
    const auto change = [&](const QString& strFrom, const QString& strTo) {
        return bRemove ? exclusions.Remove(strFrom, strTo) : exclusions.Add(strFrom, strTo);
    };
    bool bChanged = change(strGiver, strRecipient);
    if (bBothWays)
        bChanged = change(strRecipient, strGiver) || bChanged;
    if (!bChanged)
        return CDocResult::Refused(bRemove ? IDS_CLI_NO_SUCH_EXCLUSION : IDS_CLI_EXCLUSION_KNOWN,
                                   {strGiver, strRecipient});
    NotifyMarks(pList);
    Push(new CExclusionsCommand(this, pList, CExclusionsChange(before, exclusions)));
    return {};
}

CDocResult CKivvoDoc::ImportParticipants(const CParticipantImport& import, int* pCount)
{
    CDocResult result;
    CNameList* pList = EditableNewest(result);
    if (!pList)
        return result;
    // Beyond what a document may hold, the import could be neither saved nor opened again.
    const qsizetype nToAdd = import.EntriesToAdd(*pList);
    if (EntryCount() + nToAdd > CArchive::kMaxEntries)
        return CDocResult::Refused(IDS_IMPORT_OVER_LIMIT, {int(nToAdd), CArchive::kMaxEntries});
    std::vector<CAppendCommand::CAppended> added;
    const int nAdded =
        import.Apply(*pList, [&added](CListItem* pEntry, const CNameList::CPlace& place) {
            added.push_back({pEntry, place});
        });
    if (pCount)
        *pCount = nAdded;
    MakeNewestCurrent();
    NotifyListEdited(pList);
    if (!added.empty())
        Push(new CAppendCommand(this, pList, IDS_EDIT_IMPORT, std::move(added)));
    return {};
}

qsizetype CKivvoDoc::EntryCount() const
{
    qsizetype nCount = 0;
    for (const CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext) {
        for (const CListItem* pEntry = pNode->m_pList->m_pFirst; pEntry; pEntry = pEntry->m_pNext)
            nCount += 1 + (pEntry->IsGroup() ? static_cast<const CGroup*>(pEntry)->m_nCount : 0);
    }
    return nCount;
}

CDocResult CKivvoDoc::CheckDraw() const
{
    CDocResult result;
    const CNameList* pNewest = EditableNewest(result);
    // A person without a name can neither be drawn nor be told whom he drew.
    if (pNewest && pNewest->FindNameless())
        return CDocResult::Refused(IDS_NAME_EVERYBODY_FIRST);
    return result;
}

CDocResult CKivvoDoc::CheckCopy() const
{
    CDocResult result;
    // The count is one byte in memory and in the file: a 256th list would wrap it to 0 and
    // the next save would lose every drawing.
    if (EditableNewest(result) && m_nListCount >= kMaxLists)
        return CDocResult::Refused(IDS_TOO_MANY_LISTS, {kMaxLists});
    return result;
}

int CKivvoDoc::RepairQuestion() const
{
    return m_rules.m_nGifts > 1 ? IDS_ASK_REPAIR_GIFTS : IDS_ASK_REPAIR;
}

bool CKivvoDoc::CanRepair() const
{
    const CNameList* pNewest = GetNewestList();
    return pNewest && pNewest->HasDrawnNames() && !CheckNewestDrawing();
}

std::shared_ptr<CDrawInput> CKivvoDoc::PrepareDrawing(CDocResult& result, bool bRepair)
{
    result = CheckDraw();
    if (result && bRepair && !CanRepair())
        result = CDocResult::Refused(IDS_REPAIR_NOTHING);
    if (!result)
        return nullptr;
    CNameList* pNewest = GetNewestList();
    // What is revealed and sent next is the current list: the one drawn now.
    MakeNewestCurrent();
    auto pInput = CDrawInput::Of(*pNewest, GetHistory(m_pHead), m_rules);
    pInput->m_bRepair = bRepair;
    return pInput;
}

CDocResult CKivvoDoc::ApplyDrawing(const CDrawOutput& output)
{
    if (!output.m_bDrawn)
        return CDocResult::Refused(IDS_DRAWING_ERROR, {output.m_strWhy});
    CNameList* pNewest = GetNewestList();
    std::vector<CPerson*> persons;
    pNewest->ForEachPerson([&persons](CPerson* pPerson) { persons.push_back(pPerson); });
    if (qsizetype(persons.size()) != output.m_giftTo.size())
        return CDocResult::Refused(IDS_DRAWING_INVALID, {QString()});
    const QList<QStringList> before = DrawnNamesOf(persons);
    for (size_t i = 0; i < persons.size(); ++i)
        persons[i]->SetGiftsTo(output.m_giftTo.at(qsizetype(i)));
    NotifyDrawn(pNewest);
    // The same drawing again changes no byte: drawn all the same, with no step to undo.
    if (output.m_giftTo != before)
        Push(new CDrawCommand(this, pNewest, std::move(persons), before));
    // Only how many: a sealed drawing's repair names nobody.
    if (output.m_nChanged >= 0)
        return CDocResult::DoneWith(m_rules.m_nGifts > 1 ? IDS_REPAIR_DONE_GIFTS : IDS_REPAIR_DONE,
                                    {output.m_nChanged});
    return {};
}

CDocResult CKivvoDoc::DrawNames(bool bRepair)
{
    CDocResult result;
    const std::shared_ptr<CDrawInput> pInput = PrepareDrawing(result, bRepair);
    return pInput ? ApplyDrawing(CDrawOutput::Run(*pInput)) : result;
}

bool CKivvoDoc::IsDrawing() const
{
    return m_pDrawing != nullptr;
}

CDrawJob* CKivvoDoc::StartDrawing(CDocResult& result, bool bRepair)
{
    const std::shared_ptr<CDrawInput> pInput = PrepareDrawing(result, bRepair);
    if (!pInput)
        return nullptr;
    auto* pJob = new CDrawJob(pInput, this);
    m_pDrawing = pJob;
    emit BusyChanged();
    connect(pJob, &CDrawJob::Ended, this, [this, pJob] {
        // The lists waited: the drawing is applied to the list it was drawn from.
        m_pDrawing = nullptr;
        const CDocResult drawn = ApplyDrawing(pJob->Output());
        emit BusyChanged();
        emit pJob->Finished(drawn);
        pJob->deleteLater();
    });
    return pJob;
}

CDocResult CKivvoDoc::CopyForNextExchange()
{
    if (CDocResult result = CheckCopy(); !result)
        return result;
    auto* pNode = new CListNode{new CNameList, m_pHead};
    pNode->m_pList->CopyForNextDrawing(*m_pHead->m_pList);
    CListNode* pShownBefore = m_pCurrent;
    PutNewest(pNode);
    Push(new CNewListCommand(this, pNode, pShownBefore));
    return CDocResult::DoneWith(IDS_COPY_DONE);
}

CDocResult CKivvoDoc::SetRules(const CDrawRules& rules)
{
    if (rules == m_rules)
        return {};
    if (rules.m_nGifts < 1 || rules.m_nGifts > CDrawRules::kMaxGifts)
        return CDocResult::Refused(IDS_BAD_GIFTS, {CDrawRules::kMaxGifts});
    // One circle runs once through everybody, one gift each.
    const CNameList* pNewest = GetNewestList();
    if (rules.m_bOneCircle && (rules.m_nGifts > 1 || (pNewest && pNewest->HasRoles())))
        return CDocResult::Refused(IDS_CIRCLE_UNAVAILABLE);
    Push(SetValue(this, nullptr, IDS_EDIT_RULES, m_rules, rules));
    return {};
}

bool CKivvoDoc::IsSealedDrawing(const CNameList* pList) const
{
    return m_bSealed && pList && pList == GetNewestList();
}

bool CKivvoDoc::WouldBreakSeal() const
{
    const CNameList* pNewest = GetNewestList();
    return m_bSealed && pNewest && pNewest->HasDrawnNames();
}

CDocResult CKivvoDoc::SetSealed(bool bSealed)
{
    if (bSealed == m_bSealed)
        return {};
    const bool bBreaks = WouldBreakSeal();
    m_bSealed = bSealed;
    // Outside the undo stack, the change never counts as saved until a save.
    SetModifiedFlag();
    CNameList* pNewest = GetNewestList();
    if (bBreaks)
        pNewest->m_sealBroken = QDateTime::currentDateTime();
    emit SealChanged();
    if (!bBreaks)
        return {};
    return CDocResult::DoneWith(IDS_SEAL_BROKEN_NOW, {SealRecord(pNewest)});
}

CDocResult CKivvoDoc::CheckMayShowPairs(const CNameList* pList) const
{
    return IsSealedDrawing(pList) ? CDocResult::Refused(IDS_SEALED_REFUSED) : CDocResult();
}

QString CKivvoDoc::SealRecord(const CNameList* pList)
{
    if (!pList || !pList->m_sealBroken.isValid())
        return {};
    const QDateTime broken = pList->m_sealBroken.toLocalTime();
    return CStringTable::Format(IDS_SEAL_BROKEN_ON,
                                {CTextLanguage::Ui().LongDate(broken.date()),
                                 broken.time().toString(QStringLiteral("HH:mm"))});
}

CDocResult CKivvoDoc::SetQuoteHistory(bool bQuote)
{
    if (bQuote == m_bQuoteHistory)
        return {};
    Push(SetValue(this, nullptr, IDS_EDIT_QUOTE_HISTORY, m_bQuoteHistory, bQuote));
    return {};
}

CDocResult CKivvoDoc::SetMailLanguageCode(const QString& strCode)
{
    if (strCode == m_strMailLanguage)
        return {};
    Push(SetValue(this, nullptr, IDS_EDIT_MAIL_LANGUAGE, m_strMailLanguage, strCode));
    return {};
}

CDocResult CKivvoDoc::SetDetails(CNameList* pList, const CExchangeDetails& details)
{
    if (CDocResult result = CheckNotSending(pList); !result)
        return result;
    if (!pList || pList->m_details == details)
        return {};
    Push(SetValue(this, pList, IDS_EDIT_DETAILS, pList->m_details, details));
    return {};
}

void CKivvoDoc::ShowList(const CNameList* pList)
{
    CListNode* pNode = pList ? NodeOf(pList) : nullptr;
    if (!pNode || pNode == m_pCurrent)
        return;
    m_pCurrent = pNode;
    NotifyListsChanged();
    UpdateAllViews(HINT_LIST_CHANGED);
}

void CKivvoDoc::NotifyAdded(CNameList* pList, CListItem* pEntry)
{
    emit EntryAdded(pList, pEntry);
}

void CKivvoDoc::NotifyRemoved(CNameList* pList, CListItem* pEntry)
{
    emit EntryRemoved(pList, pEntry);
}

void CKivvoDoc::NotifyChanged(CNameList* pList, CListItem* pEntry)
{
    emit EntryChanged(pList, pEntry);
}

void CKivvoDoc::NotifyMarks(CNameList* pList)
{
    emit ExclusionsChanged(pList);
}

void CKivvoDoc::NotifyListRenamed(CNameList* pList)
{
    NotifyListsChanged();
    if (pList == GetCurrentList())
        UpdateAllViews(HINT_LIST_RENAMED);
}

void CKivvoDoc::NotifyDrawn(CNameList* pList)
{
    emit DrawingChanged(pList);
}

void CKivvoDoc::NotifyListEdited(CNameList* pList)
{
    if (pList == GetCurrentList())
        UpdateAllViews(HINT_LIST_EDITED);
}

void CKivvoDoc::PutNewest(CListNode* pNode)
{
    ++m_nListCount;
    pNode->m_pNext = m_pHead;
    m_pHead = pNode;
    m_pCurrent = pNode;
    UpdateAllViews(HINT_LIST_CHANGED);
    NotifyListsChanged();
}

void CKivvoDoc::TakeNewest(CListNode* pNode, CListNode* pShowAfter)
{
    if (m_pHead != pNode)
        return;
    --m_nListCount;
    m_pHead = pNode->m_pNext;
    m_pCurrent = pShowAfter ? pShowAfter : m_pHead;
    UpdateAllViews(HINT_LIST_CHANGED);
    NotifyListsChanged();
}

// The document's commands that send its drawing by e-mail. The mail side composes the texts,
// one at a time as they are sent; the document offers its lists, the footer and the address
// book.

namespace {

QString Footer()
{
    const CKivvoApp* pApp = CKivvoApp::Get();
    return pApp ? pApp->m_settings.m_strFooter : CSettings().m_strFooter;
}

// "ann@example.com" is an address; "Ann Smith" (or "@Ann") names an address-book entry.
QString ResolveAddress(const QString& strField)
{
    if (strField.indexOf(u'@') >= 1)
        return strField;
    QString strAddress;
    if (CKivvoApp* pApp = CKivvoApp::Get()) {
        QString strFirstName;
        QString strLastName;
        pApp->LookupContact(strField, strAddress, strFirstName, strLastName);
    }
    return strAddress;
}

// Who draws whom, in list order: what a run's drawing is recognised by.
QList<QPair<QString, QStringList>> DrawingOf(const CNameList* pList)
{
    QList<QPair<QString, QStringList>> drawing;
    if (pList)
        pList->ForEachPerson([&drawing](const CPerson* pPerson) {
            drawing.append({pPerson->m_strName, pPerson->GiftsTo()});
        });
    return drawing;
}

const CPerson* PersonNamedExactly(const CNameList* pList, const QString& strName)
{
    return pList ? pList->FirstPersonWhere(
                       [&strName](const CPerson* pPerson) { return pPerson->m_strName == strName; })
                 : nullptr;
}

} // namespace

void CKivvoDoc::ComposeNotification(const CPerson* pPerson, QString& strBody) const
{
    CNotificationComposer(GetCurrentList(), m_bQuoteHistory ? GetPreviousList(m_pCurrent) : nullptr,
                          Footer(), MailLanguage())
        .Compose(pPerson, strBody);
}

CMailDrawing CKivvoDoc::MailDrawing() const
{
    return {GetNewestList(), m_bQuoteHistory ? GetPreviousList(m_pHead) : nullptr, Footer(),
            ResolveAddress, MailLanguage()};
}

bool CKivvoDoc::IsSending() const
{
    return std::any_of(m_runs.cbegin(), m_runs.cend(),
                       [](const QPointer<CSendRun>& pRun) { return pRun && pRun->IsRunning(); });
}

bool CKivvoDoc::IsListLocked(const CNameList* pList) const
{
    return pList && pList == GetNewestList() && IsBusy();
}

CDocResult CKivvoDoc::CheckMailReady()
{
    // Mail goes out only with the user's own server and sender, never with a value he did
    // not set.
    const CKivvoApp* pApp = CKivvoApp::Get();
    return pApp && pApp->m_settings.IsMailSetUp() ? CDocResult()
                                                  : CDocResult::Refused(IDS_MAIL_NOT_SET_UP);
}

CDocResult CKivvoDoc::IsStillDrawing(const QList<QPair<QString, QStringList>>& drawing) const
{
    if (CDocResult result = CheckNewestDrawing(); !result)
        return result;
    if (DrawingOf(GetNewestList()) == drawing)
        return {};
    return CDocResult::Refused(IDS_RETRY_REDRAWN);
}

void CKivvoDoc::StopSending()
{
    for (const QPointer<CSendRun>& pRun : std::as_const(m_runs)) {
        if (pRun)
            pRun->Abort();
    }
}

CDocResult CKivvoDoc::CheckGives(const CPerson& person)
{
    return person.Gives() ? CDocResult()
                          : CDocResult::Refused(IDS_NOTHING_TO_TELL, {person.m_strName});
}

QList<const CPerson*> CKivvoDoc::NewestGivers() const
{
    QList<const CPerson*> persons;
    if (const CNameList* pNewest = GetNewestList())
        pNewest->ForEachPerson([&persons](CPerson* pPerson) {
            if (pPerson->Gives())
                persons.append(pPerson);
        });
    return persons;
}

CSendRun* CKivvoDoc::CreateSendRun(const QList<const CPerson*>& persons, CDocResult& result)
{
    result = IsBusy() ? CDocResult::Refused(IDS_BUSY_SENDING) : CheckNewestDrawing();
    if (result)
        result = CheckMailReady();
    if (!result)
        return nullptr;
    const CKivvoApp* pApp = CKivvoApp::Get();
    auto* pRun = new CSendRun(pApp ? pApp->MailAccount() : CSettings(),
                              std::make_unique<CMailJobSource>(MailDrawing(), persons));
    pRun->SetTimeouts(m_mailTimeouts);
    const QPointer<const CKivvoDoc> pDoc(this);
    pRun->SetDrawingCheck([pDoc, drawing = DrawingOf(GetNewestList())] {
        return pDoc ? pDoc->IsStillDrawing(drawing) : CDocResult();
    });
    pRun->SetRecompose(
        [pDoc](CMailJobSource& source) { return pDoc && source.Renew(pDoc->MailDrawing()); });
    // Whoever's message the server confirmed knows his recipient from now on.
    connect(pRun, &CSendRun::OutcomeReady, this, [this, pRun](int nIndex) {
        if (pRun->Result(nIndex).m_outcome != ESendOutcome::Sent)
            return;
        if (const CPerson* pPerson =
                PersonNamedExactly(GetNewestList(), pRun->Jobs().at(nIndex).m_strName))
            RecordTold({pPerson}, CTold::byMail);
    });
    connect(pRun, &CSendRun::Started, this, &CKivvoDoc::BusyChanged);
    connect(pRun, &CSendRun::Finished, this, &CKivvoDoc::BusyChanged);
    m_runs.removeAll(nullptr);
    m_runs.append(pRun);
    return pRun;
}

void CKivvoDoc::RecordTold(const QList<const CPerson*>& persons, CTold::EHow how)
{
    const CNameList* pNewest = GetNewestList();
    bool bTold = false;
    for (const CPerson* pPerson : persons) {
        // Only a person of the newest list with a drawn name can have been told one.
        if (!pPerson || pPerson->m_strGiftTo.isEmpty() || !pNewest || !pNewest->Contains(pPerson))
            continue;
        const_cast<CPerson*>(pPerson)->Tell(how);
        bTold = true;
    }
    if (bTold)
        SetModifiedFlag();
}

void CKivvoDoc::RecordTold(const QStringList& names, CTold::EHow how)
{
    QList<const CPerson*> persons;
    for (const QString& strName : names)
        persons.append(PersonNamedExactly(GetNewestList(), strName));
    RecordTold(persons, how);
}

bool CKivvoDoc::AnybodyTold() const
{
    const CNameList* pNewest = GetNewestList();
    return pNewest &&
           pNewest->FirstPersonWhere([](const CPerson* p) { return !p->m_told.IsEmpty(); });
}

QList<const CPerson*> CKivvoDoc::PersonsToTellAgain() const
{
    QList<const CPerson*> persons;
    if (AnybodyTold())
        GetNewestList()->ForEachPerson([&persons](const CPerson* pPerson) {
            if (pPerson->MustBeToldAgain())
                persons.append(pPerson);
        });
    return persons;
}

CDocResult CKivvoDoc::CheckFileHoldsDrawing() const
{
    if (!ChangedOnDisk())
        return {};
    CKivvoDoc onDisk;
    const bool bRead = onDisk.OnOpenDocument(GetPathName()).IsDone();
    if (bRead && DrawingOf(onDisk.GetNewestList()) == DrawingOf(GetNewestList()))
        return {};
    return CDocResult::Refused(IDS_FILE_OTHER_DRAWING, {QDir::toNativeSeparators(GetPathName())});
}

QList<const CPerson*> CKivvoDoc::ChangedSinceTold(CDocResult& result) const
{
    const QList<const CPerson*> persons = PersonsToTellAgain();
    result = !AnybodyTold()      ? CDocResult::Refused(IDS_NOBODY_TOLD_YET)
             : persons.isEmpty() ? CDocResult::Refused(IDS_NOBODY_TO_TELL_AGAIN)
                                 : CDocResult();
    return result ? persons : QList<const CPerson*>();
}

const CPerson* CKivvoDoc::NewestPersonToMail(const CPerson* pShown, CDocResult& result) const
{
    result = {};
    if (!pShown)
        return nullptr;
    if (m_pCurrent == m_pHead)
        return (result = CheckGives(*pShown)) ? pShown : nullptr;
    const CNameList* pNewest = GetNewestList();
    const CPerson* pPerson = PersonNamedExactly(pNewest, pShown->m_strName);
    if (pPerson && !(result = CheckGives(*pPerson)))
        return nullptr;
    if (pPerson && !pPerson->m_strAddress.isEmpty())
        return pPerson;
    result = CDocResult::Refused(pPerson ? IDS_NO_ADDRESS_NEWEST : IDS_NOT_IN_NEWEST,
                                 {pShown->m_strName, pNewest->m_strName});
    return nullptr;
}
