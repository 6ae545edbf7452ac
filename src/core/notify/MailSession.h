#pragma once

#include "notify/MailAccount.h"

#include <QByteArray>
#include <QStringList>

#include <atomic>

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
    Protocol,       // the server broke the protocol: a reply out of turn, or no SMTP at all
    Cancelled,      // stopped from outside
};

struct CSmtpResult
{
    ESmtpError m_error = ESmtpError::None;
    QString m_strReason; // in words, with the server's own reply where there is one
    // The message was handed over in full, but the server never confirmed it: it may have
    // arrived, and sending it again may deliver a second copy.
    bool m_bMayHaveArrived = false;
    // Where the reason speaks of this message, the cause alone: what those who were never
    // sent anything are told.
    QString m_strCause{};

    bool Ok() const { return m_error == ESmtpError::None; }
};

// One connection to the mail server, as the mail layer sees it: the session itself lives in
// a module with the network stack (CSmtpSession), loaded at the first send, so that the
// programs start without it.
class CMailSession
{
public:
    CMailSession() = default;
    virtual ~CMailSession() = default;
    CMailSession(const CMailSession&) = delete;
    CMailSession& operator=(const CMailSession&) = delete;

    virtual void SetTimeouts(const CSmtpTimeouts& timeouts) = 0;
    // Raised from another thread, it ends any wait at once.
    virtual void SetAbortFlag(const std::atomic<bool>* pAbort) = 0;

    virtual CSmtpResult Open(const CMailAccount& account) = 0;
    virtual bool IsOpen() const = 0;
    // Says QUIT when the connection is still good, then closes it.
    virtual void Close() = 0;
    // Sender and recipients are bare addresses; the message is the finished text.
    virtual CSmtpResult Deliver(const QString& strSender, const QStringList& recipients,
                                const QByteArray& message) = 0;

    // Text from the server, fit to show: control and format characters (terminal escapes,
    // line breaks, direction overrides) become U+FFFD.
    static QString Printable(const QString& strText);
    // Whether a password may only travel encrypted to this host: every host but loopback.
    static bool RequiresTls(const QString& strHost, const QString& strUser);
};
