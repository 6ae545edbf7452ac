#include "MailTransport.h"

#include "MailMessage.h"

#include <QDateTime>

#include <curl/curl.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr long kConnectTimeoutSeconds = 20;
constexpr long kResponseTimeoutSeconds = 30;
constexpr int kImplicitTlsPort = 465;
constexpr HRESULT kFacilityMail = static_cast<HRESULT>(0x80040000);

#define TRACE_FAILED(hr) Trace((hr), __LINE__)

void Trace(HRESULT hr, int nLine)
{
    std::fprintf(stderr, "CEMAPI: FAILED(%x) at %s:%d\n", static_cast<unsigned>(hr), __FILE__,
                 nLine);
}

HRESULT FromCurl(CURLcode rc)
{
    return rc == CURLE_OK ? S_OK : (kFacilityMail | static_cast<HRESULT>(rc));
}

bool HasControlCharacter(const QString& str)
{
    for (const QChar ch : str) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            return true;
    }
    return false;
}

// Failures of a connection that may have been closed while it waited in the cache.
bool IsConnectionLost(CURLcode rc)
{
    return rc == CURLE_SEND_ERROR || rc == CURLE_RECV_ERROR || rc == CURLE_GOT_NOTHING ||
           rc == CURLE_WEIRD_SERVER_REPLY || rc == CURLE_OPERATION_TIMEDOUT;
}

size_t DiscardResponse(char*, size_t nSize, size_t nItems, void*)
{
    return nSize * nItems;
}

CURL* Handle(void* p)
{
    return static_cast<CURL*>(p);
}

} // namespace

CMailTransport::CMailTransport() = default;

CMailTransport::~CMailTransport()
{
    curl_slist_free_all(static_cast<curl_slist*>(m_pRecipients));
    if (m_pCurl)
        curl_easy_cleanup(Handle(m_pCurl));
}

bool CMailTransport::RequiresTls(const QString& strHost, const QString& strUser)
{
    if (strUser.isEmpty())
        return false;
    if (strHost.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return false;
    QString strAddress = strHost;
    if (strAddress.startsWith(u'[') && strAddress.endsWith(u']'))
        strAddress = strAddress.mid(1, strAddress.size() - 2);
    if (strAddress == u"::1" || strAddress == u"0:0:0:0:0:0:0:1")
        return false;
    // 127.0.0.0/8, written as four decimal numbers.
    const QStringList octets = strAddress.split(u'.');
    if (octets.size() != 4 || octets.first() != u"127")
        return true;
    for (const QString& strOctet : octets) {
        bool bOk = false;
        const int nOctet = strOctet.toInt(&bOk);
        if (!bOk || nOctet < 0 || nOctet > 255)
            return true;
    }
    return false;
}

QStringList CMailTransport::Recipients(const QString& strTo)
{
    QStringList recipients;
    for (const QString& strToken : strTo.split(u';', Qt::SkipEmptyParts)) {
        if (HasControlCharacter(strToken))
            return {};
        recipients.append(strToken);
    }
    return recipients;
}

bool CMailTransport::PrepareHandle()
{
    if (!m_pCurl)
        m_pCurl = curl_easy_init();
    CURL* pCurl = Handle(m_pCurl);
    if (!pCurl)
        return false;
    const QString strHost = m_account.m_strServer.trimmed();
    const bool bIpv6 = strHost.contains(u':') && !strHost.startsWith(u'[');
    const QString strUrl = QStringLiteral("%1://%2:%3")
                               .arg(m_account.m_nPort == kImplicitTlsPort ? "smtps" : "smtp",
                                    bIpv6 ? u'[' + strHost + u']' : strHost)
                               .arg(m_account.m_nPort);
    curl_easy_setopt(pCurl, CURLOPT_URL, strUrl.toUtf8().constData());
    const bool bTlsRequired = RequiresTls(strHost, m_account.m_strUser);
    curl_easy_setopt(pCurl, CURLOPT_USE_SSL, bTlsRequired ? CURLUSESSL_ALL : CURLUSESSL_TRY);
    if (!m_account.m_strUser.isEmpty()) {
        curl_easy_setopt(pCurl, CURLOPT_USERNAME, m_account.m_strUser.toUtf8().constData());
        curl_easy_setopt(pCurl, CURLOPT_PASSWORD, m_account.m_strPassword.toUtf8().constData());
    }
    const QByteArray caFile = qgetenv("KIVVO_SMTP_CA_FILE");
    if (!caFile.isEmpty())
        curl_easy_setopt(pCurl, CURLOPT_CAINFO, caFile.constData());
    curl_easy_setopt(pCurl, CURLOPT_MAIL_FROM, m_account.m_strFrom.trimmed().toUtf8().constData());
    curl_easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(pCurl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kResponseTimeoutSeconds);
    curl_easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, DiscardResponse);
    return true;
}

HRESULT CMailTransport::Logon()
{
    if (HasControlCharacter(m_account.m_strFrom) || !PrepareHandle()) {
        TRACE_FAILED(E_INVALIDARG);
        return E_INVALIDARG;
    }
    // A NOOP runs the whole connection set-up (greeting, EHLO, TLS, AUTH) and leaves the
    // connection open for the sends that follow.
    CURL* pCurl = Handle(m_pCurl);
    curl_easy_setopt(pCurl, CURLOPT_CUSTOMREQUEST, "NOOP");
    curl_easy_setopt(pCurl, CURLOPT_MAIL_RCPT, nullptr);
    curl_easy_setopt(pCurl, CURLOPT_UPLOAD, 0L);
    const HRESULT hr = FromCurl(curl_easy_perform(pCurl));
    curl_easy_setopt(pCurl, CURLOPT_CUSTOMREQUEST, nullptr);
    if (FAILED(hr)) {
        TRACE_FAILED(hr);
        return hr;
    }
    m_bLoggedOn = 1;
    return S_OK;
}

HRESULT CMailTransport::Send(const QString& strTo, const QString& strSubject,
                             const QString& strBody)
{
    if (!m_bLoggedOn) {
        TRACE_FAILED(E_FAIL);
        return E_FAIL;
    }
    HRESULT hr = SetRecipients(strTo);
    if (FAILED(hr)) {
        TRACE_FAILED(hr);
        return hr;
    }
    hr = SetSubjectAndBody(strSubject, strBody);
    if (FAILED(hr)) {
        TRACE_FAILED(hr);
        return hr;
    }
    hr = Submit();
    if (FAILED(hr))
        TRACE_FAILED(hr);
    return hr;
}

HRESULT CMailTransport::SetRecipients(const QString& strTo)
{
    curl_slist_free_all(static_cast<curl_slist*>(m_pRecipients));
    m_pRecipients = nullptr;
    // An address with a line break would let its text reach the server as a command.
    m_recipients = Recipients(strTo);
    if (m_recipients.isEmpty()) {
        TRACE_FAILED(E_INVALIDARG);
        return E_INVALIDARG;
    }
    curl_slist* pList = nullptr;
    for (const QString& strRecipient : std::as_const(m_recipients)) {
        curl_slist* pNew = curl_slist_append(pList, strRecipient.toUtf8().constData());
        if (!pNew) {
            curl_slist_free_all(pList);
            TRACE_FAILED(E_FAIL);
            return E_FAIL;
        }
        pList = pNew;
    }
    m_pRecipients = pList;
    return S_OK;
}

HRESULT CMailTransport::SetSubjectAndBody(const QString& strSubject, const QString& strBody)
{
    const QDateTime now = QDateTime::currentDateTime();
    m_message = CMailMessage::Compose(m_account.m_strFrom, m_recipients, strSubject, strBody, now,
                                      CMailMessage::NewMessageId(m_account.m_strFrom));
    m_nSent = 0;
    return S_OK;
}

size_t CMailTransport::ReadMessage(char* pBuffer, size_t nSize, size_t nItems, void* pThis)
{
    auto* pTransport = static_cast<CMailTransport*>(pThis);
    const qsizetype nLeft = pTransport->m_message.size() - pTransport->m_nSent;
    const qsizetype nCopy = std::min<qsizetype>(nLeft, static_cast<qsizetype>(nSize * nItems));
    std::memcpy(pBuffer, pTransport->m_message.constData() + pTransport->m_nSent,
                static_cast<size_t>(nCopy));
    pTransport->m_nSent += nCopy;
    return static_cast<size_t>(nCopy);
}

HRESULT CMailTransport::Perform()
{
    CURL* pCurl = Handle(m_pCurl);
    m_nSent = 0;
    CURLcode rc = curl_easy_perform(pCurl);
    long nNewConnections = 0;
    curl_easy_getinfo(pCurl, CURLINFO_NUM_CONNECTS, &nNewConnections);
    if (rc != CURLE_OK && nNewConnections == 0 && IsConnectionLost(rc)) {
        // The kept connection had been closed by the server: open a new one, once.
        m_nSent = 0;
        curl_easy_setopt(pCurl, CURLOPT_FRESH_CONNECT, 1L);
        rc = curl_easy_perform(pCurl);
        curl_easy_setopt(pCurl, CURLOPT_FRESH_CONNECT, 0L);
    }
    return FromCurl(rc);
}

HRESULT CMailTransport::Submit()
{
    CURL* pCurl = Handle(m_pCurl);
    curl_easy_setopt(pCurl, CURLOPT_MAIL_RCPT, static_cast<curl_slist*>(m_pRecipients));
    curl_easy_setopt(pCurl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(pCurl, CURLOPT_READFUNCTION, ReadMessage);
    curl_easy_setopt(pCurl, CURLOPT_READDATA, this);
    curl_easy_setopt(pCurl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(m_message.size()));
    const HRESULT hr = Perform();
    curl_easy_setopt(pCurl, CURLOPT_UPLOAD, 0L);
    return hr;
}
