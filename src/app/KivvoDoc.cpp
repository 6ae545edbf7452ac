#include "KivvoDoc.h"

#include "EditCommand.h"
#include "ParticipantImport.h"
#include "model/DocumentExtension.h"
#include "model/NameList.h"
#include "platform/Archive.h"
#include "platform/CmdUI.h"
#include "platform/Framework.h"
#include "platform/ListSelector.h"
#include "platform/UserInterface.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QBuffer>

#include <memory>
#include <vector>

namespace {

constexpr qint32 kFormatNumber = 1;
// Each step holds the document twice: enough to go back a long way, bounded all the same.
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

CKivvoDoc::CState CKivvoDoc::SaveState() const
{
    CState state;
    QBuffer buffer(&state.m_bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    StoreLists(ar);
    for (const CListNode* pNode = m_pHead; pNode && pNode != m_pCurrent; pNode = pNode->m_pNext)
        ++state.m_nCurrent;
    return state;
}

void CKivvoDoc::RestoreState(const CState& state)
{
    QBuffer buffer;
    buffer.setData(state.m_bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::load);
    LoadLists(ar, state.m_nCurrent);
}

void CKivvoDoc::PushEdit(const CState& before, int nTextId)
{
    CState after = SaveState();
    if (after.m_bytes == before.m_bytes)
        return;
    m_undo.push(new CEditCommand(this, before, std::move(after), CStringTable::Load(nTextId)));
}

bool CKivvoDoc::IsHistory(const CNameList* pList) const
{
    return pList && pList != GetNewestList();
}

int CKivvoDoc::ImportParticipants(const CParticipantImport& import)
{
    CNameList* pNewest = GetNewestList();
    if (!pNewest || RefuseWhileSending(pNewest))
        return 0;
    const CState before = SaveState();
    const int nAdded = import.Apply(*pNewest);
    m_pCurrent = m_pHead;
    FillListSelector();
    UpdateAllViews(HINT_LIST_CHANGED);
    PushEdit(before, IDS_EDIT_IMPORT);
    return nAdded;
}

CKivvoDoc::~CKivvoDoc()
{
    DeleteLists();
}

void CKivvoDoc::DeleteLists()
{
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

void CKivvoDoc::SetRules(const CDrawRules& rules)
{
    if (rules == m_rules)
        return;
    const CState before = SaveState();
    m_rules = rules;
    PushEdit(before, IDS_EDIT_RULES);
}

void CKivvoDoc::SetMailLanguageCode(const QString& strCode)
{
    if (strCode == m_strMailLanguage)
        return;
    const CState before = SaveState();
    m_strMailLanguage = strCode;
    PushEdit(before, IDS_EDIT_MAIL_LANGUAGE);
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

void CKivvoDoc::SetDetails(CNameList* pList, const CExchangeDetails& details)
{
    if (!pList || pList->m_details == details || RefuseWhileSending(pList))
        return;
    const CState before = SaveState();
    pList->m_details = details;
    PushEdit(before, IDS_EDIT_DETAILS);
}

bool CKivvoDoc::CanDrawNewest(QString& strWhy) const
{
    const CNameList* pNewest = GetNewestList();
    return pNewest && pNewest->CanBeDrawn(m_rules, GetHistory(m_pHead), strWhy);
}

void CKivvoDoc::FillListSelector()
{
    CListSelector* pSelector = m_pUi ? m_pUi->GetListSelector() : nullptr;
    if (!pSelector)
        return;
    pSelector->ResetContent();
    // Selected by position: drawings may share a name, and every one must stay reachable.
    for (const CListNode* pNode = m_pHead; pNode; pNode = pNode->m_pNext) {
        const int nIndex = pSelector->AddString(pNode->m_pList->m_strName);
        if (pNode == m_pCurrent)
            pSelector->SetCurSel(nIndex);
    }
}

void CKivvoDoc::OnListSelected()
{
    CListSelector* pSelector = m_pUi ? m_pUi->GetListSelector() : nullptr;
    if (!pSelector)
        return;
    int nIndex = pSelector->GetCurSel();
    if (nIndex < 0)
        return;
    CListNode* pNode = m_pHead;
    while (pNode && nIndex-- > 0)
        pNode = pNode->m_pNext;
    if (!pNode)
        return;
    m_pCurrent = pNode;
    UpdateAllViews(HINT_LIST_CHANGED);
}

CPerson* CKivvoDoc::GetPersonItem(HTREEITEM hItem) const
{
    const CNameList* pList = GetCurrentList();
    CListItem* pItem = pList ? pList->FindItem(hItem) : nullptr;
    return pItem && !pItem->IsGroup() ? static_cast<CPerson*>(pItem) : nullptr;
}

bool CKivvoDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    DeleteLists();
    AddList();
    m_rules = CDrawRules();
    m_strMailLanguage.clear();
    m_undo.clear();
    FillListSelector();
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
    CDocumentExtension::Store(ar, {m_rules, m_strMailLanguage}, GetLists());
}

void CKivvoDoc::LoadLists(CArchive& ar, int nCurrent)
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
    for (auto& pList : lists)
        AppendNode(pList.release());
    m_pCurrent = m_pHead;
    for (; nCurrent > 0 && m_pCurrent->m_pNext; --nCurrent)
        m_pCurrent = m_pCurrent->m_pNext;
    FillListSelector();
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

bool CKivvoDoc::OnUpdateCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_DRAW_NAMES:
    case ID_COPY_FOR_NEXT:
        cmdUI.Enable(CanDrawNames() && !IsSending());
        return true;
    case ID_SEND_EMAILS:
        cmdUI.Enable(CanSendEmails() && !IsSending());
        return true;
    case ID_EDIT_UNDO:
        cmdUI.Enable(m_undo.canUndo() && !IsSending());
        return true;
    case ID_EDIT_REDO:
        cmdUI.Enable(m_undo.canRedo() && !IsSending());
        return true;
    default:
        return false;
    }
}

bool CKivvoDoc::OnCommand(int nID)
{
    switch (nID) {
    case ID_DRAW_NAMES:
        OnDrawNames();
        return true;
    case ID_COPY_FOR_NEXT:
        OnCopyForNextExchange();
        return true;
    case ID_SEND_EMAILS:
        OnSendEmails();
        return true;
    case ID_LIST_SELECTED:
        OnListSelected();
        return true;
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        // Every list comes back from the step, the one being mailed too.
        if (!RefuseWhileSending(GetNewestList()))
            nID == ID_EDIT_UNDO ? m_undo.undo() : m_undo.redo();
        return true;
    default:
        return false;
    }
}

void CKivvoDoc::OnDrawNames()
{
    CNameList* pNewest = GetNewestList();
    if (!pNewest || RefuseWhileSending(pNewest))
        return;
    // A person without a name can neither be drawn nor be told whom he drew.
    if (pNewest->FindNameless()) {
        CFramework::MessageBox(IDS_NAME_EVERYBODY_FIRST, EBoxKind::OkExclamation);
        return;
    }
    const int nQuestion = pNewest->HasDrawnNames() ? IDS_ASK_DRAW_AGAIN : IDS_ASK_DRAW_NOW;
    // Drawing again throws the drawn names away: the careless answer must keep them.
    const EBoxKind kind =
        pNewest->HasDrawnNames() ? EBoxKind::YesNoDefaultNo : EBoxKind::YesNoQuestion;
    if (CFramework::MessageBox(nQuestion, kind) != IDYES)
        return;
    const CState before = SaveState();
    // What is revealed and sent next is the current list: the one drawn now.
    MakeNewestCurrent();
    if (!pNewest->DrawNames(m_rules, GetHistory(m_pHead)))
        return;
    // Recorded before the send, which must find the drawing saved as a step already.
    PushEdit(before, IDS_EDIT_DRAW);
    if (CFramework::MessageBox(IDS_ASK_PASS_AROUND, EBoxKind::YesNoQuestion) == IDYES && m_pUi)
        m_pUi->RunDrawNamesDialog(GetCurrentList(), 0);
    if (CFramework::MessageBox(IDS_ASK_SEND_NOW, EBoxKind::YesNoQuestion) == IDYES)
        OnSendEmails();
}

void CKivvoDoc::MakeNewestCurrent()
{
    if (m_pCurrent == m_pHead)
        return;
    m_pCurrent = m_pHead;
    FillListSelector();
    UpdateAllViews(HINT_LIST_CHANGED);
}

bool CKivvoDoc::CheckCurrentDrawing() const
{
    return CheckDrawingOf(m_pCurrent);
}

bool CKivvoDoc::CheckNewestDrawing() const
{
    return CheckDrawingOf(m_pHead);
}

bool CKivvoDoc::CheckDrawingOf(const CListNode* pNode) const
{
    const CNameList* pList = pNode ? pNode->m_pList : nullptr;
    QString strWhy;
    if (!pList || pList->CheckDrawing(m_rules, GetHistory(pNode), strWhy))
        return pList != nullptr;
    // A list never drawn is not a drawing that went stale: it wants its first drawing.
    if (!pList->HasDrawnNames())
        CFramework::MessageBox(IDS_DRAWING_NONE, EBoxKind::OkExclamation);
    else
        CFramework::MessageBox(IDS_DRAWING_INVALID, EBoxKind::OkExclamation, {strWhy});
    return false;
}

void CKivvoDoc::OnCopyForNextExchange()
{
    if (!m_pHead || RefuseWhileSending(m_pHead->m_pList))
        return;
    // The count is one byte in memory and in the file: a 256th list would wrap it to 0 and
    // the next save would lose every drawing.
    if (m_nListCount >= kMaxLists) {
        CFramework::MessageBox(IDS_TOO_MANY_LISTS, EBoxKind::OkExclamation, {kMaxLists});
        return;
    }
    if (CFramework::MessageBox(IDS_ASK_COPY_LIST, EBoxKind::YesNoQuestion) != IDYES)
        return;
    const CState before = SaveState();
    ++m_nListCount;
    const CNameList* pSource = m_pHead->m_pList;
    auto* pNode = new CListNode{new CNameList, m_pHead};
    m_pHead = pNode;
    m_pCurrent = pNode;
    pNode->m_pList->CopyForNextDrawing(*pSource);
    UpdateAllViews(HINT_LIST_CHANGED);
    FillListSelector();
    PushEdit(before, IDS_EDIT_COPY);
    CFramework::MessageBox(IDS_COPY_DONE, EBoxKind::OkInformation);
}
