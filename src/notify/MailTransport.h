#pragma once

#include "app/Settings.h"

#include <QByteArray>
#include <QStringList>

// Result codes of the mail layer: negative is failure.
using HRESULT = qint32;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline bool FAILED(HRESULT hr)
{
    return hr < 0;
}

// Hands finished notifications to the configured SMTP server. Logon opens the connection
// (TLS and authentication included); the sends that follow reuse it, and a connection the
// server has closed is opened again. Every failure writes one trace line to stderr; the
// transport never talks to the user, its callers do.
class CMailTransport
{
public:
    CMailTransport();
    virtual ~CMailTransport();
    CMailTransport(const CMailTransport&) = delete;
    CMailTransport& operator=(const CMailTransport&) = delete;

    // Server, port, sender and account; takes effect at the next Logon.
    void Configure(const CSettings& settings) { m_account = settings; }

    HRESULT Logon();
    // to: one address or several separated by ";"; empty tokens are skipped, blanks kept.
    HRESULT Send(const QString& strTo, const QString& strSubject, const QString& strBody);

    // Whether a password may only travel encrypted to this host: every host but loopback.
    static bool RequiresTls(const QString& strHost, const QString& strUser);
    // The ";"-separated tokens that will become recipients, or an empty list when there is
    // none or when one could inject protocol text (a control character).
    static QStringList Recipients(const QString& strTo);

    int m_bLoggedOn = 0;

private:
    HRESULT SetRecipients(const QString& strTo);
    HRESULT SetSubjectAndBody(const QString& strSubject, const QString& strBody);
    HRESULT Submit();
    HRESULT Perform();
    bool PrepareHandle();
    static size_t ReadMessage(char* pBuffer, size_t nSize, size_t nItems, void* pThis);

    void* m_pCurl = nullptr;       // CURL*
    void* m_pRecipients = nullptr; // curl_slist*
    QStringList m_recipients;
    QByteArray m_message;
    qsizetype m_nSent = 0;
    CSettings m_account;
};
