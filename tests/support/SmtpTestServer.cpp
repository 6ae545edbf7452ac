#include "SmtpTestServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

namespace {

constexpr int kWaitMs = 15000;

QString EventName(const QJsonObject& event)
{
    return event.value(QStringLiteral("event")).toString();
}

} // namespace

QByteArray CSmtpTestServer::CMessage::Header(const QByteArray& name) const
{
    const qsizetype nEnd = m_raw.indexOf("\r\n\r\n");
    const QByteArray head = m_raw.left(nEnd).replace("\r\n ", " ");
    for (const QByteArray& line : head.split('\n')) {
        if (line.toLower().startsWith(name.toLower() + ':'))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

QString CSmtpTestServer::CMessage::Body() const
{
    const qsizetype nEnd = m_raw.indexOf("\r\n\r\n");
    QByteArray encoded = m_raw.mid(nEnd + 4);
    encoded.replace("\r\n", "");
    return QString::fromUtf8(QByteArray::fromBase64(encoded));
}

CSmtpTestServer::CSmtpTestServer(const QStringList& extraArguments)
{
    m_process.setStandardOutputFile(m_dir.filePath(QStringLiteral("events.jsonl")));
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral(KIVVO_SMTP_SERVER_SCRIPT)} + extraArguments);
    if (m_process.waitForStarted(kWaitMs) && WaitFor(QStringLiteral("ready"), 1)) {
        for (const QJsonObject& event : std::as_const(m_events)) {
            if (EventName(event) == u"ready")
                m_nPort = event.value("port").toInt();
        }
    }
}

CSmtpTestServer::~CSmtpTestServer()
{
    if (m_process.state() == QProcess::Running) {
        m_process.write("quit\n");
        m_process.waitForBytesWritten(kWaitMs);
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    m_process.waitForFinished(5000);
}

void CSmtpTestServer::ReadEvents()
{
    QFile events(m_dir.filePath(QStringLiteral("events.jsonl")));
    if (events.open(QIODevice::ReadOnly) && events.seek(m_nRead)) {
        const QByteArray data = events.readAll();
        m_nRead += data.size();
        m_pending += data;
    }
    qsizetype nNewline;
    while ((nNewline = m_pending.indexOf('\n')) >= 0) {
        const QJsonDocument document = QJsonDocument::fromJson(m_pending.left(nNewline));
        m_pending.remove(0, nNewline + 1);
        if (document.isObject())
            m_events.append(document.object());
    }
}

bool CSmtpTestServer::WaitFor(const QString& strEvent, int nCount)
{
    const QDeadlineTimer deadline(kWaitMs);
    for (;;) {
        ReadEvents();
        if (CountEvents(strEvent) >= nCount)
            return true;
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return false;
        QThread::msleep(10);
    }
}

bool CSmtpTestServer::DropConnections()
{
    const int nDropped = CountEvents(QStringLiteral("dropped"));
    m_process.write("drop\n");
    m_process.waitForBytesWritten(kWaitMs);
    return WaitFor(QStringLiteral("dropped"), nDropped + 1);
}

bool CSmtpTestServer::WaitForMessages(int nCount)
{
    return WaitFor(QStringLiteral("message"), nCount);
}

QList<CSmtpTestServer::CMessage> CSmtpTestServer::Messages()
{
    ReadEvents();
    QList<CMessage> messages;
    for (const QJsonObject& event : std::as_const(m_events)) {
        if (EventName(event) != u"message")
            continue;
        CMessage message;
        message.m_strFrom = event.value("mail_from").toString();
        for (const QJsonValue& recipient : event.value("rcpt_tos").toArray())
            message.m_recipients.append(recipient.toString());
        message.m_raw = QByteArray::fromBase64(event.value("data").toString().toLatin1());
        message.m_bTls = event.value("tls").toBool();
        messages.append(message);
    }
    return messages;
}

int CSmtpTestServer::ConnectionCount()
{
    return CountEvents(QStringLiteral("connect"));
}

int CSmtpTestServer::DataCount()
{
    return CountEvents(QStringLiteral("data"));
}

int CSmtpTestServer::CountEvents(const QString& strEvent)
{
    ReadEvents();
    int nCount = 0;
    for (const QJsonObject& event : std::as_const(m_events))
        nCount += EventName(event) == strEvent ? 1 : 0;
    return nCount;
}

bool CSmtpTestServer::MakeCertificate(const QString& strFolder, QString& strCert, QString& strKey)
{
    strCert = QDir(strFolder).filePath(QStringLiteral("cert.pem"));
    strKey = QDir(strFolder).filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                   "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost",
                   "-keyout", strKey, "-out", strCert});
    return openssl.waitForFinished(60000) && openssl.exitCode() == 0;
}
