#pragma once

#include "ListNode.h"
#include "model/ListItem.h"
#include "notify/MailTransport.h"
#include "platform/Document.h"

class CCmdUI;
class CNameList;
class CPerson;
class CUserInterface;

// The document: every drawing made with one circle of people, newest first, and the
// commands that work on the drawings as a whole.
class CKivvoDoc : public CDocument
{
    Q_OBJECT

public:
    // The list count is one byte in the file.
    static constexpr int kMaxLists = 255;

    explicit CKivvoDoc(QObject* pParent = nullptr);
    ~CKivvoDoc() override;

    // Not owned; null leaves the document without list selector and pass-around dialog.
    void SetUserInterface(CUserInterface* pUi) { m_pUi = pUi; }

    void DeleteLists();
    CListNode* AddList();
    CNameList* GetCurrentList() const;
    CNameList* GetNewestList() const;
    // The drawing before the given one (the next node), or null.
    static CNameList* GetPreviousList(const CListNode* pNode);
    const CListNode* GetHeadNode() const { return m_pHead; }
    const CListNode* GetCurrentNode() const { return m_pCurrent; }
    int GetListCount() const { return m_nListCount; }

    void FillListSelector();
    CPerson* GetPersonItem(HTREEITEM hItem) const;

    // Appends the notification text for a person of the current list to strBody.
    void ComposeNotification(const CPerson* pPerson, QString& strBody) const;
    // Sends one person's notification; 1 when it went out, 0 otherwise (with a message on
    // failure, and with a confirmation when bConfirm).
    int SendEmail(const CPerson* pPerson, bool bConfirm);
    // Send email for the person behind a tree item of the current list.
    void SendEmailTo(HTREEITEM hItem);

    bool OnNewDocument() override;
    void Serialize(CArchive& ar) override;

    bool OnCommand(int nID) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    void OnDrawNames();
    void OnCopyForNextExchange();
    void OnConfigure() {}
    void OnListSelected();
    void OnSendEmails();

    // Whether the current list's drawing may be revealed or sent; when not, tells the user
    // what is wrong and to draw again.
    bool CheckCurrentDrawing() const;

    bool CanDrawNames() const;
    bool CanSendEmails() const;

    // Logged on at the first send and kept for the life of the document.
    CMailTransport m_mail;

private:
    void AppendNode(CNameList* pList);
    void MakeNewestCurrent();
    void StoreLists(CArchive& ar) const;
    void LoadLists(CArchive& ar);
    bool EnsureLoggedOn();

    quint8 m_nListCount = 0;
    CListNode* m_pHead = nullptr;
    CListNode* m_pTail = nullptr;
    CListNode* m_pCurrent = nullptr;
    CUserInterface* m_pUi = nullptr;
};
