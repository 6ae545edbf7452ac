#pragma once

#include <QList>

class CDocResult;
class CKivvoDoc;
class CMainFrame;
class CPerson;

// The desktop's side of the document's commands: the questions before an operation, the
// offers after it (pass the screen around, send now) and telling its result. The document
// itself asks nothing.
class CDocFlow
{
public:
    CDocFlow(CKivvoDoc* pDoc, CMainFrame* pFrame) : m_pDoc(pDoc), m_pFrame(pFrame) {}

    void OnUndo();
    void OnRedo();
    void OnDrawNames();
    // The offers after a drawing: pass the screen around, send now.
    void AfterDrawing(const CDocResult& drawn);
    void OnCopyForNextExchange();
    void OnSendEmails();
    // Whom to tell: everybody of the newest list, or, after a change and when the user
    // chooses so, only those whose recipient changed; false when he cancelled.
    bool ChooseWhomToTell(QList<const CPerson*>& persons);
    // Some, not all, of the newest list's persons were told another recipient than theirs.
    bool SomeMustBeToldAgain() const;
    // Send email for one person of the shown list; what is sent is always the newest
    // list's drawing, and the question says so when an older list is shown.
    void SendEmailTo(const CPerson* pShown);

private:
    // Opens Configure while mail is not set up; false when it is not set up then.
    bool MailReady();
    void StartSending(const QList<const CPerson*>& persons);

    CKivvoDoc* m_pDoc;
    CMainFrame* m_pFrame;
};
