#include "NotificationComposer.h"

#include "Base64Lines.h"
#include "model/NameList.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <algorithm>
#include <type_traits>

namespace {

// The heading and report of a list, or, for a list too long to quote, one line that gives
// its size.
QString ListSection(const CNameList& list, bool bShowGiftTo, int nHeadingId, int nNotQuotedId)
{
    const int nPersons = list.CountPersons();
    if (nPersons > CNotificationComposer::kMaxQuotedPersons)
        return CStringTable::Format(nNotQuotedId, {nPersons});
    QString strReport;
    list.FormatReport(strReport, bShowGiftTo);
    return CStringTable::Load(nHeadingId) + strReport;
}

bool TooLongToQuote(const CNameList* pList)
{
    return pList && pList->CountPersons() > CNotificationComposer::kMaxQuotedPersons;
}

void Put(QString& out, const QString& strText)
{
    out += strText;
}

void Put(CBase64Lines& out, const QString& strText)
{
    out.Append(QStringView(strText));
}

} // namespace

CNotificationComposer::CNotificationComposer(const CNameList* pCurrent, const CNameList* pPrevious,
                                             const QString& strFooter)
    : m_pCurrent(pCurrent), m_bHasPrevious(pPrevious != nullptr),
      m_strGreeting(CStringTable::Load(IDS_NOTE_GREETING)),
      m_strPrivacy(CStringTable::Load(IDS_NOTE_PRIVACY)),
      m_strPreviousGift(CStringTable::Load(IDS_NOTE_PREVIOUS_GIFT)),
      m_strDrawnName(CStringTable::Load(TooLongToQuote(pCurrent) || TooLongToQuote(pPrevious)
                                            ? IDS_NOTE_DRAWN_NAME_LISTS_KEPT
                                            : IDS_NOTE_DRAWN_NAME)),
      m_strSuggestions(CStringTable::Load(IDS_NOTE_SUGGESTIONS)),
      m_end(CStringTable::Load(IDS_NOTE_BEFORE_FOOTER) + strFooter)
{
    if (pPrevious) {
        m_previousSection = CSection(
            ListSection(*pPrevious, true, IDS_NOTE_PREVIOUS_LIST, IDS_NOTE_PREVIOUS_NOT_QUOTED));
        pPrevious->ForEachPerson([this](CPerson* pPerson) {
            if (!m_previousGiftTo.contains(pPerson->m_strName))
                m_previousGiftTo.insert(pPerson->m_strName, pPerson->m_strGiftTo);
        });
    }
    if (pCurrent) {
        m_currentSection = CSection(
            ListSection(*pCurrent, false, IDS_NOTE_CURRENT_LIST, IDS_NOTE_CURRENT_NOT_QUOTED));
        pCurrent->ForEachPerson([this](CPerson* pPerson) {
            const QString strKey = pPerson->m_strName.toCaseFolded();
            if (!m_currentByName.contains(strKey))
                m_currentByName.insert(strKey, pPerson);
        });
    } else {
        m_currentSection = CSection(CStringTable::Load(IDS_NOTE_CURRENT_LIST));
    }
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

CNotificationFacts CNotificationComposer::Facts(const CPerson* pPerson) const
{
    CNotificationFacts facts{pPerson->m_strName, pPerson->m_strGiftTo, {}, {}};
    if (m_bHasPrevious)
        facts.m_strPreviousGiftTo = m_previousGiftTo.value(pPerson->m_strName);
    if (const CPerson* pRecipient = CurrentPerson(pPerson->m_strGiftTo))
        facts.m_strRecipientIdeas = pRecipient->m_strSuggestions;
    return facts;
}

template <typename Out>
void CNotificationComposer::Write(const CNotificationFacts& facts, Out& out) const
{
    // The sections the same in every text go whole, in the form the output takes.
    const auto putSection = [&out](const CSection& section) {
        if constexpr (std::is_same_v<Out, QString>)
            out += section.m_strText;
        else
            out.Append(QByteArrayView(section.m_utf8));
    };
    Put(out, CStringTable::FormatText(m_strGreeting, {facts.m_strName}));
    Put(out, CStringTable::FormatText(m_strPrivacy, {facts.m_strName}));
    if (m_bHasPrevious) {
        if (!facts.m_strPreviousGiftTo.isEmpty())
            Put(out, CStringTable::FormatText(m_strPreviousGift, {facts.m_strPreviousGiftTo}));
        putSection(m_previousSection);
    }
    putSection(m_currentSection);
    Put(out, CStringTable::FormatText(m_strDrawnName, {facts.m_strName, facts.m_strGiftTo}));
    if (!facts.m_strRecipientIdeas.isEmpty())
        Put(out, CStringTable::FormatText(m_strSuggestions, {facts.m_strRecipientIdeas}));
    putSection(m_end);
}

void CNotificationComposer::Compose(const CNotificationFacts& facts, QString& strBody) const
{
    Write(facts, strBody);
}

void CNotificationComposer::Encode(const CNotificationFacts& facts, CBase64Lines& body) const
{
    Write(facts, body);
}

void CNotificationComposer::Compose(const CPerson* pPerson, QString& strBody) const
{
    Compose(Facts(pPerson), strBody);
}
