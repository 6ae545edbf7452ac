#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

class CBase64Lines;
class CTextLanguage;
struct CExchangeDetails;
class CNameList;
class CPerson;

// What one person's notification says of him: taken from the lists on the thread that owns
// them, so that the text can be written later on any thread.
struct CNotificationFacts
{
    QString m_strName;
    QString m_strGiftTo;
    QString m_strPreviousGiftTo; // whom he gave to in the previous drawing
    QString m_strRecipientIdeas; // the gift suggestions of the person he gives to
    // With several gifts: his further recipients, and the suggestions of each.
    QStringList m_moreGiftTo;
    QStringList m_moreIdeas;
    bool m_bReplacesEarlier = false; // he was told another recipient before
};

// Composes the notification texts of one run: the two list reports, the texts of the string
// table and the name lookups are prepared once, so that each further text costs only its own
// length. A list of more than kMaxQuotedPersons persons is not quoted: every message would
// carry it whole, and the mail of a circle would grow with the square of its size.
class CNotificationComposer
{
public:
    static constexpr int kMaxQuotedPersons = 500;

    // pPrevious may be null (no previous drawing); pCurrent may be null too. The texts are in
    // the language given.
    CNotificationComposer(const CNameList* pCurrent, const CNameList* pPrevious,
                          const QString& strFooter, const CTextLanguage& language);

    // The exchange's details as the lines a notification gives them in ("Date: 24 December
    // 2026"); empty when none is set. Cards show the same lines.
    static QStringList DetailLines(const CExchangeDetails& details, const CTextLanguage& language);
    // The list's name, with the date of the exchange when it has one: the subject of the
    // e-mails and the heading of the cards.
    static QString Title(const CNameList& list, const CTextLanguage& language);

    // Appends the notification for a person of the current list to strBody.
    void Compose(const CPerson* pPerson, QString& strBody) const;

    // What the notification of a person of the current list says of him; reads the lists.
    CNotificationFacts Facts(const CPerson* pPerson) const;
    // The text, from the facts alone: neither reads the lists, and both may run on another
    // thread than the one that made the composer.
    void Compose(const CNotificationFacts& facts, QString& strBody) const;
    void Encode(const CNotificationFacts& facts, CBase64Lines& body) const;

private:
    // A text that is the same in every notification, kept as UTF-8 as well.
    struct CSection
    {
        CSection() = default;
        explicit CSection(const QString& strText) : m_strText(strText), m_utf8(strText.toUtf8()) {}
        QString m_strText;
        QByteArray m_utf8;
    };

    template <typename Out> void Write(const CNotificationFacts& facts, Out& out) const;
    const CPerson* CurrentPerson(const QString& strName) const;
    // "Bob", "Bob and Cid", "Bob, Cid and Dan", in the language of the notifications.
    QString Names(const QStringList& names) const;

    const CNameList* m_pCurrent;
    bool m_bHasPrevious;
    QString m_strGreeting;
    QString m_strPrivacy;
    QString m_strReplacesEarlier;
    QString m_strPreviousGift;
    CSection m_previousSection; // heading and report of the previous drawing
    CSection m_currentSection;  // heading and report of the current list
    QString m_strDrawnName;
    QString m_strAfterDrawnName; // the details and the thanks, when the exchange has details
    QString m_strSuggestions;
    QString m_strDrawnNames;     // the same for several recipients
    QString m_strSuggestionsFor; // one of several recipients' suggestions
    QString m_strNamesSeparator;
    QString m_strNamesLast;
    CSection m_end;                                 // the blank lines and the footer
    QHash<QString, QString> m_previousGiftTo;       // exact name, first person of that name
    QHash<QString, const CPerson*> m_currentByName; // case-folded name, first person
};
