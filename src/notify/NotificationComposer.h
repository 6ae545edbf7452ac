#pragma once

#include <QHash>
#include <QString>

class CNameList;
class CPerson;

// Composes the notification texts of one run: the two list reports, the texts of the string
// table and the name lookups are prepared once, so that each further text costs only its own
// length.
class CNotificationComposer
{
public:
    // pPrevious may be null (no previous drawing); pCurrent may be null too.
    CNotificationComposer(const CNameList* pCurrent, const CNameList* pPrevious,
                          const QString& strFooter);

    // Appends the notification for a person of the current list to strBody.
    void Compose(const CPerson* pPerson, QString& strBody) const;

private:
    QString PreviousGiftTo(const QString& strName) const;
    const CPerson* CurrentPerson(const QString& strName) const;

    const CNameList* m_pCurrent;
    bool m_bHasPrevious;
    QString m_strGreeting;
    QString m_strPrivacy;
    QString m_strPreviousGift;
    QString m_strPreviousSection; // heading and report of the previous drawing
    QString m_strCurrentSection;  // heading and report of the current list
    QString m_strDrawnName;
    QString m_strSuggestions;
    QString m_strEnd;                               // the blank lines and the footer
    QHash<QString, QString> m_previousGiftTo;       // exact name, first person of that name
    QHash<QString, const CPerson*> m_currentByName; // case-folded name, first person
};
