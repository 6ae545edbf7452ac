#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A real SMTP server on loopback for the mail tests (tests/smtp/smtp_server.py).
class CSmtpTestServer
{
public:
    struct CMessage
    {
        QString m_strFrom;
        QStringList m_recipients;
        QByteArray m_raw;
        bool m_bTls = false;

        QByteArray Header(const QByteArray& name) const;
        QString Body() const; // the decoded text
    };

    // extraArguments: --cert/--key, --auth LOGIN:PASSWORD, --refuse ADDRESS,
    // --refuse-sender ADDRESS, --drop-at-mail N, --data-delay SECONDS, --data-reply TEXT,
    // --sessions N, --mail-reply TEXT, --greeting lines|line|drip, --starttls-inject
    explicit CSmtpTestServer(const QStringList& extraArguments = {});
    ~CSmtpTestServer();

    bool IsReady() const { return m_nPort > 0; }
    int Port() const { return m_nPort; }

    // Closes every open connection, as a server that restarts or times out does.
    bool DropConnections();
    bool WaitForMessages(int nCount);

    QList<CMessage> Messages();
    int ConnectionCount();
    // Message bodies the server received, whatever it answered to them.
    int DataCount();
    QString ErrorOutput() { return QString::fromUtf8(m_process.readAllStandardError()); }

    // A self-signed certificate for 127.0.0.1 written into the folder; empty on failure.
    static bool MakeCertificate(const QString& strFolder, QString& strCert, QString& strKey);

private:
    void ReadEvents();
    bool WaitFor(const QString& strEvent, int nCount);
    int CountEvents(const QString& strEvent);

    // The server writes its events into a file, which never blocks it the way a full pipe
    // would while this side is busy sending.
    QTemporaryDir m_dir;
    QProcess m_process;
    qint64 m_nRead = 0;
    QByteArray m_pending;
    QList<QJsonObject> m_events;
    int m_nPort = 0;
};
