#include "notify/NotificationComposer.h"

#include "model/NameList.h"
#include "notify/Base64Lines.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <algorithm>
#include <type_traits>

namespace {

// The heading and report of a list, or, for a list too long to quote, one line that gives
// its size.
QString ListSection(const CNameList& list, bool bShowGiftTo, int nHeadingId, int nNotQuotedId,
                    const CTextLanguage& language)
{
    const int nPersons = list.CountPersons();
    if (nPersons > CNotificationComposer::kMaxQuotedPersons)
        return language.Format(nNotQuotedId, {nPersons});
    QString strReport;
    list.FormatReport(strReport, bShowGiftTo);
    return language.Text(nHeadingId) + strReport;
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

QStringList CNotificationComposer::DetailLines(const CExchangeDetails& details,
                                               const CTextLanguage& language)
{
    QStringList lines;
    if (details.m_date.isValid())
        lines.append(language.Format(IDS_DETAIL_DATE, {language.LongDate(details.m_date)}));
    const std::pair<int, QString> texts[] = {{IDS_DETAIL_BUDGET, details.m_strBudget},
                                             {IDS_DETAIL_PLACE, details.m_strPlace},
                                             {IDS_DETAIL_NOTE, details.m_strNote}};
    for (const auto& [nId, strText] : texts) {
        // A note of several lines keeps them, with the line ends of mail.
        QString strLine = strText.trimmed();
        strLine.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        strLine.replace(u'\n', QStringLiteral("\r\n"));
        if (!strLine.isEmpty())
            lines.append(language.Format(nId, {strLine}));
    }
    return lines;
}

QString CNotificationComposer::Title(const CNameList& list, const CTextLanguage& language)
{
    if (!list.m_details.m_date.isValid())
        return list.m_strName;
    return language.Format(IDS_SUBJECT_WITH_DATE,
                           {list.m_strName, language.LongDate(list.m_details.m_date)});
}

CNotificationComposer::CNotificationComposer(const CNameList* pCurrent, const CNameList* pPrevious,
                                             const QString& strFooter,
                                             const CTextLanguage& language)
    : m_pCurrent(pCurrent), m_bHasPrevious(pPrevious != nullptr),
      m_strGreeting(language.Text(IDS_NOTE_GREETING)),
      m_strPrivacy(language.Text(IDS_NOTE_PRIVACY)),
      m_strReplacesEarlier(language.Text(IDS_NOTE_REPLACES_EARLIER)),
      m_strPreviousGift(language.Text(IDS_NOTE_PREVIOUS_GIFT)),
      m_strSuggestions(language.Text(IDS_NOTE_SUGGESTIONS)),
      m_strSuggestionsFor(language.Text(IDS_NOTE_SUGGESTIONS_FOR)),
      m_strNamesSeparator(language.Text(IDS_NAMES_SEPARATOR)),
      m_strNamesLast(language.Text(IDS_NAMES_LAST)),
      m_end(language.Text(IDS_NOTE_BEFORE_FOOTER) + strFooter)
{
    const bool bListsKept = TooLongToQuote(pCurrent) || TooLongToQuote(pPrevious);
    const QStringList details =
        pCurrent ? DetailLines(pCurrent->m_details, language) : QStringList();
    if (details.isEmpty()) {
        m_strDrawnName =
            language.Text(bListsKept ? IDS_NOTE_DRAWN_NAME_LISTS_KEPT : IDS_NOTE_DRAWN_NAME);
        m_strDrawnNames =
            language.Text(bListsKept ? IDS_NOTE_DRAWN_NAMES_LISTS_KEPT : IDS_NOTE_DRAWN_NAMES);
    } else {
        m_strDrawnName = language.Text(IDS_NOTE_DRAWN_NAME_ONLY);
        m_strDrawnNames = language.Text(IDS_NOTE_DRAWN_NAMES_ONLY);
        m_strAfterDrawnName =
            details.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") +
            language.Text(bListsKept ? IDS_NOTE_LISTS_KEPT_THANKS : IDS_NOTE_THANKS);
    }
    if (pPrevious) {
        m_previousSection = CSection(ListSection(*pPrevious, true, IDS_NOTE_PREVIOUS_LIST,
                                                 IDS_NOTE_PREVIOUS_NOT_QUOTED, language));
        pPrevious->ForEachPerson([this](CPerson* pPerson) {
            if (!m_previousGiftTo.contains(pPerson->m_strName))
                m_previousGiftTo.insert(pPerson->m_strName, Names(pPerson->GiftsTo()));
        });
    }
    if (pCurrent) {
        m_currentSection = CSection(ListSection(*pCurrent, false, IDS_NOTE_CURRENT_LIST,
                                                IDS_NOTE_CURRENT_NOT_QUOTED, language));
        pCurrent->ForEachPerson([this](CPerson* pPerson) {
            const QString strKey = pPerson->m_strName.toCaseFolded();
            if (!m_currentByName.contains(strKey))
                m_currentByName.insert(strKey, pPerson);
        });
    } else {
        m_currentSection = CSection(language.Text(IDS_NOTE_CURRENT_LIST));
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
    CNotificationFacts facts{pPerson->m_strName, pPerson->m_strGiftTo, {}, {}, {}, {}, false};
    facts.m_bReplacesEarlier = !pPerson->m_told.IsEmpty() && pPerson->MustBeToldAgain();
    if (m_bHasPrevious)
        facts.m_strPreviousGiftTo = m_previousGiftTo.value(pPerson->m_strName);
    const auto ideasOf = [this](const QString& strName) {
        const CPerson* pRecipient = CurrentPerson(strName);
        return pRecipient ? pRecipient->m_strSuggestions : QString();
    };
    facts.m_strRecipientIdeas = ideasOf(pPerson->m_strGiftTo);
    for (const QString& strName : pPerson->m_moreGiftTo) {
        facts.m_moreGiftTo.append(strName);
        facts.m_moreIdeas.append(ideasOf(strName));
    }
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
    if (facts.m_bReplacesEarlier)
        Put(out, m_strReplacesEarlier);
    if (m_bHasPrevious) {
        if (!facts.m_strPreviousGiftTo.isEmpty())
            Put(out, CStringTable::FormatText(m_strPreviousGift, {facts.m_strPreviousGiftTo}));
        putSection(m_previousSection);
    }
    putSection(m_currentSection);
    if (facts.m_moreGiftTo.isEmpty()) {
        Put(out, CStringTable::FormatText(m_strDrawnName, {facts.m_strName, facts.m_strGiftTo}));
        if (!m_strAfterDrawnName.isEmpty())
            Put(out, m_strAfterDrawnName);
        if (!facts.m_strRecipientIdeas.isEmpty())
            Put(out, CStringTable::FormatText(m_strSuggestions, {facts.m_strRecipientIdeas}));
    } else {
        const QStringList giftsTo = QStringList{facts.m_strGiftTo} + facts.m_moreGiftTo;
        const QStringList ideas = QStringList{facts.m_strRecipientIdeas} + facts.m_moreIdeas;
        Put(out, CStringTable::FormatText(m_strDrawnNames, {facts.m_strName, Names(giftsTo)}));
        if (!m_strAfterDrawnName.isEmpty())
            Put(out, m_strAfterDrawnName);
        // Each recipient's suggestions on a line of their own, the lines set off as one.
        QStringList lines;
        for (qsizetype i = 0; i < giftsTo.size(); ++i) {
            if (!ideas.at(i).isEmpty())
                lines.append(
                    CStringTable::FormatText(m_strSuggestionsFor, {giftsTo.at(i), ideas.at(i)}));
        }
        if (!lines.isEmpty())
            Put(out, QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n")) +
                         QStringLiteral("\r\n\r\n"));
    }
    putSection(m_end);
}

QString CNotificationComposer::Names(const QStringList& names) const
{
    if (names.size() < 2)
        return names.value(0);
    return CStringTable::FormatText(
        m_strNamesLast, {names.first(names.size() - 1).join(m_strNamesSeparator), names.last()});
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
