// The document's notification e-mails: their text and their sending.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/NotificationComposer.h"
#include "notify/SendRun.h"
#include "platform/Framework.h"
#include "platform/UserInterface.h"
#include "res/Resource.h"
#include "res/StringTable.h"

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

} // namespace

void CKivvoDoc::ComposeNotification(const CPerson* pPerson, QString& strBody) const
{
    CNotificationComposer(GetCurrentList(), GetPreviousList(m_pCurrent), Footer())
        .Compose(pPerson, strBody);
}

QList<CMailJob> CKivvoDoc::MailJobs(const QList<const CPerson*>& persons) const
{
    const CNameList* pCurrent = GetCurrentList();
    const CNotificationComposer composer(pCurrent, GetPreviousList(m_pCurrent), Footer());
    QList<CMailJob> jobs;
    jobs.reserve(persons.size());
    for (const CPerson* pPerson : persons) {
        CMailJob job;
        job.m_strName = pPerson->m_strName;
        job.m_strAddressField = pPerson->m_strAddress;
        if (!pPerson->m_strAddress.isEmpty()) {
            job.m_strAddress = ResolveAddress(pPerson->m_strAddress);
            job.m_strSubject = pCurrent ? pCurrent->m_strName : QString();
            composer.Compose(pPerson, job.m_strBody);
        }
        jobs.append(job);
    }
    return jobs;
}

bool CKivvoDoc::IsSending() const
{
    return m_pRun && m_pRun->IsRunning();
}

void CKivvoDoc::StopSending()
{
    if (m_pRun)
        m_pRun->Abort();
}

void CKivvoDoc::StartSending(const QList<CMailJob>& jobs, bool bConfirm)
{
    const CKivvoApp* pApp = CKivvoApp::Get();
    auto* pRun = new CSendRun(pApp ? pApp->MailAccount() : CSettings(), jobs);
    pRun->SetTimeouts(m_mailTimeouts);
    m_pRun = pRun;
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

void CKivvoDoc::SendEmailTo(HTREEITEM hItem)
{
    const CNameList* pCurrent = GetCurrentList();
    const CListItem* pItem = pCurrent ? pCurrent->FindItem(hItem) : nullptr;
    if (!pItem || pItem->IsGroup() || IsSending())
        return;
    const auto* pPerson = static_cast<const CPerson*>(pItem);
    if (pPerson->m_strAddress.isEmpty() || !CheckCurrentDrawing())
        return;
    StartSending(MailJobs({pPerson}), true);
}

void CKivvoDoc::OnSendEmails()
{
    if (IsSending() || !CheckCurrentDrawing())
        return;
    if (CFramework::MessageBox(IDS_ASK_SEND_ALL, EBoxKind::YesNoQuestion) != IDYES)
        return;
    const CNameList* pCurrent = GetCurrentList();
    if (!pCurrent)
        return;
    QList<const CPerson*> persons;
    pCurrent->ForEachPerson([&persons](CPerson* pPerson) { persons.append(pPerson); });
    StartSending(MailJobs(persons), false);
}
