// The document's notification e-mails: their text and their sending.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "platform/Framework.h"
#include "res/Resource.h"
#include "res/StringTable.h"

void CKivvoDoc::ComposeNotification(const CPerson* pPerson, QString& strBody) const
{
    const CNameList* pCurrent = GetCurrentList();
    const CNameList* pPrevious = GetPreviousList(m_pCurrent);
    const QString& strName = pPerson->m_strName;

    strBody += CStringTable::Format(IDS_NOTE_GREETING, {strName});
    strBody += CStringTable::Format(IDS_NOTE_PRIVACY, {strName});
    if (pPrevious) {
        QString strGaveTo;
        pPrevious->FindGiftTo(strName, strGaveTo);
        if (!strGaveTo.isEmpty())
            strBody += CStringTable::Format(IDS_NOTE_PREVIOUS_GIFT, {strGaveTo});
        strBody += CStringTable::Load(IDS_NOTE_PREVIOUS_LIST);
        QString strReport;
        pPrevious->FormatReport(strReport, true);
        strBody += strReport;
    }
    strBody += CStringTable::Load(IDS_NOTE_CURRENT_LIST);
    QString strReport;
    if (pCurrent)
        pCurrent->FormatReport(strReport, false);
    strBody += strReport;
    strBody += CStringTable::Format(IDS_NOTE_DRAWN_NAME, {strName, pPerson->m_strGiftTo});
    const CPerson* pRecipient = pCurrent ? pCurrent->FindPerson(pPerson->m_strGiftTo) : nullptr;
    if (pRecipient && !pRecipient->m_strSuggestions.isEmpty())
        strBody += CStringTable::Format(IDS_NOTE_SUGGESTIONS, {pRecipient->m_strSuggestions});
    strBody += CStringTable::Load(IDS_NOTE_BEFORE_FOOTER);
    const CKivvoApp* pApp = CKivvoApp::Get();
    strBody += pApp ? pApp->m_settings.m_strFooter : CSettings().m_strFooter;
}

bool CKivvoDoc::EnsureLoggedOn()
{
    if (m_mail.m_bLoggedOn)
        return true;
    const CKivvoApp* pApp = CKivvoApp::Get();
    m_mail.Configure(pApp ? pApp->m_settings : CSettings());
    if (!FAILED(m_mail.Logon()))
        return true;
    CFramework::MessageBox(IDS_LOGON_ERROR, EBoxKind::OkPlain);
    return false;
}

int CKivvoDoc::SendEmail(const CPerson* pPerson, bool bConfirm)
{
    if (pPerson->m_strAddress.isEmpty())
        return 0;
    // "ann@example.com" is an address; "Ann Smith" (or "@Ann") names an address-book entry.
    QString strAddress;
    if (pPerson->m_strAddress.indexOf(u'@') >= 1) {
        strAddress = pPerson->m_strAddress;
    } else if (CKivvoApp* pApp = CKivvoApp::Get()) {
        QString strFirstName;
        QString strLastName;
        pApp->LookupContact(pPerson->m_strAddress, strAddress, strFirstName, strLastName);
    }
    const CNameList* pCurrent = GetCurrentList();
    QString strBody;
    ComposeNotification(pPerson, strBody);
    const HRESULT hr = m_mail.Send(strAddress, pCurrent ? pCurrent->m_strName : QString(), strBody);
    if (FAILED(hr)) {
        CFramework::MessageBox(IDS_SEND_ERROR, EBoxKind::OkPlain, {pPerson->m_strName, strAddress});
        return 0;
    }
    if (bConfirm) {
        CFramework::MessageBox(IDS_EMAIL_SENT, EBoxKind::OkInformation,
                               {pPerson->m_strName, strAddress});
    }
    return 1;
}

void CKivvoDoc::SendEmailTo(HTREEITEM hItem)
{
    const CNameList* pCurrent = GetCurrentList();
    const CListItem* pItem = pCurrent ? pCurrent->FindItem(hItem) : nullptr;
    if (!pItem || pItem->IsGroup())
        return;
    if (!CheckCurrentDrawing() || !EnsureLoggedOn())
        return;
    SendEmail(static_cast<const CPerson*>(pItem), true);
}

void CKivvoDoc::OnSendEmails()
{
    if (!CheckCurrentDrawing())
        return;
    if (CFramework::MessageBox(IDS_ASK_SEND_ALL, EBoxKind::YesNoQuestion) != IDYES)
        return;
    if (!EnsureLoggedOn())
        return;
    const CNameList* pCurrent = GetCurrentList();
    if (!pCurrent)
        return;
    int nSent = 0;
    pCurrent->ForEachPerson([&](CPerson* pPerson) { nSent += SendEmail(pPerson, false); });
    CFramework::MessageBox(IDS_SENT_SUMMARY, EBoxKind::OkInformation,
                           {nSent, pCurrent->CountPersons()});
}
