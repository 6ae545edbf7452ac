// The document's commands that send its drawing by e-mail. The mail side composes the texts,
// one at a time as they are sent; the document offers its lists, the footer and the address
// book.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/MailJobSource.h"
#include "notify/NotificationComposer.h"
#include "notify/SendRun.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <algorithm>

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

CDocResult CKivvoDoc::IsStillDrawing(const QList<QPair<QString, QString>>& drawing) const
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

QList<const CPerson*> CKivvoDoc::NewestPersons() const
{
    QList<const CPerson*> persons;
    if (const CNameList* pNewest = GetNewestList())
        pNewest->ForEachPerson([&persons](CPerson* pPerson) { persons.append(pPerson); });
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
    connect(pRun, &CSendRun::Started, this, &CKivvoDoc::BusyChanged);
    connect(pRun, &CSendRun::Finished, this, &CKivvoDoc::BusyChanged);
    m_runs.removeAll(nullptr);
    m_runs.append(pRun);
    return pRun;
}

const CPerson* CKivvoDoc::NewestPersonToMail(const CPerson* pShown, CDocResult& result) const
{
    result = {};
    if (!pShown)
        return nullptr;
    if (m_pCurrent == m_pHead)
        return pShown;
    const CNameList* pNewest = GetNewestList();
    const CPerson* pPerson = PersonNamedExactly(pNewest, pShown->m_strName);
    if (pPerson && !pPerson->m_strAddress.isEmpty())
        return pPerson;
    result = CDocResult::Refused(pPerson ? IDS_NO_ADDRESS_NEWEST : IDS_NOT_IN_NEWEST,
                                 {pShown->m_strName, pNewest->m_strName});
    return nullptr;
}
