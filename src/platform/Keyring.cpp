#include "Keyring.h"

#include "res/Resource.h"
#include "res/StringTable.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include <memory>

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

// Asks the Secret Service whether its default keyring is locked, which tells whether the call
// to come shows a prompt. A process of its own asks, since a bus that never answers can hold
// up whoever connects to it, and a process can be ended.
EProbe Probe()
{
    QProcess probe;
    probe.start(QStringLiteral("dbus-send"),
                {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                 QStringLiteral("--reply-timeout=%1").arg(kProbeMs),
                 QStringLiteral("--dest=org.freedesktop.secrets"),
                 QStringLiteral("/org/freedesktop/secrets/aliases/default"),
                 QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                 QStringLiteral("string:org.freedesktop.Secret.Collection"),
                 QStringLiteral("string:Locked")});
    if (!probe.waitForStarted())
        return EProbe::Answered; // no way to ask: the call itself is bounded still
    if (!probe.waitForFinished(kProbeMs)) {
        probe.kill();
        probe.waitForFinished();
        return EProbe::Silent;
    }
    const QByteArray out = probe.readAllStandardOutput();
    const QByteArray err = probe.readAllStandardError();
    if (probe.exitCode() == 0)
        return out.contains("boolean true") ? EProbe::Prompt : EProbe::Answered;
    if (err.contains("NoReply") || err.contains("Timeout"))
        return EProbe::Silent;
    if (err.contains("NoSuchObject") || err.contains("UnknownObject"))
        return EProbe::Prompt; // no default keyring yet: the call asks for a new one
    return EProbe::Answered;   // no bus, or another kind of keyring: the call says so at once
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
        return EStatus::Unavailable;
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
    return call.m_error == QKeychain::NoError ? EStatus::Ok : EStatus::Unavailable;
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
               : EStatus::Unavailable;
}
