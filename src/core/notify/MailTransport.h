#pragma once

#include "notify/MailAccount.h"
#include "notify/MailMessage.h"
#include "notify/SmtpSession.h"

#include <QByteArray>
#include <QStringList>

// Hands finished notifications to the configured SMTP server. Logon opens the connection
// (TLS and authentication included); the sends that follow reuse it. A message is never
// handed over twice: the only retry is on a fresh connection when a reused one turns out to
// have been closed before the server accepted the sender. Every failure writes one trace
// line to the logging category kivvo.mail and keeps its reason in LastResult(); the transport
// never talks to the user, its callers do. It lives on one thread, the one that logs on.
class CMailTransport
{
public:
    CMailTransport();
    virtual ~CMailTransport();
    CMailTransport(const CMailTransport&) = delete;
    CMailTransport& operator=(const CMailTransport&) = delete;

    // Server, port, sender and account; takes effect at the next Logon.
    void Configure(const CMailAccount& settings) { m_account = settings; }
    void SetTimeouts(const CSmtpTimeouts& timeouts) { m_session.SetTimeouts(timeouts); }
    // Raised from another thread, it ends any wait at once.
    void SetAbortFlag(const std::atomic<bool>* pAbort) { m_session.SetAbortFlag(pAbort); }

    // Each true when done; false with the reason in LastResult().
    bool Logon();
    // to: one address or several separated by ";"; each is trimmed, empty ones are skipped,
    // and "Name <address>" goes to the address.
    bool Send(const QString& strTo, const QString& strSubject, const QString& strBody);
    // The same with a body that writes itself into the message as the message is built.
    bool Send(const QString& strTo, const QString& strSubject,
              const CMailMessage::WriteBody& writeBody);
    // Says goodbye to the server; the next Send needs a Logon again.
    void Logoff();
    bool IsLoggedOn() const { return m_bLoggedOn; }
    const CSmtpResult& LastResult() const { return m_last; }
    // Whether the last Logon or Send spoke over a connection opened for it, rather than one
    // kept from before: a time-out there means the server itself is not answering.
    bool LastWasFresh() const { return m_bLastFresh; }

    // Whether a password may only travel encrypted to this host: every host but loopback.
    static bool RequiresTls(const QString& strHost, const QString& strUser)
    {
        return CMailSession::RequiresTls(strHost, strUser);
    }
    // The bare addresses that will become recipients, or an empty list when there is none or
    // when one is not an address (a control character, a blank, a bracket left over).
    static QStringList Recipients(const QString& strTo);

private:
    // Keeps the reason and traces where it was found; always false.
    bool Fail(const CSmtpResult& result, int nLine);

    bool m_bLoggedOn = false;
    CSmtpSession m_session;
    CSmtpResult m_last;
    CMailAccount m_account;
    bool m_bLastFresh = false;
    bool m_bUnused = false; // opened by Logon, no message sent over it yet
};
