#include "desktop/DocFlow.h"

#include "app/DrawJob.h"
#include "app/KivvoDoc.h"
#include "desktop/MainFrame.h"
#include "desktop/MessageBox.h"
#include "model/NameList.h"
#include "text/Resource.h"

void CDocFlow::OnUndo()
{
    CMessageBox::Tell(m_pDoc->Undo());
}

void CDocFlow::OnRedo()
{
    CMessageBox::Tell(m_pDoc->Redo());
}

void CDocFlow::OnDrawNames()
{
    const CNameList* pNewest = m_pDoc->GetNewestList();
    if (!pNewest || !CMessageBox::Tell(m_pDoc->CheckDraw()))
        return;
    const bool bDrawn = pNewest->HasDrawnNames();
    bool bRepair = false;
    if (m_pDoc->CanRepair()) {
        // The list changed since its names were told: a repair tells the fewest again.
        const EAnswer answer =
            CMessageBox::Show(m_pDoc->RepairQuestion(), EBoxKind::RepairOrDrawAgain);
        if (answer == EAnswer::Cancel)
            return;
        bRepair = answer == EAnswer::Yes;
    } else if (CMessageBox::Show(bDrawn ? IDS_ASK_DRAW_AGAIN : IDS_ASK_DRAW_NOW,
                                 bDrawn ? EBoxKind::YesNoDefaultNo : EBoxKind::YesNoQuestion) !=
               EAnswer::Yes) {
        // Drawing again throws the drawn names away: the careless answer must keep them.
        return;
    }
    // Drawn on a thread of its own: the window stays alive, its commands wait.
    CDocResult result;
    CDrawJob* pJob = m_pDoc->StartDrawing(result, bRepair);
    if (!CMessageBox::Tell(result) || !pJob)
        return;
    QObject::connect(pJob, &CDrawJob::Finished, m_pFrame,
                     [this](const CDocResult& drawn) { AfterDrawing(drawn); });
}

void CDocFlow::AfterDrawing(const CDocResult& drawn)
{
    if (!CMessageBox::Tell(drawn))
        return;
    bool bEverybodyLooked = true;
    if (CMessageBox::Show(IDS_ASK_PASS_AROUND, EBoxKind::YesNoQuestion) == EAnswer::Yes)
        bEverybodyLooked = m_pFrame->RunDrawNamesDialog(m_pDoc->GetCurrentList(), 0);
    // A round ended early is no complete drawing to those still waiting for their name.
    if (CMessageBox::Show(bEverybodyLooked ? IDS_ASK_SEND_NOW : IDS_ASK_SEND_NOT_ALL_LOOKED,
                          EBoxKind::YesNoQuestion) == EAnswer::Yes)
        OnSendEmails();
}

void CDocFlow::OnCopyForNextExchange()
{
    if (!m_pDoc->GetNewestList() || !CMessageBox::Tell(m_pDoc->CheckCopy()))
        return;
    if (CMessageBox::Show(IDS_ASK_COPY_LIST, EBoxKind::YesNoQuestion) != EAnswer::Yes)
        return;
    CMessageBox::Tell(m_pDoc->CopyForNextExchange());
}

bool CDocFlow::MailReady()
{
    return CKivvoDoc::CheckMailReady() || m_pFrame->SetUpMail();
}

void CDocFlow::StartSending(const QList<const CPerson*>& persons)
{
    if (!MailReady() || !m_pFrame->KeepDrawingBeforeTelling())
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
    // After a change, only those whose recipient changed need telling: asked instead.
    QList<const CPerson*> persons;
    if (SomeMustBeToldAgain()) {
        if (ChooseWhomToTell(persons))
            StartSending(persons);
        return;
    }
    const EAnswer answer =
        bNewestShown ? CMessageBox::Show(IDS_ASK_SEND_ALL, EBoxKind::YesNoQuestion)
                     : CMessageBox::Show(IDS_ASK_SEND_NEWEST, EBoxKind::YesNoQuestion,
                                         {pNewest->m_strName, m_pDoc->GetCurrentList()->m_strName});
    if (answer == EAnswer::Yes)
        StartSending(m_pDoc->NewestGivers());
}

bool CDocFlow::SomeMustBeToldAgain() const
{
    const qsizetype nChanged = m_pDoc->PersonsToTellAgain().size();
    return nChanged > 0 && nChanged < m_pDoc->NewestGivers().size();
}

bool CDocFlow::ChooseWhomToTell(QList<const CPerson*>& persons)
{
    persons = m_pDoc->NewestGivers();
    if (!SomeMustBeToldAgain())
        return true;
    const QList<const CPerson*> changed = m_pDoc->PersonsToTellAgain();
    switch (
        CMessageBox::Show(IDS_ASK_TELL_CHANGED, EBoxKind::OnlyThemOrEverybody, {changed.size()})) {
    case EAnswer::Yes:
        persons = changed;
        return true;
    case EAnswer::No:
        return true;
    default:
        return false;
    }
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
        CMessageBox::Show(IDS_ASK_SEND_ONE_NEWEST, EBoxKind::YesNoQuestion,
                          {pPerson->m_strName, pNewest->m_strName,
                           m_pDoc->GetCurrentList()->m_strName}) != EAnswer::Yes)
        return;
    if (pPerson->m_strAddress.isEmpty() || !CMessageBox::Tell(m_pDoc->CheckNewestDrawing()))
        return;
    StartSending({pPerson});
}
