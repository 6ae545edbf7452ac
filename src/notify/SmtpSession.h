#pragma once

#include "MailAccount.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QStringList>

#include <atomic>
#include <memory>

class QSslSocket;

// How long each step of the conversation may take. The server may take up to ten minutes to
// confirm a message it has received (RFC 5321, 4.5.3.2); tests shorten all three.
struct CSmtpTimeouts
{
    int m_nConnectMs = 30000;
    int m_nCommandMs = 300000;
    int m_nFinalReplyMs = 600000;
};

// What went wrong, told apart as far as the sender must act differently.
enum class ESmtpError
{
    None,
    Address,        // no usable recipient address
    Unreachable,    // no connection or no greeting
    Tls,            // encryption failed, or is missing where the password needs it
    Login,          // the server refused the login or wants one
    LostBeforeMail, // the connection was gone before the server accepted MAIL FROM
    Sender,         // the server refused the envelope sender
    Recipient,      // the server refused a recipient
    Refused,        // the server refused the message
    Transient,      // the server cannot take it now (a 4xx reply); worth trying again later
    TimedOut,       // no reply in time; the connection has been closed
    Lost,           // the connection closed during the transaction
    Cancelled,      // stopped from outside
};

struct CSmtpResult
{
    ESmtpError m_error = ESmtpError::None;
    QString m_strReason; // in words, with the server's own reply where there is one
    // The message was handed over in full, but the server never confirmed it: it may have
    // arrived, and sending it again may deliver a second copy.
    bool m_bMayHaveArrived = false;

    bool Ok() const { return m_error == ESmtpError::None; }
};

// One SMTP connection, spoken over a socket on the calling thread with blocking waits: the
// greeting, EHLO, STARTTLS, AUTH and then one transaction per message. Every reply is bounded
// in its line length, its number of lines and the time it may take as a whole, and every
// wait ends early when the abort flag is raised.
class CSmtpSession
{
public:
    CSmtpSession();
    ~CSmtpSession();
    CSmtpSession(const CSmtpSession&) = delete;
    CSmtpSession& operator=(const CSmtpSession&) = delete;

    void SetTimeouts(const CSmtpTimeouts& timeouts) { m_timeouts = timeouts; }
    void SetAbortFlag(const std::atomic<bool>* pAbort) { m_pAbort = pAbort; }

    CSmtpResult Open(const CMailAccount& account);
    bool IsOpen() const;
    // Says QUIT when the connection is still good, then closes it.
    void Close();
    // Sender and recipients are bare addresses; the message is the finished text.
    CSmtpResult Deliver(const QString& strSender, const QStringList& recipients,
                        const QByteArray& message);

    // Text from the server, fit to show: control and format characters (terminal escapes,
    // line breaks, direction overrides) become U+FFFD.
    static QString Printable(const QString& strText);
    // Whether a password may only travel encrypted to this host: every host but loopback.
    static bool RequiresTls(const QString& strHost, const QString& strUser);

private:
    enum class EIo
    {
        Ok,
        TimedOut,
        Lost,
        Aborted,
        TooLong, // a reply line or a reply larger than any server sends
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
    CSmtpResult Connect(const QString& strHost, int nPort);
    CSmtpResult Hello(QStringList& extensions);
    CSmtpResult StartTls(QStringList& extensions);
    CSmtpResult Login(const CMailAccount& account, const QStringList& extensions);
    CSmtpResult Recipients(const QStringList& recipients);
    CSmtpResult SendData(const QByteArray& message);
    // The message, dot-stuffed, and the dot that ends it.
    void WriteStuffed(const QByteArray& message);
    CSmtpResult IoFailure(EIo io, ESmtpError lost);
    // The message was sent in full but not confirmed.
    CSmtpResult Unconfirmed(EIo io);
    CSmtpResult ReplyFailure(ESmtpError error, int nTextId, const CReply& reply);
    // One step of setting up the connection: the expected reply, or the failure that ends it.
    CSmtpResult SetupStep(EIo io, const CReply& reply, int nExpected, ESmtpError error,
                          int nTextId);
    void Reset();
    void Drop();

    std::unique_ptr<QSslSocket> m_pSocket;
    CSmtpTimeouts m_timeouts;
    const std::atomic<bool>* m_pAbort = nullptr;
};
