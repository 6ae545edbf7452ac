#pragma once

#include "notify/NotificationComposer.h"
#include "text/TextLanguage.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class CBase64Lines;
class CNameList;
class CPerson;

// One participant's e-mail: whom it goes to and, for a finished message, its text.
struct CMailJob
{
    QString m_strName;
    QString m_strAddressField; // as the person holds it; empty: nothing to send
    QString m_strAddress;      // resolved through the address book
    QString m_strSubject;
    QString m_strBody; // a finished message's text; a notification is composed when sent

    // The test mail of the mail settings, to one address.
    static CMailJob Test(const QString& strTo);
};

// What a send run's notifications are composed from, as the document offers it: its newest
// drawing, the one before it, the footer, and how an address-book name becomes an address.
struct CMailDrawing
{
    const CNameList* m_pNewest = nullptr;
    const CNameList* m_pPrevious = nullptr;
    QString m_strFooter;
    std::function<QString(const QString& strField)> m_resolveAddress;
    CTextLanguage m_language; // of the texts and the subject
};

// The e-mails of a send run, one per participant. A notification's text is not kept: it is
// written into the message when that message is built, from what the source took from the
// lists when it was made, so that a run holds a few short strings per person whatever the
// size of the circle. Made and renewed on the thread that owns the lists; Jobs() and
// EncodeBody() are read-only and may be used from the thread that sends.
class CMailJobSource
{
public:
    // Finished messages, sent as they are.
    explicit CMailJobSource(QList<CMailJob> jobs);
    // The notifications of these persons of the newest drawing, in the order given; a person
    // without address gets a job with nothing to send.
    CMailJobSource(const CMailDrawing& drawing, const QList<const CPerson*>& persons);
    ~CMailJobSource();

    const QList<CMailJob>& Jobs() const { return m_jobs; }
    void EncodeBody(int nIndex, CBase64Lines& body) const;

    // Takes the drawing afresh for the same persons, for texts composed anew (a corrected
    // address or footer counts); false, changing nothing, when one of them is no longer in
    // it. Finished messages stay as they are.
    bool Renew(const CMailDrawing& drawing);

private:
    void Take(const CMailDrawing& drawing, const QList<const CPerson*>& persons);
    // The list's name, with the date of the exchange when it has one.
    static QString Subject(const CMailDrawing& drawing);

    QList<CMailJob> m_jobs;
    QList<CNotificationFacts> m_facts; // empty for finished messages
    std::unique_ptr<CNotificationComposer> m_pComposer;
};
