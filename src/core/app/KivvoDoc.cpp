#include "app/KivvoDoc.h"

#include "app/EditCommands.h"
#include "app/ParticipantImport.h"
#include "model/DocumentExtension.h"
#include "model/NameList.h"
#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"

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
    CDocumentExtension::Store(ar, {m_rules, m_strMailLanguage}, GetLists());
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
    if (pList->CheckDrawing(m_rules, GetHistory(pNode), strWhy))
        return {};
    // A list never drawn is not a drawing that went stale: it wants its first drawing.
    if (!pList->HasDrawnNames())
        return CDocResult::Refused(IDS_DRAWING_NONE);
    return CDocResult::Refused(IDS_DRAWING_INVALID, {strWhy});
}
