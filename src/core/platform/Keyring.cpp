#include "platform/Keyring.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>
#include <qt6keychain/keychain.h>

#include <memory>

#include <unistd.h>

namespace {

const QString kService = QStringLiteral("Kivvo");
const QString kKey = QStringLiteral("mail password");
constexpr int kProbeMs = CKeyring::kAnswerMs;

CKeyring::FWaitNotice g_notice;
bool g_bSilent = false; // once it has not answered, the rest of the run goes on without it

enum class EProbe
{
    Answered, // it runs and needs no prompt, or it is not a Secret Service at all
    Prompt,   // its default keyring is locked or missing: the call will show a prompt
    Silent,   // the bus or the keyring does not answer
};

// Whether the bus at a unix socket answers the first words of a connection within the bound.
// Spoken over a socket of our own: a bus that takes the connection and never answers holds
// up whoever connects to it through the D-Bus library, and this socket can be given up.
bool BusAnswers(const QString& strPath, bool bAbstract)
{
    QLocalSocket socket;
    if (bAbstract)
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(strPath);
    if (!socket.waitForConnected(kProbeMs))
        return true; // nobody listens: the call itself fails at once and says why
    socket.write(QByteArray(1, '\0') + "AUTH EXTERNAL " +
                 QByteArray::number(quint64(getuid())).toHex() + "\r\n");
    return socket.waitForReadyRead(kProbeMs);
}

// The session bus's first unix socket, from an address such as
// "unix:path=/run/user/1000/bus,guid=…"; false when there is none to ask.
bool SessionBusSocket(QString& strPath, bool& bAbstract)
{
    const QString strAddress = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    for (const QString& strEntry : strAddress.split(u';', Qt::SkipEmptyParts)) {
        if (!strEntry.startsWith(QStringLiteral("unix:")))
            continue;
        for (const QString& strPair : strEntry.mid(5).split(u',')) {
            bAbstract = strPair.startsWith(QStringLiteral("abstract="));
            if (bAbstract || strPair.startsWith(QStringLiteral("path="))) {
                strPath = QUrl::fromPercentEncoding(strPair.section(u'=', 1).toUtf8());
                return true;
            }
        }
    }
    return false;
}

// Asks the Secret Service whether its default keyring is locked, which tells whether the call
// to come shows a prompt, after making sure the bus answers at all.
EProbe Probe()
{
    QString strPath;
    bool bAbstract = false;
    if (!SessionBusSocket(strPath, bAbstract))
        return EProbe::Answered; // no bus to ask: the call says so at once
    if (!BusAnswers(strPath, bAbstract))
        return EProbe::Silent;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.secrets"),
        QStringLiteral("/org/freedesktop/secrets/aliases/default"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.freedesktop.Secret.Collection") << QStringLiteral("Locked");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, kProbeMs);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        const QVariant locked = reply.arguments().value(0).value<QDBusVariant>().variant();
        return locked.toBool() ? EProbe::Prompt : EProbe::Answered;
    }
    const QString strError = reply.errorName();
    if (strError.endsWith(QStringLiteral(".NoReply")) ||
        strError.endsWith(QStringLiteral(".Timeout")))
        return EProbe::Silent;
    if (strError.endsWith(QStringLiteral("NoSuchObject")) ||
        strError.endsWith(QStringLiteral("UnknownObject")))
        return EProbe::Prompt; // no default keyring yet: the call asks for a new one
    return EProbe::Answered;   // another kind of keyring, or none: the call says so at once
}

// What a keyring's failure means to the caller: none there, or one that said no.
CKeyring::EStatus Failed(QKeychain::Error error)
{
    return error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented
               ? CKeyring::EStatus::Unavailable
               : CKeyring::EStatus::Refused;
}

struct SCall
{
    bool m_bDone = false;
    QKeychain::Error m_error = QKeychain::OtherError;
    QString m_strError;
    QString m_strText;
};

// Runs the job to its end, with the events it needs to talk to the keyring, within the
// bound; a job given up on ends (and deletes itself) whenever the keyring answers.
CKeyring::EStatus Finish(QKeychain::Job* pJob, SCall& call, QString& strError)
{
    pJob->setAutoDelete(true);
    pJob->setKey(kKey);
    const EProbe probe = g_bSilent ? EProbe::Silent : Probe();
    g_bSilent = probe == EProbe::Silent;
    if (probe == EProbe::Silent) {
        delete pJob;
        strError = CStringTable::Format(IDS_KEYRING_NO_ANSWER, {CKeyring::kAnswerMs / 1000});
        return CKeyring::EStatus::TimedOut;
    }
    const bool bPrompt = probe == EProbe::Prompt;
    if (bPrompt && g_notice)
        g_notice(true);
    auto pCall = std::make_shared<SCall>();
    QEventLoop loop;
    QObject::connect(pJob, &QKeychain::Job::finished, &loop, [pCall, &loop](QKeychain::Job* pDone) {
        pCall->m_bDone = true;
        pCall->m_error = pDone->error();
        pCall->m_strError = pDone->errorString();
        if (auto* pRead = qobject_cast<QKeychain::ReadPasswordJob*>(pDone))
            pCall->m_strText = pRead->textData();
        loop.quit();
    });
    const int nBoundMs = bPrompt ? CKeyring::kPromptMs : CKeyring::kAnswerMs;
    QTimer::singleShot(nBoundMs, &loop, &QEventLoop::quit);
    pJob->start();
    if (!pCall->m_bDone)
        loop.exec();
    if (bPrompt && g_notice)
        g_notice(false);
    if (!pCall->m_bDone) {
        strError = CStringTable::Format(IDS_KEYRING_NO_ANSWER, {nBoundMs / 1000});
        return CKeyring::EStatus::TimedOut;
    }
    call = *pCall;
    return CKeyring::EStatus::Ok;
}

} // namespace

void CKeyring::SetWaitNotice(FWaitNotice notice)
{
    g_notice = std::move(notice);
}

CKeyring::EStatus CKeyring::Read(QString& strPassword, QString& strError)
{
    SCall call;
    const EStatus status = Finish(new QKeychain::ReadPasswordJob(kService), call, strError);
    if (status != EStatus::Ok)
        return status;
    if (call.m_error == QKeychain::EntryNotFound)
        return EStatus::NotFound;
    if (call.m_error != QKeychain::NoError) {
        strError = call.m_strError;
        return Failed(call.m_error);
    }
    strPassword = call.m_strText;
    return EStatus::Ok;
}

CKeyring::EStatus CKeyring::Write(const QString& strPassword, QString& strError)
{
    SCall call;
    auto* pJob = new QKeychain::WritePasswordJob(kService);
    pJob->setTextData(strPassword);
    const EStatus status = Finish(pJob, call, strError);
    if (status != EStatus::Ok)
        return status;
    strError = call.m_strError;
    return call.m_error == QKeychain::NoError ? EStatus::Ok : Failed(call.m_error);
}

CKeyring::EStatus CKeyring::Remove(QString& strError)
{
    SCall call;
    const EStatus status = Finish(new QKeychain::DeletePasswordJob(kService), call, strError);
    if (status != EStatus::Ok)
        return status;
    strError = call.m_strError;
    return call.m_error == QKeychain::NoError || call.m_error == QKeychain::EntryNotFound
               ? EStatus::Ok
               : Failed(call.m_error);
}
