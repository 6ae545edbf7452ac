// The document's commands that send its drawing by e-mail. The mail side composes the texts,
// one at a time as they are sent; the document offers its lists, the footer and the address
// book.
#include "KivvoApp.h"
#include "KivvoDoc.h"
#include "model/NameList.h"
#include "notify/MailJobSource.h"
#include "notify/NotificationComposer.h"
#include "notify/SendRun.h"
#include "platform/Framework.h"
#include "platform/UserInterface.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>

namespace {

QString Footer()
{
    const CKivvoApp* pApp = CKivvoApp::Get();
    return pApp ? pApp->m_settings.m_strFooter : CSettings().m_strFooter;
}

// Mail goes out only with the user's own server and sender, never with a value he did not set.
bool MailReady(CUserInterface* pUi)
{
    const CKivvoApp* pApp = CKivvoApp::Get();
    if (pApp && pApp->m_settings.IsMailSetUp())
        return true;
    if (pUi)
        return pUi->SetUpMail();
    CFramework::MessageBox(IDS_MAIL_NOT_SET_UP, EBoxKind::OkExclamation);
    return false;
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
QList<QPair<QString, QString>> DrawingOf(const CNameList* pList)
{
    QList<QPair<QString, QString>> drawing;
    if (pList)
        pList->ForEachPerson([&drawing](const CPerson* pPerson) {
            drawing.append({pPerson->m_strName, pPerson->m_strGiftTo});
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
    CNotificationComposer(GetCurrentList(), GetPreviousList(m_pCurrent), Footer(), MailLanguage())
        .Compose(pPerson, strBody);
}

CMailDrawing CKivvoDoc::MailDrawing() const
{
    return {GetNewestList(), GetPreviousList(m_pHead), Footer(), ResolveAddress, MailLanguage()};
}

bool CKivvoDoc::IsSending() const
{
    return std::any_of(m_runs.cbegin(), m_runs.cend(),
                       [](const QPointer<CSendRun>& pRun) { return pRun && pRun->IsRunning(); });
}

bool CKivvoDoc::IsListLocked(const CNameList* pList) const
{
    return pList && pList == GetNewestList() && IsSending();
}

bool CKivvoDoc::RefuseWhileSending(const CNameList* pList) const
{
    if (!IsListLocked(pList))
        return false;
    CFramework::MessageBox(IDS_BUSY_SENDING, EBoxKind::OkExclamation);
    return true;
}

bool CKivvoDoc::IsStillDrawing(const QList<QPair<QString, QString>>& drawing) const
{
    if (!CheckNewestDrawing())
        return false;
    if (DrawingOf(GetNewestList()) == drawing)
        return true;
    CFramework::MessageBox(IDS_RETRY_REDRAWN, EBoxKind::OkExclamation);
    return false;
}

void CKivvoDoc::StopSending()
{
    for (const QPointer<CSendRun>& pRun : std::as_const(m_runs)) {
        if (pRun)
            pRun->Abort();
    }
}

void CKivvoDoc::StartSending(const QList<const CPerson*>& persons, bool bConfirm)
{
    if (!MailReady(m_pUi))
        return;
    const CKivvoApp* pApp = CKivvoApp::Get();
    auto* pRun = new CSendRun(pApp ? pApp->MailAccount() : CSettings(),
                              std::make_unique<CMailJobSource>(MailDrawing(), persons));
    pRun->SetTimeouts(m_mailTimeouts);
    const QPointer<const CKivvoDoc> pDoc(this);
    pRun->SetDrawingCheck([pDoc, drawing = DrawingOf(GetNewestList())] {
        return pDoc && pDoc->IsStillDrawing(drawing);
    });
    pRun->SetRecompose(
        [pDoc](CMailJobSource& source) { return pDoc && source.Renew(pDoc->MailDrawing()); });
    m_runs.removeAll(nullptr);
    m_runs.append(pRun);
    if (m_pUi && m_pUi->RunSend(pRun, bConfirm))
        return;
    // No window to show the progress in: the run is done here and told in message boxes.
    pRun->Run();
    ReportInBoxes(*pRun, bConfirm);
    delete pRun;
}

void CKivvoDoc::ReportInBoxes(const CSendRun& run, bool bConfirm)
{
    if (run.StopMessageId()) {
        const QStringList arguments = run.StopArguments();
        CFramework::MessageBox(run.StopMessageId(), EBoxKind::OkPlain,
                               {arguments.value(0), arguments.value(1)});
        return;
    }
    for (int i = 0; i < run.Jobs().size(); ++i) {
        const CMailJob& job = run.Jobs().at(i);
        const ESendOutcome outcome = run.Result(i).m_outcome;
        if (outcome == ESendOutcome::Failed)
            CFramework::MessageBox(IDS_SEND_ERROR, EBoxKind::OkPlain,
                                   {job.m_strName, job.m_strAddress});
        else if (outcome == ESendOutcome::Sent && bConfirm)
            CFramework::MessageBox(IDS_EMAIL_SENT, EBoxKind::OkInformation,
                                   {job.m_strName, job.m_strAddress});
    }
    if (!bConfirm)
        CFramework::MessageBox(IDS_SENT_SUMMARY, EBoxKind::OkInformation,
                               {run.CountOf(ESendOutcome::Sent), run.Jobs().size()});
}

const CPerson* CKivvoDoc::NewestPersonToMail(const CPerson* pShown) const
{
    if (m_pCurrent == m_pHead)
        return pShown;
    const CNameList* pNewest = GetNewestList();
    const CPerson* pPerson = PersonNamedExactly(pNewest, pShown->m_strName);
    if (!pPerson || pPerson->m_strAddress.isEmpty()) {
        CFramework::MessageBox(pPerson ? IDS_NO_ADDRESS_NEWEST : IDS_NOT_IN_NEWEST,
                               EBoxKind::OkExclamation, {pShown->m_strName, pNewest->m_strName});
        return nullptr;
    }
    if (CFramework::MessageBox(
            IDS_ASK_SEND_ONE_NEWEST, EBoxKind::YesNoQuestion,
            {pPerson->m_strName, pNewest->m_strName, GetCurrentList()->m_strName}) != IDYES)
        return nullptr;
    return pPerson;
}

void CKivvoDoc::SendEmailTo(HTREEITEM hItem)
{
    const CNameList* pCurrent = GetCurrentList();
    const CListItem* pItem = pCurrent ? pCurrent->FindItem(hItem) : nullptr;
    if (!pItem || pItem->IsGroup() || IsSending())
        return;
    const CPerson* pPerson = NewestPersonToMail(static_cast<const CPerson*>(pItem));
    if (!pPerson || pPerson->m_strAddress.isEmpty() || !CheckNewestDrawing())
        return;
    StartSending({pPerson}, true);
}

void CKivvoDoc::OnSendEmails()
{
    const CNameList* pNewest = GetNewestList();
    if (!pNewest || IsSending() || !CheckNewestDrawing())
        return;
    // What goes out is always the newest drawing; with an older list on screen, the question
    // says so.
    const int nAnswer =
        m_pCurrent == m_pHead
            ? CFramework::MessageBox(IDS_ASK_SEND_ALL, EBoxKind::YesNoQuestion)
            : CFramework::MessageBox(IDS_ASK_SEND_NEWEST, EBoxKind::YesNoQuestion,
                                     {pNewest->m_strName, GetCurrentList()->m_strName});
    if (nAnswer != IDYES)
        return;
    QList<const CPerson*> persons;
    pNewest->ForEachPerson([&persons](CPerson* pPerson) { persons.append(pPerson); });
    StartSending(persons, false);
}
