#include "platform/DiskFile.h"

#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemError(int nError)
{
    return QString::fromLocal8Bit(strerror(nError));
}

// Why a file of this kind and size is not read, or an empty string. errno tells the same
// for callers that report numbers.
QString Refusal(const struct stat& info)
{
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return CStringTable::Load(IDS_ERR_IS_FOLDER);
    }
    if (!S_ISREG(info.st_mode)) {
        errno = ENXIO;
        return CStringTable::Load(IDS_ERR_NOT_REGULAR);
    }
    if (info.st_size > CDiskFile::kMaxFileSize) {
        errno = EFBIG;
        return CStringTable::Format(IDS_ERR_FILE_TOO_LARGE,
                                    {qint64(info.st_size), CDiskFile::kMaxFileSize});
    }
    return {};
}

bool WriteAll(int fd, const QByteArray& data, QString& strError)
{
    qsizetype nDone = 0;
    while (nDone < data.size()) {
        const ssize_t nWritten = ::write(fd, data.constData() + nDone, size_t(data.size() - nDone));
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0) {
            strError = SystemError(nWritten < 0 ? errno : ENOSPC);
            return false;
        }
        nDone += nWritten;
    }
    if (fsync(fd) != 0) {
        strError = SystemError(errno);
        return false;
    }
    return true;
}

// The rename of a save lives in the folder: until the folder is on disk too, a power cut may
// bring back the old name or none at all.
bool SyncFolder(const QString& strPath, QString& strError)
{
    const QString strFolder = QFileInfo(QFileInfo(strPath).canonicalFilePath()).absolutePath();
    const int fd =
        ::open(QFile::encodeName(strFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        strError = CStringTable::Format(IDS_ERR_FOLDER_SYNC, {SystemError(errno)});
        return false;
    }
    // A file system that cannot sync a folder (EINVAL) has nothing to lose there.
    const bool bOk = fsync(fd) == 0 || errno == EINVAL;
    if (!bOk)
        strError = CStringTable::Format(IDS_ERR_FOLDER_SYNC, {SystemError(errno)});
    ::close(fd);
    return bOk;
}

} // namespace

bool CDiskFile::OpenForReading(QFile& file, const QString& strPath, QString& strError)
{
    // Non-blocking, so that a pipe without a writer cannot hang the open; the kind of file is
    // checked on what was opened, so it cannot change in between.
    const int fd = ::open(QFile::encodeName(strPath).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        strError = SystemError(errno);
        return false;
    }
    struct stat info = {};
    if (fstat(fd, &info) != 0)
        strError = SystemError(errno);
    else
        strError = Refusal(info);
    if (strError.isEmpty() && fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        strError = SystemError(errno);
    if (strError.isEmpty() && !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        strError = file.errorString();
    if (strError.isEmpty())
        return true;
    const int nError = errno;
    ::close(fd);
    errno = nError;
    return false;
}

bool CDiskFile::Save(const QString& strPath, const std::function<void(CArchive&)>& store,
                     QString& strError, bool bOwnerOnly)
{
    // The whole file first, so that a text that cannot be stored changes nothing on disk.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    store(ar);
    if (!ar.IsOk()) {
        strError = ar.ErrorString();
        return false;
    }
    // Never write what the next open would refuse.
    if (buffer.size() > kMaxFileSize) {
        strError = CStringTable::Format(IDS_ERR_SAVE_TOO_LARGE, {buffer.size(), kMaxFileSize});
        return false;
    }
    // QSaveFile writes beside the file and renames over it, following a symbolic link to its
    // target. Its own writes and commit() are not trusted with errors: Qt 6.4 reports a full
    // disk as an unknown error or even as success, so the bytes go out here, each write and
    // the sync checked, and only then is the file committed.
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        strError = file.errorString();
        return false;
    }
    if (bOwnerOnly)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!WriteAll(file.handle(), buffer.data(), strError)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        strError = file.errorString();
        return false;
    }
    return SyncFolder(strPath, strError);
}

CDiskFile::SStamp CDiskFile::Stamp(const QString& strPath)
{
    SStamp stamp;
    struct stat info = {};
    if (stat(QFile::encodeName(strPath).constData(), &info) != 0)
        return stamp;
    stamp.m_bExists = true;
    stamp.m_nDevice = info.st_dev;
    stamp.m_nInode = info.st_ino;
    stamp.m_nSize = info.st_size;
    stamp.m_nChangeNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}
