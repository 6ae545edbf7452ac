#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

// A small file system of its own (tmpfs) that really fills up. Mounting needs root, which
// the tests have here and in CI; IsMounted() says whether it worked.
class CSmallDisk
{
public:
    explicit CSmallDisk(int nKiB)
    {
        const QByteArray options = "size=" + QByteArray::number(nKiB) + "k";
        m_bMounted = geteuid() == 0 && m_dir.isValid() &&
                     mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                           options.constData()) == 0;
    }
    ~CSmallDisk()
    {
        if (m_bMounted)
            umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    CSmallDisk(const CSmallDisk&) = delete;
    CSmallDisk& operator=(const CSmallDisk&) = delete;

    bool IsMounted() const { return m_bMounted; }
    QString FilePath(const QString& strName) const { return m_dir.filePath(strName); }

    // Fills the disk with a file of its own until just nFreeBytes (whole pages) are left.
    bool FillLeaving(qint64 nFreeBytes)
    {
        QFile filler(FilePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) {
        }
        return filler.resize(std::max<qint64>(0, filler.size() - nFreeBytes));
    }

private:
    QTemporaryDir m_dir;
    bool m_bMounted = false;
};
