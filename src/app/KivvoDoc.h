#pragma once

#include "ListNode.h"
#include "model/DrawRules.h"
#include "model/ExchangeDetails.h"
#include "model/ListItem.h"
#include "notify/SendRun.h"
#include "platform/Document.h"
#include "res/TextLanguage.h"

#include <optional>

#include <QByteArray>
#include <QPointer>
#include <QUndoStack>

class CCmdUI;
class CNameList;
class CParticipantImport;
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
    // The drawings whose recipients the given one avoids: those after it, newest first, as
    // many as the history window of the rules takes.
    std::vector<const CNameList*> GetHistory(const CListNode* pNode) const;
    // Every list, newest first.
    std::vector<CNameList*> GetLists() const;

    const CDrawRules& GetRules() const { return m_rules; }
    // An undoable change.
    void SetRules(const CDrawRules& rules);
    // The language of the document's e-mails and cards as stored: a code, or empty for the
    // desktop's. An undoable change.
    const QString& GetMailLanguageCode() const { return m_strMailLanguage; }
    void SetMailLanguageCode(const QString& strCode);
    // The language the e-mails and cards are written in: the one given for this run (the
    // command line's --language), else the document's, else the desktop's.
    CTextLanguage MailLanguage() const;
    void SetRunLanguage(const CTextLanguage& language) { m_runLanguage = language; }
    // An undoable change of a list's details.
    void SetDetails(CNameList* pList, const CExchangeDetails& details);
    // Whether the newest list can be drawn under the rules; when not, strWhy says why.
    bool CanDrawNewest(QString& strWhy) const;
    const CListNode* GetHeadNode() const { return m_pHead; }
    const CListNode* GetCurrentNode() const { return m_pCurrent; }
    int GetListCount() const { return m_nListCount; }

    // The whole document as a file holds it, and which list is shown.
    struct CState
    {
        QByteArray m_bytes;
        int m_nCurrent = 0;
    };
    CState SaveState() const;
    // Puts the document back as it was in the state; the views are rebuilt.
    void RestoreState(const CState& state);
    // Records what changed since the state as one step of the undo stack, named by the string
    // id; nothing when nothing changed. The modified flag follows the stack's clean state.
    void PushEdit(const CState& before, int nTextId);
    QUndoStack* UndoStack() { return &m_undo; }

    // A list other than the newest: a past exchange, which only its name may change in.
    bool IsHistory(const CNameList* pList) const;
    // Adds the rows the import checked against the newest list to it, as one undoable
    // change, and shows it. Returns how many persons came in.
    int ImportParticipants(const CParticipantImport& import);

    void FillListSelector();
    CPerson* GetPersonItem(HTREEITEM hItem) const;

    // Appends the notification text for a person of the current list to strBody.
    void ComposeNotification(const CPerson* pPerson, QString& strBody) const;
    // Send email for the person behind a tree item of the current list; what is sent is
    // always the newest list's drawing.
    void SendEmailTo(HTREEITEM hItem);
    // A send run is working in the background.
    bool IsSending() const;
    // The list may not be changed now: it is the newest one, whose e-mails are being sent.
    bool IsListLocked(const CNameList* pList) const;
    // IsListLocked, told to the user when true.
    bool RefuseWhileSending(const CNameList* pList) const;
    // Ends the send run at once, without waiting for the server's confirmation.
    void StopSending();
    // Time-outs of the SMTP conversation for the runs that follow.
    void SetMailTimeouts(const CSmtpTimeouts& timeouts) { m_mailTimeouts = timeouts; }

    bool OnNewDocument() override;
    void Serialize(CArchive& ar) override;

    bool OnCommand(int nID) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

    void OnDrawNames();
    void OnCopyForNextExchange();
    void OnListSelected();
    void OnSendEmails();

    // Whether the current list's drawing may be revealed or sent; when not, tells the user
    // what is wrong and to draw again.
    bool CheckCurrentDrawing() const;
    // The same for the newest list's drawing, the one that is mailed and printed.
    bool CheckNewestDrawing() const;

    bool CanDrawNames() const;
    bool CanSendEmails() const;

private:
    void AppendNode(CNameList* pList);
    void MakeNewestCurrent();
    void StoreLists(CArchive& ar) const;
    // Shows the list at that position afterwards.
    void LoadLists(CArchive& ar, int nCurrent = 0);
    void KeepModifiedWithStack();
    // Each run logs on afresh, with the settings of the moment.
    void StartSending(const QList<const CPerson*>& persons, bool bConfirm);
    // What the e-mails are composed from: the newest drawing as it is now.
    CMailDrawing MailDrawing() const;
    static void ReportInBoxes(const CSendRun& run, bool bConfirm);
    bool CheckDrawingOf(const CListNode* pNode) const;
    // The person of the newest list that a person of the shown list stands for, asking first
    // when an older list is shown; null when nothing is to be sent.
    const CPerson* NewestPersonToMail(const CPerson* pShown) const;
    // Whether the newest drawing is still the one a run began with; when not, tells why.
    bool IsStillDrawing(const QList<QPair<QString, QString>>& drawing) const;

    CDrawRules m_rules;
    QString m_strMailLanguage;
    std::optional<CTextLanguage> m_runLanguage;
    quint8 m_nListCount = 0;
    CListNode* m_pHead = nullptr;
    CListNode* m_pTail = nullptr;
    CListNode* m_pCurrent = nullptr;
    CUserInterface* m_pUi = nullptr;
    // Owned by whoever shows them; an earlier run's window may still send again.
    QList<QPointer<CSendRun>> m_runs;
    CSmtpTimeouts m_mailTimeouts;
    QUndoStack m_undo;
};
