#pragma once

#include <QString>

#include <functional>

class CArchive;
class QFile;

// Files read and written whole. Only regular files are opened, without ever blocking (a pipe
// or a device could block or never end), and none larger than any file this program writes.
// A save replaces the old file only once every byte, the flush and the sync have succeeded;
// otherwise the old file stays byte for byte and the reason is returned.
class CDiskFile
{
public:
    // Far above any document or settings file the program writes, far below what would
    // exhaust memory when read whole.
    static constexpr qint64 kMaxFileSize = qint64(512) * 1024 * 1024;

    // Opens strPath for reading; false with a reason a user can read otherwise (and errno
    // set to the matching error number).
    static bool OpenForReading(QFile& file, const QString& strPath, QString& strError);

    // Writes the file anew through store(archive). A symbolic link keeps pointing at the new
    // file. bOwnerOnly makes the file readable by its owner only, from the first byte on.
    static bool Save(const QString& strPath, const std::function<void(CArchive&)>& store,
                     QString& strError, bool bOwnerOnly = false);

    // What identifies one state of a file on disk: which file, its size, its time of change.
    // Equal stamps mean nobody has written or replaced the file in between.
    struct SStamp
    {
        bool m_bExists = false;
        quint64 m_nDevice = 0;
        quint64 m_nInode = 0;
        qint64 m_nSize = 0;
        qint64 m_nChangeNs = 0;
        bool operator==(const SStamp&) const = default;
    };
    static SStamp Stamp(const QString& strPath);
};
