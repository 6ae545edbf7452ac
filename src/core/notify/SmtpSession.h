#pragma once

#include "notify/MailSession.h"

#include <QDeadlineTimer>

#include <memory>

class QSslSocket;

// One SMTP connection, spoken over a socket on the calling thread with blocking waits: the
// greeting, EHLO, STARTTLS, AUTH and then one transaction per message. Every reply is bounded
// in its line length, its number of lines and the time it may take as a whole, and every
// wait ends early when the abort flag is raised.
class CSmtpSession : public CMailSession
{
public:
    CSmtpSession();
    ~CSmtpSession() override;

    void SetTimeouts(const CSmtpTimeouts& timeouts) override { m_timeouts = timeouts; }
    void SetAbortFlag(const std::atomic<bool>* pAbort) override { m_pAbort = pAbort; }

    CSmtpResult Open(const CMailAccount& account) override;
    bool IsOpen() const override;
    void Close() override;
    CSmtpResult Deliver(const QString& strSender, const QStringList& recipients,
                        const QByteArray& message) override;

    // Whether encrypted connections are possible (the TLS library is there).
    static bool SupportsTls();

private:
    enum class EIo
    {
        Ok,
        TimedOut,
        Lost,
        Aborted,
        TooLong,   // a reply line or a reply larger than any server sends
        NotSmtp,   // a line that is no SMTP reply
        OutOfTurn, // bytes before the command they would answer was sent
    };
    struct CReply
    {
        int m_nCode = 0;
        QStringList m_lines; // without the codes
        QString m_strText;   // the whole reply as the server wrote it
    };

    bool Aborted() const { return m_pAbort && m_pAbort->load(); }
    EIo WaitForLine(const QDeadlineTimer& deadline);
    EIo Flush(int nTimeoutMs);
    EIo ReadReply(CReply& reply, int nTimeoutMs);
    EIo Command(const QByteArray& line, CReply& reply, int nTimeoutMs = -1);
    // Nothing may wait unasked before this program speaks: a reply ahead of its command
    // would be taken for the answer to the next one.
    EIo Quiet();
    bool ClosingNotice() const;
    // The address as the envelope carries it: the domain in its ASCII form, the local part
    // beyond ASCII only where the server takes it (SMTPUTF8); empty when it cannot go.
    QByteArray EnvelopeAddress(const QString& strAddress) const;
    static bool NeedsUtf8(const QByteArray& address);
    CSmtpResult Connect(const QString& strHost, int nPort);
    CSmtpResult Hello(QStringList& extensions);
    CSmtpResult StartTls(QStringList& extensions);
    CSmtpResult Login(const CMailAccount& account, const QStringList& extensions);
    CSmtpResult Recipients(const QList<QByteArray>& recipients);
    CSmtpResult SendData(const QByteArray& message);
    // The message, dot-stuffed, and the dot that ends it.
    void WriteStuffed(const QByteArray& message);
    CSmtpResult IoFailure(EIo io, ESmtpError lost);
    QString IoReason(EIo io) const;
    // The message was sent in full but not confirmed.
    CSmtpResult Unconfirmed(EIo io);
    CSmtpResult ReplyFailure(ESmtpError error, int nTextId, const CReply& reply);
    // One step of setting up the connection: the expected reply, or the failure that ends it.
    CSmtpResult SetupStep(EIo io, const CReply& reply, int nExpected, ESmtpError error,
                          int nTextId);
    void Reset();
    void Drop();

    std::unique_ptr<QSslSocket> m_pSocket;
    QString m_strLastLine; // the last line read, for a reply that is no SMTP
    bool m_bUtf8 = false;  // the server takes addresses beyond ASCII (SMTPUTF8)
    CSmtpTimeouts m_timeouts;
    const std::atomic<bool>* m_pAbort = nullptr;
};
