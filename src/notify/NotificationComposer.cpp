#include "NotificationComposer.h"

#include "model/NameList.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>

CNotificationComposer::CNotificationComposer(const CNameList* pCurrent, const CNameList* pPrevious,
                                             const QString& strFooter)
    : m_pCurrent(pCurrent), m_bHasPrevious(pPrevious != nullptr),
      m_strGreeting(CStringTable::Load(IDS_NOTE_GREETING)),
      m_strPrivacy(CStringTable::Load(IDS_NOTE_PRIVACY)),
      m_strPreviousGift(CStringTable::Load(IDS_NOTE_PREVIOUS_GIFT)),
      m_strDrawnName(CStringTable::Load(IDS_NOTE_DRAWN_NAME)),
      m_strSuggestions(CStringTable::Load(IDS_NOTE_SUGGESTIONS)),
      m_strEnd(CStringTable::Load(IDS_NOTE_BEFORE_FOOTER) + strFooter)
{
    QString strReport;
    if (pPrevious) {
        pPrevious->FormatReport(strReport, true);
        m_strPreviousSection = CStringTable::Load(IDS_NOTE_PREVIOUS_LIST) + strReport;
        pPrevious->ForEachPerson([this](CPerson* pPerson) {
            if (!m_previousGiftTo.contains(pPerson->m_strName))
                m_previousGiftTo.insert(pPerson->m_strName, pPerson->m_strGiftTo);
        });
    }
    strReport.clear();
    if (pCurrent) {
        pCurrent->FormatReport(strReport, false);
        pCurrent->ForEachPerson([this](CPerson* pPerson) {
            const QString strKey = pPerson->m_strName.toCaseFolded();
            if (!m_currentByName.contains(strKey))
                m_currentByName.insert(strKey, pPerson);
        });
    }
    m_strCurrentSection = CStringTable::Load(IDS_NOTE_CURRENT_LIST) + strReport;
}

QString CNotificationComposer::PreviousGiftTo(const QString& strName) const
{
    return m_previousGiftTo.value(strName);
}

const CPerson* CNotificationComposer::CurrentPerson(const QString& strName) const
{
    const CPerson* pPerson = m_currentByName.value(strName.toCaseFolded());
    // Folding a whole string and comparing character by character can disagree on rare
    // characters: the list's own search decides then.
    if (!pPerson && m_pCurrent &&
        std::any_of(strName.cbegin(), strName.cend(), [](QChar ch) { return ch.unicode() > 0x7F; }))
        pPerson = m_pCurrent->FindPerson(strName);
    return pPerson;
}

void CNotificationComposer::Compose(const CPerson* pPerson, QString& strBody) const
{
    const QString& strName = pPerson->m_strName;
    strBody += CStringTable::FormatText(m_strGreeting, {strName});
    strBody += CStringTable::FormatText(m_strPrivacy, {strName});
    if (m_bHasPrevious) {
        const QString strGaveTo = PreviousGiftTo(strName);
        if (!strGaveTo.isEmpty())
            strBody += CStringTable::FormatText(m_strPreviousGift, {strGaveTo});
        strBody += m_strPreviousSection;
    }
    strBody += m_strCurrentSection;
    strBody += CStringTable::FormatText(m_strDrawnName, {strName, pPerson->m_strGiftTo});
    const CPerson* pRecipient = CurrentPerson(pPerson->m_strGiftTo);
    if (pRecipient && !pRecipient->m_strSuggestions.isEmpty())
        strBody += CStringTable::FormatText(m_strSuggestions, {pRecipient->m_strSuggestions});
    strBody += m_strEnd;
}
