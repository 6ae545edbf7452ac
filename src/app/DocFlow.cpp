#include "DocFlow.h"

#include "DrawJob.h"
#include "KivvoDoc.h"
#include "MainFrame.h"
#include "model/NameList.h"
#include "platform/CmdUI.h"
#include "platform/MessageBox.h"
#include "res/Resource.h"

bool CDocFlow::OnUpdateCommand(CCmdUI& cmdUI)
{
    const QUndoStack* pStack = m_pDoc->UndoStack();
    switch (cmdUI.m_nID) {
    case ID_DRAW_NAMES:
    case ID_COPY_FOR_NEXT:
        cmdUI.Enable(m_pDoc->CanDrawNames() && !m_pDoc->IsBusy());
        return true;
    case ID_SEND_EMAILS:
        cmdUI.Enable(m_pDoc->CanSendEmails() && !m_pDoc->IsBusy());
        return true;
    case ID_EDIT_UNDO:
        cmdUI.Enable(pStack->canUndo() && !m_pDoc->IsBusy());
        return true;
    case ID_EDIT_REDO:
        cmdUI.Enable(pStack->canRedo() && !m_pDoc->IsBusy());
        return true;
    default:
        return false;
    }
}

bool CDocFlow::OnCommand(int nID)
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
        m_pDoc->OnListSelected();
        return true;
    case ID_EDIT_UNDO:
        CMessageBox::Tell(m_pDoc->Undo());
        return true;
    case ID_EDIT_REDO:
        CMessageBox::Tell(m_pDoc->Redo());
        return true;
    default:
        return false;
    }
}

void CDocFlow::OnDrawNames()
{
    const CNameList* pNewest = m_pDoc->GetNewestList();
    if (!pNewest || !CMessageBox::Tell(m_pDoc->CheckDraw()))
        return;
    const bool bDrawn = pNewest->HasDrawnNames();
    // Drawing again throws the drawn names away: the careless answer must keep them.
    if (CMessageBox::Show(bDrawn ? IDS_ASK_DRAW_AGAIN : IDS_ASK_DRAW_NOW,
                          bDrawn ? EBoxKind::YesNoDefaultNo : EBoxKind::YesNoQuestion) != IDYES)
        return;
    // Drawn on a thread of its own: the window stays alive, its commands wait.
    CDocResult result;
    CDrawJob* pJob = m_pDoc->StartDrawing(result);
    if (!CMessageBox::Tell(result) || !pJob)
        return;
    QObject::connect(pJob, &CDrawJob::Finished, m_pFrame,
                     [this](const CDocResult& drawn) { AfterDrawing(drawn); });
}

void CDocFlow::AfterDrawing(const CDocResult& drawn)
{
    m_pFrame->UpdateCommandUI();
    if (!CMessageBox::Tell(drawn))
        return;
    if (CMessageBox::Show(IDS_ASK_PASS_AROUND, EBoxKind::YesNoQuestion) == IDYES)
        m_pFrame->RunDrawNamesDialog(m_pDoc->GetCurrentList(), 0);
    if (CMessageBox::Show(IDS_ASK_SEND_NOW, EBoxKind::YesNoQuestion) == IDYES)
        OnSendEmails();
}

void CDocFlow::OnCopyForNextExchange()
{
    if (!m_pDoc->GetNewestList() || !CMessageBox::Tell(m_pDoc->CheckCopy()))
        return;
    if (CMessageBox::Show(IDS_ASK_COPY_LIST, EBoxKind::YesNoQuestion) != IDYES)
        return;
    CMessageBox::Tell(m_pDoc->CopyForNextExchange());
}

bool CDocFlow::MailReady()
{
    return CKivvoDoc::CheckMailReady() || m_pFrame->SetUpMail();
}

void CDocFlow::StartSending(const QList<const CPerson*>& persons)
{
    if (!MailReady())
        return;
    CDocResult result;
    CSendRun* pRun = m_pDoc->CreateSendRun(persons, result);
    if (!CMessageBox::Tell(result))
        return;
    m_pFrame->RunSend(pRun);
}

void CDocFlow::OnSendEmails()
{
    const CNameList* pNewest = m_pDoc->GetNewestList();
    if (!pNewest || m_pDoc->IsBusy() || !CMessageBox::Tell(m_pDoc->CheckNewestDrawing()))
        return;
    // What goes out is always the newest drawing; with an older list on screen, the question
    // says so.
    const bool bNewestShown = m_pDoc->GetCurrentList() == pNewest;
    const int nAnswer =
        bNewestShown ? CMessageBox::Show(IDS_ASK_SEND_ALL, EBoxKind::YesNoQuestion)
                     : CMessageBox::Show(IDS_ASK_SEND_NEWEST, EBoxKind::YesNoQuestion,
                                         {pNewest->m_strName, m_pDoc->GetCurrentList()->m_strName});
    if (nAnswer == IDYES)
        StartSending(m_pDoc->NewestPersons());
}

void CDocFlow::SendEmailTo(const CPerson* pShown)
{
    if (!pShown || m_pDoc->IsBusy())
        return;
    CDocResult result;
    const CPerson* pPerson = m_pDoc->NewestPersonToMail(pShown, result);
    if (!CMessageBox::Tell(result) || !pPerson)
        return;
    const CNameList* pNewest = m_pDoc->GetNewestList();
    if (m_pDoc->GetCurrentList() != pNewest &&
        CMessageBox::Show(
            IDS_ASK_SEND_ONE_NEWEST, EBoxKind::YesNoQuestion,
            {pPerson->m_strName, pNewest->m_strName, m_pDoc->GetCurrentList()->m_strName}) != IDYES)
        return;
    if (pPerson->m_strAddress.isEmpty() || !CMessageBox::Tell(m_pDoc->CheckNewestDrawing()))
        return;
    StartSending({pPerson});
}
