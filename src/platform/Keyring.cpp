#include "Keyring.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Kivvo");
const QString kKey = QStringLiteral("mail password");

// Runs the job to its end, with the events it needs to talk to the keyring.
void Finish(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    job.setKey(kKey);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

CKeyring::EStatus CKeyring::Read(QString& strPassword, QString& strError)
{
    QKeychain::ReadPasswordJob job(kService);
    Finish(job);
    if (job.error() == QKeychain::EntryNotFound)
        return EStatus::NotFound;
    if (job.error() != QKeychain::NoError) {
        strError = job.errorString();
        return EStatus::Unavailable;
    }
    strPassword = job.textData();
    return EStatus::Ok;
}

bool CKeyring::Write(const QString& strPassword, QString& strError)
{
    QKeychain::WritePasswordJob job(kService);
    job.setTextData(strPassword);
    Finish(job);
    strError = job.errorString();
    return job.error() == QKeychain::NoError;
}

bool CKeyring::Remove(QString& strError)
{
    QKeychain::DeletePasswordJob job(kService);
    Finish(job);
    strError = job.errorString();
    return job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound;
}
