#include "notify/SmtpSession.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDeadlineTimer>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QSysInfo>
#include <QUrl>

namespace {

constexpr int kSliceMs = 50; // how often a wait looks at the abort flag
constexpr int kQuitMs = 2000;
constexpr int kImplicitTlsPort = 465;
// RFC 5321 allows 512 octets a reply line; a generous multiple of that, and far more lines
// than any EHLO reply has, still keep a hostile server from filling the memory.
constexpr qint64 kMaxLineLength = 4096;
constexpr int kMaxReplyLines = 256;
constexpr qint64 kReadBufferSize = 64 * 1024;

int Seconds(int nMs)
{
    return (nMs + 999) / 1000;
}

// The name this machine gives in EHLO: its host name when that is a plain DNS name.
QByteArray ClientName()
{
    const QByteArray name = QSysInfo::machineHostName().toLatin1();
    for (const char ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '-' && ch != '.')
            return "localhost";
    }
    return name.isEmpty() ? QByteArray("localhost") : name;
}

bool HasExtension(const QStringList& extensions, const QString& strName)
{
    for (const QString& strLine : extensions) {
        if (strLine.section(u' ', 0, 0).compare(strName, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool OffersAuth(const QStringList& extensions, const QString& strMechanism)
{
    for (const QString& strLine : extensions) {
        const QStringList words = strLine.toUpper().split(u' ', Qt::SkipEmptyParts);
        if (words.value(0) == u"AUTH" && words.contains(strMechanism))
            return true;
    }
    return false;
}

CSmtpResult Failure(ESmtpError error, const QString& strReason)
{
    return {error, strReason};
}

// "250 text", "250-text" or a bare "250": a code the protocol knows, then a blank or a dash.
bool IsReplyLine(const QByteArray& line)
{
    if (line.size() < 3 || line.at(0) < '2' || line.at(0) > '5')
        return false;
    if (!std::isdigit(static_cast<unsigned char>(line.at(1))) ||
        !std::isdigit(static_cast<unsigned char>(line.at(2))))
        return false;
    return line.size() == 3 || line.at(3) == ' ' || line.at(3) == '-';
}

bool IsAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

} // namespace

CSmtpSession::CSmtpSession() = default;

CSmtpSession::~CSmtpSession()
{
    Drop();
}

bool CSmtpSession::IsOpen() const
{
    return m_pSocket && m_pSocket->state() == QAbstractSocket::ConnectedState;
}

void CSmtpSession::Drop()
{
    if (m_pSocket)
        m_pSocket->abort();
    m_pSocket.reset();
}

void CSmtpSession::Close()
{
    if (IsOpen()) {
        CReply reply;
        Command("QUIT", reply, kQuitMs);
    }
    Drop();
}

CSmtpSession::EIo CSmtpSession::WaitForLine(const QDeadlineTimer& deadline)
{
    while (!m_pSocket->canReadLine()) {
        if (m_pSocket->bytesAvailable() > kMaxLineLength)
            return EIo::TooLong;
        if (Aborted())
            return EIo::Aborted;
        if (m_pSocket->state() != QAbstractSocket::ConnectedState)
            return EIo::Lost;
        if (deadline.hasExpired())
            return EIo::TimedOut;
        m_pSocket->waitForReadyRead(int(std::min<qint64>(kSliceMs, deadline.remainingTime())));
    }
    return EIo::Ok;
}

CSmtpSession::EIo CSmtpSession::Flush(int nTimeoutMs)
{
    const QDeadlineTimer deadline(nTimeoutMs);
    while (m_pSocket->bytesToWrite() > 0 || m_pSocket->encryptedBytesToWrite() > 0) {
        if (Aborted())
            return EIo::Aborted;
        if (m_pSocket->state() != QAbstractSocket::ConnectedState)
            return EIo::Lost;
        if (deadline.hasExpired())
            return EIo::TimedOut;
        m_pSocket->waitForBytesWritten(int(std::min<qint64>(kSliceMs, deadline.remainingTime())));
    }
    return EIo::Ok;
}

CSmtpSession::EIo CSmtpSession::ReadReply(CReply& reply, int nTimeoutMs)
{
    reply = {};
    // One deadline for the whole reply: a server that sends a line now and then is not
    // waited on for ever.
    const QDeadlineTimer deadline(nTimeoutMs);
    QStringList text;
    for (int nLine = 0; nLine < kMaxReplyLines; ++nLine) {
        const EIo io = WaitForLine(deadline);
        if (io != EIo::Ok)
            return io;
        QByteArray line = m_pSocket->readLine(kMaxLineLength + 1);
        if (!line.endsWith('\n'))
            return EIo::TooLong;
        line = line.trimmed();
        m_strLastLine = Printable(QString::fromUtf8(line));
        if (!IsReplyLine(line))
            return EIo::NotSmtp;
        text.append(m_strLastLine);
        reply.m_lines.append(Printable(QString::fromUtf8(line.mid(4))));
        if (line.size() == 3 || line.at(3) != '-') {
            reply.m_nCode = line.left(3).toInt();
            reply.m_strText = text.join(u' ');
            // Nothing was asked that more could answer, but a server that is closing.
            return m_pSocket->bytesAvailable() > 0 && !ClosingNotice() ? EIo::OutOfTurn : EIo::Ok;
        }
    }
    return EIo::TooLong;
}

CSmtpSession::EIo CSmtpSession::Command(const QByteArray& line, CReply& reply, int nTimeoutMs)
{
    if (nTimeoutMs < 0)
        nTimeoutMs = m_timeouts.m_nCommandMs;
    if (const EIo io = Quiet(); io != EIo::Ok)
        return io;
    m_pSocket->write(line + "\r\n");
    const EIo io = Flush(nTimeoutMs);
    return io == EIo::Ok ? ReadReply(reply, nTimeoutMs) : io;
}

CSmtpSession::EIo CSmtpSession::Quiet()
{
    if (m_pSocket->bytesAvailable() == 0)
        m_pSocket->waitForReadyRead(0); // takes in what has arrived, without waiting
    if (m_pSocket->bytesAvailable() == 0)
        return EIo::Ok;
    return ClosingNotice() ? EIo::Lost : EIo::OutOfTurn;
}

bool CSmtpSession::ClosingNotice() const
{
    // A server may say at any time that it closes the connection (421, RFC 5321 3.8): that
    // is the connection ending, as a lost one does, not a reply out of turn.
    const QByteArray waiting = m_pSocket->peek(kMaxLineLength);
    return waiting.startsWith("421") && waiting.contains('\n');
}

QString CSmtpSession::IoReason(EIo io) const
{
    switch (io) {
    case EIo::Aborted:
        return CStringTable::Load(IDS_SMTP_CANCELLED);
    case EIo::TimedOut:
        return CStringTable::Format(IDS_SMTP_TIMED_OUT, {Seconds(m_timeouts.m_nCommandMs)});
    case EIo::TooLong:
        return CStringTable::Load(IDS_SMTP_REPLY_TOO_LONG);
    case EIo::NotSmtp:
        return CStringTable::Format(IDS_SMTP_NOT_SMTP, {m_strLastLine});
    case EIo::OutOfTurn:
        return CStringTable::Load(IDS_SMTP_OUT_OF_TURN);
    default:
        return CStringTable::Load(IDS_SMTP_LOST);
    }
}

CSmtpResult CSmtpSession::IoFailure(EIo io, ESmtpError lost)
{
    const QString strReason = IoReason(io);
    Drop();
    switch (io) {
    case EIo::Aborted:
        return Failure(ESmtpError::Cancelled, strReason);
    case EIo::TimedOut:
        return Failure(ESmtpError::TimedOut, strReason);
    case EIo::NotSmtp:
    case EIo::OutOfTurn:
        return Failure(ESmtpError::Protocol, strReason);
    default:
        return Failure(lost, strReason);
    }
}

CSmtpResult CSmtpSession::SetupStep(EIo io, const CReply& reply, int nExpected, ESmtpError error,
                                    int nTextId)
{
    if (io != EIo::Ok)
        return IoFailure(io, error);
    if (reply.m_nCode == nExpected)
        return {};
    Drop(); // a connection the server would not set up is of no further use
    return ReplyFailure(error, nTextId, reply);
}

CSmtpResult CSmtpSession::ReplyFailure(ESmtpError error, int nTextId, const CReply& reply)
{
    return Failure(error, CStringTable::Format(nTextId, {reply.m_strText}));
}

void CSmtpSession::Reset()
{
    CReply reply;
    if (Command("RSET", reply) != EIo::Ok || reply.m_nCode != 250)
        Drop(); // a connection in an unknown state is not used again
}

CSmtpResult CSmtpSession::Connect(const QString& strHost, int nPort)
{
    m_pSocket = std::make_unique<QSslSocket>();
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    // A private certificate authority, for a company server or the tests' own.
    const QByteArray caFile = qgetenv("KIVVO_SMTP_CA_FILE");
    if (!caFile.isEmpty())
        config.addCaCertificates(QString::fromLocal8Bit(caFile));
    m_pSocket->setSslConfiguration(config);
    m_pSocket->setReadBufferSize(kReadBufferSize);
    if (nPort == kImplicitTlsPort)
        m_pSocket->connectToHostEncrypted(strHost, quint16(nPort));
    else
        m_pSocket->connectToHost(strHost, quint16(nPort));
    const QDeadlineTimer deadline(m_timeouts.m_nConnectMs);
    const auto connected = [&] {
        return m_pSocket->state() == QAbstractSocket::ConnectedState &&
               (nPort != kImplicitTlsPort || m_pSocket->isEncrypted());
    };
    while (!connected()) {
        if (Aborted())
            return IoFailure(EIo::Aborted, ESmtpError::Unreachable);
        if (deadline.hasExpired() || m_pSocket->state() == QAbstractSocket::UnconnectedState) {
            const bool bTls = !m_pSocket->sslHandshakeErrors().isEmpty() ||
                              m_pSocket->error() == QAbstractSocket::SslHandshakeFailedError;
            const QString strWhy =
                deadline.hasExpired()
                    ? CStringTable::Format(IDS_SMTP_TIMED_OUT, {Seconds(m_timeouts.m_nConnectMs)})
                    : Printable(m_pSocket->errorString());
            Drop();
            if (bTls)
                return Failure(ESmtpError::Tls,
                               CStringTable::Format(IDS_SMTP_TLS_FAILED, {strWhy}));
            return Failure(ESmtpError::Unreachable,
                           CStringTable::Format(IDS_SMTP_NO_CONNECTION, {strHost, nPort, strWhy}));
        }
        if (m_pSocket->state() == QAbstractSocket::ConnectedState)
            m_pSocket->waitForEncrypted(kSliceMs);
        else
            m_pSocket->waitForConnected(kSliceMs);
    }
    CReply greeting;
    const EIo io = ReadReply(greeting, m_timeouts.m_nCommandMs);
    return SetupStep(io, greeting, 220, ESmtpError::Unreachable, IDS_SMTP_NO_GREETING);
}

CSmtpResult CSmtpSession::Hello(QStringList& extensions)
{
    CReply reply;
    EIo io = Command("EHLO " + ClientName(), reply);
    if (io == EIo::Ok && reply.m_nCode != 250) {
        extensions.clear(); // an old server: HELO, and nothing beyond plain SMTP
        io = Command("HELO " + ClientName(), reply);
    } else {
        extensions = reply.m_lines.mid(1);
    }
    return SetupStep(io, reply, 250, ESmtpError::Unreachable, IDS_SMTP_NO_GREETING);
}

CSmtpResult CSmtpSession::StartTls(QStringList& extensions)
{
    CReply reply;
    const EIo io = Command("STARTTLS", reply);
    // Whatever came with the go-ahead was written before encryption, by the server or by
    // somebody in between; read inside TLS it would pass for the server's replies.
    if (io == EIo::OutOfTurn) {
        Drop();
        return Failure(ESmtpError::Tls, CStringTable::Load(IDS_SMTP_TLS_INJECTION));
    }
    const CSmtpResult started = SetupStep(io, reply, 220, ESmtpError::Tls, IDS_SMTP_TLS_FAILED);
    if (!started.Ok())
        return started;
    m_pSocket->startClientEncryption();
    const QDeadlineTimer deadline(m_timeouts.m_nConnectMs);
    while (!m_pSocket->isEncrypted()) {
        if (Aborted())
            return IoFailure(EIo::Aborted, ESmtpError::Tls);
        if (deadline.hasExpired() || m_pSocket->state() != QAbstractSocket::ConnectedState) {
            const QString strWhy = Printable(m_pSocket->errorString());
            Drop();
            return Failure(ESmtpError::Tls, CStringTable::Format(IDS_SMTP_TLS_FAILED, {strWhy}));
        }
        m_pSocket->waitForEncrypted(kSliceMs);
    }
    return Hello(extensions);
}

CSmtpResult CSmtpSession::Login(const CMailAccount& account, const QStringList& extensions)
{
    const QByteArray user = account.m_strUser.toUtf8();
    const QByteArray password = account.m_strPassword.toUtf8();
    CReply reply;
    EIo io = EIo::Ok;
    if (OffersAuth(extensions, QStringLiteral("PLAIN"))) {
        io = Command("AUTH PLAIN " + ('\0' + user + '\0' + password).toBase64(), reply);
    } else if (OffersAuth(extensions, QStringLiteral("LOGIN"))) {
        io = Command("AUTH LOGIN", reply);
        if (io == EIo::Ok && reply.m_nCode == 334)
            io = Command(user.toBase64(), reply);
        if (io == EIo::Ok && reply.m_nCode == 334)
            io = Command(password.toBase64(), reply);
    } else {
        Drop();
        return Failure(ESmtpError::Login, CStringTable::Load(IDS_SMTP_NO_LOGIN_METHOD));
    }
    return SetupStep(io, reply, 235, ESmtpError::Login, IDS_SMTP_LOGIN_REFUSED);
}

CSmtpResult CSmtpSession::Open(const CMailAccount& account)
{
    Drop();
    QString strHost = account.m_strServer.trimmed();
    if (strHost.startsWith(u'[') && strHost.endsWith(u']'))
        strHost = strHost.mid(1, strHost.size() - 2);
    CSmtpResult result = Connect(strHost, account.m_nPort);
    QStringList extensions;
    if (result.Ok())
        result = Hello(extensions);
    if (result.Ok() && !m_pSocket->isEncrypted() && HasExtension(extensions, "STARTTLS"))
        result = StartTls(extensions);
    if (!result.Ok())
        return result;
    m_bUtf8 = HasExtension(extensions, "SMTPUTF8");
    if (!m_pSocket->isEncrypted() && RequiresTls(strHost, account.m_strUser)) {
        Drop();
        return Failure(ESmtpError::Tls, CStringTable::Load(IDS_SMTP_NO_TLS));
    }
    if (!m_pSocket->isEncrypted() && account.m_bRequireTls) {
        Drop();
        return Failure(ESmtpError::Tls, CStringTable::Load(IDS_SMTP_TLS_REQUIRED));
    }
    return account.m_strUser.isEmpty() ? CSmtpResult() : Login(account, extensions);
}

CSmtpResult CSmtpSession::Recipients(const QList<QByteArray>& recipients)
{
    for (const QByteArray& recipient : recipients) {
        const QString strRecipient = QString::fromUtf8(recipient);
        CReply reply;
        const EIo io = Command("RCPT TO:<" + recipient + '>', reply);
        if (io != EIo::Ok)
            return IoFailure(io, ESmtpError::Lost);
        if (reply.m_nCode / 100 == 4) {
            Reset();
            return ReplyFailure(ESmtpError::Transient, IDS_SMTP_TRY_LATER, reply);
        }
        if (reply.m_nCode / 100 != 2) {
            Reset();
            return Failure(
                ESmtpError::Recipient,
                CStringTable::Format(IDS_SMTP_RECIPIENT_REFUSED, {strRecipient, reply.m_strText}));
        }
    }
    return {};
}

void CSmtpSession::WriteStuffed(const QByteArray& message)
{
    // Lines that begin with a dot get a second one, and the text ends with CRLF; the pieces go
    // straight into the socket, without a stuffed copy of the message.
    const char* pData = message.constData();
    if (message.startsWith('.'))
        m_pSocket->write(".", 1);
    qsizetype nFrom = 0;
    for (qsizetype nAt = message.indexOf("\r\n.", nFrom); nAt >= 0;
         nAt = message.indexOf("\r\n.", nFrom)) {
        m_pSocket->write(pData + nFrom, nAt + 2 - nFrom);
        m_pSocket->write(".", 1);
        nFrom = nAt + 2;
    }
    m_pSocket->write(pData + nFrom, message.size() - nFrom);
    if (!message.endsWith("\r\n"))
        m_pSocket->write("\r\n", 2);
}

CSmtpResult CSmtpSession::SendData(const QByteArray& message)
{
    CReply reply;
    EIo io = Command("DATA", reply);
    if (io != EIo::Ok)
        return IoFailure(io, ESmtpError::Lost);
    if (reply.m_nCode != 354) {
        Reset();
        const bool bTransient = reply.m_nCode / 100 == 4;
        return ReplyFailure(bTransient ? ESmtpError::Transient : ESmtpError::Refused,
                            bTransient ? IDS_SMTP_TRY_LATER : IDS_SMTP_MESSAGE_REFUSED, reply);
    }
    WriteStuffed(message);
    io = Flush(m_timeouts.m_nCommandMs);
    // A reply before the final dot answers nothing this program sent: the message is not
    // ended, so it cannot have arrived.
    if (io == EIo::Ok)
        io = Quiet();
    if (io != EIo::Ok)
        return IoFailure(io, ESmtpError::Lost);
    // From the final dot on the message is the server's: whatever happens now, it is never
    // sent again, since the server may have kept it.
    m_pSocket->write(".\r\n", 3);
    io = Flush(m_timeouts.m_nCommandMs);
    if (io == EIo::Ok)
        io = ReadReply(reply, m_timeouts.m_nFinalReplyMs);
    if (io != EIo::Ok) {
        CSmtpResult result = Unconfirmed(io);
        result.m_bMayHaveArrived = true;
        return result;
    }
    if (reply.m_nCode / 100 == 4)
        return ReplyFailure(ESmtpError::Transient, IDS_SMTP_TRY_LATER, reply);
    if (reply.m_nCode / 100 != 2)
        return ReplyFailure(ESmtpError::Refused, IDS_SMTP_MESSAGE_REFUSED, reply);
    return {};
}

CSmtpResult CSmtpSession::Unconfirmed(EIo io)
{
    // The cause alone, for those who were never sent anything.
    const QString strCause =
        io == EIo::TimedOut
            ? CStringTable::Format(IDS_SMTP_TIMED_OUT, {Seconds(m_timeouts.m_nFinalReplyMs)})
            : IoReason(io);
    Drop();
    CSmtpResult result;
    switch (io) {
    case EIo::TimedOut:
        result = Failure(
            ESmtpError::TimedOut,
            CStringTable::Format(IDS_SMTP_UNCONFIRMED, {Seconds(m_timeouts.m_nFinalReplyMs)}));
        break;
    case EIo::Aborted:
        result = Failure(ESmtpError::Cancelled, CStringTable::Load(IDS_SMTP_STOPPED_UNCONFIRMED));
        break;
    case EIo::TooLong:
        result = Failure(ESmtpError::Lost, CStringTable::Load(IDS_SMTP_TOO_LONG_UNCONFIRMED));
        break;
    case EIo::NotSmtp:
    case EIo::OutOfTurn:
        result = Failure(ESmtpError::Protocol,
                         CStringTable::Format(IDS_SMTP_FAULT_UNCONFIRMED, {strCause}));
        break;
    default:
        result = Failure(ESmtpError::Lost, CStringTable::Load(IDS_SMTP_LOST_UNCONFIRMED));
    }
    result.m_strCause = strCause;
    return result;
}

CSmtpResult CSmtpSession::Deliver(const QString& strSender, const QStringList& recipients,
                                  const QByteArray& message)
{
    if (!IsOpen())
        return Failure(ESmtpError::LostBeforeMail, CStringTable::Load(IDS_SMTP_LOST));
    const QByteArray sender = EnvelopeAddress(strSender);
    if (sender.isEmpty())
        return Failure(ESmtpError::Sender, CStringTable::Format(IDS_SMTP_NEEDS_UTF8, {strSender}));
    QList<QByteArray> envelope;
    bool bUtf8 = NeedsUtf8(sender);
    for (const QString& strRecipient : recipients) {
        envelope.append(EnvelopeAddress(strRecipient));
        if (envelope.last().isEmpty())
            return Failure(ESmtpError::Recipient,
                           CStringTable::Format(IDS_SMTP_NEEDS_UTF8, {strRecipient}));
        bUtf8 = bUtf8 || NeedsUtf8(envelope.last());
    }
    CReply reply;
    const EIo io = Command("MAIL FROM:<" + sender + '>' + (bUtf8 ? " SMTPUTF8" : ""), reply);
    if (io == EIo::Lost || (io == EIo::Ok && reply.m_nCode == 421))
        return IoFailure(EIo::Lost, ESmtpError::LostBeforeMail);
    if (io != EIo::Ok)
        return IoFailure(io, ESmtpError::Lost);
    if (reply.m_nCode == 530) {
        Reset();
        return ReplyFailure(ESmtpError::Login, IDS_SMTP_LOGIN_REQUIRED, reply);
    }
    if (reply.m_nCode / 100 == 4) {
        Reset();
        return ReplyFailure(ESmtpError::Transient, IDS_SMTP_TRY_LATER, reply);
    }
    if (reply.m_nCode / 100 != 2) {
        Reset();
        return Failure(ESmtpError::Sender,
                       CStringTable::Format(IDS_SMTP_SENDER_REFUSED, {strSender, reply.m_strText}));
    }
    const CSmtpResult result = Recipients(envelope);
    return result.Ok() ? SendData(message) : result;
}

QByteArray CSmtpSession::EnvelopeAddress(const QString& strAddress) const
{
    const qsizetype nAt = strAddress.lastIndexOf(u'@');
    const QByteArray local = strAddress.left(nAt).toUtf8();
    const QString strDomain = strAddress.mid(nAt + 1);
    const QByteArray domain = QUrl::toAce(strDomain);
    if (IsAscii(local) && !domain.isEmpty() && IsAscii(domain))
        return local + '@' + domain;
    return m_bUtf8 ? strAddress.toUtf8() : QByteArray();
}

bool CSmtpSession::NeedsUtf8(const QByteArray& address)
{
    return !IsAscii(address);
}

bool CSmtpSession::SupportsTls()
{
    return QSslSocket::supportsSsl();
}
