#include "platform/DocumentLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

constexpr int kRetryMs = 100;

} // namespace

CDocumentLock::CDocumentLock(const QString& strDocument)
{
    // Beside the file a link points to, so that every path to one document meets one lock.
    const QFileInfo info(strDocument);
    const QString strTarget = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    m_strLock = strTarget + QStringLiteral(".lock");
}

CDocumentLock::~CDocumentLock()
{
    Unlock();
}

void CDocumentLock::RemoveIfAbandoned() const
{
    const QFileInfo info(m_strLock);
    if (!info.exists())
        return;
    QFile file(m_strLock);
    const bool bReadable = file.open(QIODevice::ReadOnly);
    if (bReadable && !file.read(1).isEmpty())
        return; // a lock with its owner's name: QLockFile knows whether he still runs
    const qint64 nAgeMs = info.lastModified().msecsTo(QDateTime::currentDateTime());
    if (qAbs(nAgeMs) > kEmptyLockStaleMs)
        QFile::remove(m_strLock);
}

CDocumentLock::EResult CDocumentLock::Lock(int nWaitMs, QString& strReason)
{
    m_pLock = std::make_unique<QLockFile>(m_strLock);
    m_pLock->setStaleLockTime(0); // only the lock of a process that has gone is stale
    const QDeadlineTimer deadline(nWaitMs);
    for (;;) {
        RemoveIfAbandoned();
        if (m_pLock->tryLock(int(qMin<qint64>(kRetryMs, deadline.remainingTime()))))
            return EResult::Locked;
        if (m_pLock->error() != QLockFile::LockFailedError) {
            strReason = Problem();
            m_pLock.reset();
            return EResult::Error;
        }
        if (deadline.hasExpired()) {
            m_pLock.reset();
            return EResult::Busy;
        }
    }
}

void CDocumentLock::Unlock()
{
    if (m_pLock)
        m_pLock->unlock();
    m_pLock.reset();
}

// QLockFile does not say why it could not write its file: try the same once more to find
// out. A lock file that could not be written is removed, or every later writer would wait.
QString CDocumentLock::Problem() const
{
    QFile probe(m_strLock);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return probe.errorString();
    QString strWhy = QStringLiteral("unknown error");
    if (probe.write("0\n") != 2 || !probe.flush())
        strWhy = probe.errorString();
    probe.close();
    probe.remove();
    return strWhy;
}
