#include "notify/MailTransport.h"

#include "notify/Base64Lines.h"
#include "notify/MailAddress.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDateTime>
#include <QLoggingCategory>

#include <algorithm>

// Traces for whoever looks into a failure; silent unless asked for with
// QT_LOGGING_RULES="kivvo.mail.debug=true".
Q_LOGGING_CATEGORY(lcMail, "kivvo.mail", QtInfoMsg)

namespace {

void Trace(ESmtpError error, int nLine)
{
    qCDebug(lcMail, "failed at MailTransport:%d, error %d", nLine, static_cast<int>(error));
}

bool HasControlCharacter(const QString& str)
{
    return std::any_of(str.cbegin(), str.cend(),
                       [](QChar ch) { return ch.unicode() < 0x20 || ch.unicode() == 0x7F; });
}

} // namespace

CMailTransport::CMailTransport() = default;

CMailTransport::~CMailTransport() = default;

QStringList CMailTransport::Recipients(const QString& strTo)
{
    QStringList recipients;
    for (const QString& strToken : strTo.split(u';')) {
        if (strToken.trimmed().isEmpty())
            continue;
        // A line break would let the rest reach the server as a command of its own.
        const QString strBare = CMailAddress::Bare(strToken);
        if (HasControlCharacter(strToken) || !CMailAddress::IsValid(strBare))
            return {};
        recipients.append(strBare);
    }
    return recipients;
}

bool CMailTransport::Fail(const CSmtpResult& result, int nLine)
{
    m_last = result;
    Trace(result.m_error, nLine);
    return false;
}

bool CMailTransport::Logon()
{
    m_bLoggedOn = false;
    m_bLastFresh = true;
    m_bUnused = true;
    const CSmtpResult result = m_session.Open(m_account);
    if (!result.Ok())
        return Fail(result, __LINE__);
    m_last = {};
    m_bLoggedOn = true;
    return true;
}

void CMailTransport::Logoff()
{
    m_session.Close();
    m_bLoggedOn = false;
}

bool CMailTransport::Send(const QString& strTo, const QString& strSubject, const QString& strBody)
{
    return Send(strTo, strSubject,
                [&strBody](CBase64Lines& body) { body.Append(QStringView(strBody)); });
}

bool CMailTransport::Send(const QString& strTo, const QString& strSubject,
                          const CMailMessage::WriteBody& writeBody)
{
    if (!m_bLoggedOn)
        return Fail({ESmtpError::Unreachable, CStringTable::Load(IDS_SMTP_LOST)}, __LINE__);
    const QStringList recipients = Recipients(strTo);
    if (recipients.isEmpty()) {
        return Fail({ESmtpError::Address,
                     CStringTable::Format(IDS_SMTP_BAD_ADDRESS, {CMailSession::Printable(strTo)})},
                    __LINE__);
    }
    const QByteArray message = CMailMessage::Compose(
        m_account.m_strFrom, recipients, strSubject, QDateTime::currentDateTime(),
        CMailMessage::NewMessageId(m_account.m_strFrom), writeBody);
    const QString strSender = CMailAddress::Bare(m_account.m_strFrom);
    const bool bReused = m_session.IsOpen();
    m_bLastFresh = !bReused || m_bUnused; // the connection of the Logon is fresh as well
    m_bUnused = false;
    CSmtpResult result = bReused ? CSmtpResult() : m_session.Open(m_account);
    if (result.Ok())
        result = m_session.Deliver(strSender, recipients, message);
    if (result.m_error == ESmtpError::LostBeforeMail && bReused) {
        // The kept connection had been closed by the server before it took the sender:
        // nothing of this message reached it, so a fresh connection may try once more.
        m_bLastFresh = true;
        result = m_session.Open(m_account);
        if (result.Ok())
            result = m_session.Deliver(strSender, recipients, message);
    }
    if (result.m_error == ESmtpError::LostBeforeMail)
        result.m_error = ESmtpError::Lost;
    if (!result.Ok())
        return Fail(result, __LINE__);
    m_last = {};
    return true;
}
