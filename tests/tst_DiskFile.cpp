// Files on a real disk: a full file system, files that are not documents at all, links, and
// documents changed by another program while open.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "support/DocumentNotation.h"
#include "support/RecordingMessageHandler.h"
#include "support/SmallDisk.h"
#include "text/Resource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& strPath, const QByteArray& bytes)
{
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// One way of saving over an existing file: prepare() writes the old file and returns its
// path, change() alters what is to be saved, save() tries it and returns the error text.
struct CSavePath
{
    std::function<QString(const QString& strFolder)> m_prepare;
    std::function<void()> m_change;
    std::function<QString()> m_save;
};

// A text long enough that no save of it fits into one free page.
const QString g_strLong(3000, u'x');

// Another program that holds the document's lock, as kivvo-cli does while it changes the
// document: after a moment it changes the file in place and lets go of the lock.
bool StartOtherWriter(QProcess& writer, const QString& strPath)
{
    const QString strLock = strPath + ".lock";
    QList<QByteArray> lines; // the lock file as QLockFile writes it, to name the other program
    {
        QLockFile own(strLock);
        QFile file(strLock);
        if (!own.lock() || !file.open(QIODevice::ReadOnly))
            return false;
        lines = file.readAll().split('\n');
    }
    writer.start("/bin/sh", {"-c", "sleep 0.5; printf more >> \"$0\"; rm -f \"$0.lock\"", strPath});
    if (!writer.waitForStarted() || lines.size() < 2)
        return false;
    const QString strExe = QStringLiteral("/proc/%1/exe").arg(writer.processId());
    lines[0] = QByteArray::number(writer.processId());
    lines[1] = QFileInfo(QFileInfo(strExe).symLinkTarget()).fileName().toUtf8();
    QFile lock(strLock);
    return lock.open(QIODevice::WriteOnly | QIODevice::NewOnly) && lock.write(lines.join('\n')) > 0;
}

} // namespace

using FMake = std::function<void(const QString& strPath)>;
Q_DECLARE_METATYPE(FMake)

class TestDiskFile : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void oddFilesAreRefused_data();
    void oddFilesAreRefused();
    void linkKeepsPointingAtTheSavedFile();
    void changedOnDiskAsksFirst_data();
    void changedOnDiskAsksFirst();
    void modeOfSavedDocument_data();
    void modeOfSavedDocument();
};

void TestDiskFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("free"); // bytes left on the disk
    QTest::newRow("document") << "document" << 4096;
    QTest::newRow("settings") << "settings" << 4096;
    // Not even the lock file fits: none is left behind to keep out every later writer.
    QTest::newRow("document, no room for its lock") << "document" << 0;
}

void TestDiskFile::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, path);
    QFETCH(int, free);
    CSmallDisk disk(256);
    if (!disk.IsMounted())
        QSKIP("mounting a small tmpfs needs root");
    CRecordingMessageHandler messages;
    CKivvoDoc doc;
    CKivvoApp app;
    const std::map<QString, CSavePath> paths = {
        {"document",
         {[&](const QString& strFolder) {
              BuildDocument(doc, {"Ann, Bob"});
              doc.GetNewestList()->m_pFirst->m_strName = g_strLong;
              const QString strPath = strFolder + "circle.kv";
              doc.OnSaveDocument(strPath);
              return strPath;
          },
          [&] {
              doc.GetNewestList()->Append(new CPerson("Cid", {}, {}));
              doc.SetModifiedFlag();
          },
          [&] {
              // A failed save leaves the document modified, to be saved elsewhere.
              const CDocResult result = doc.OnSaveDocument(doc.GetPathName());
              if (result || !doc.IsModified())
                  return QString();
              return result.Message();
          }}},
        {"settings",
         {[&](const QString& strFolder) {
              app.m_strFolder = strFolder;
              app.m_settings.m_strFooter = g_strLong;
              app.SaveSettings();
              return app.SettingsPath();
          },
          [&] { app.m_settings.m_strServer = "mail.example.org"; },
          [&] {
              QString strError;
              return app.SaveSettings(strError) ? QString() : app.SettingsPath() + strError;
          }}},
    };
    const CSavePath& savePath = paths.at(path);
    const QString strFile = savePath.m_prepare(disk.FilePath({}) + QDir::separator());
    const QByteArray before = ReadAll(strFile);
    QVERIFY(!before.isEmpty());
    QVERIFY(disk.FillLeaving(free));
    const QStringList entries = QDir(disk.FilePath({})).entryList(QDir::Files | QDir::Hidden);

    savePath.m_change();
    const QString strError = savePath.m_save();
    QVERIFY2(strError.contains("No space left on device") &&
                 strError.contains(QFileInfo(strFile).fileName()),
             qPrintable(strError));
    QCOMPARE(ReadAll(strFile), before);
    // Nothing half-written stays behind either.
    QCOMPARE(QDir(disk.FilePath({})).entryList(QDir::Files | QDir::Hidden), entries);
}

void TestDiskFile::oddFilesAreRefused_data()
{
    QTest::addColumn<FMake>("make");
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder") << FMake([](const QString& strPath) { QVERIFY(QDir().mkdir(strPath)); })
                            << "It is a folder";
    QTest::newRow("pipe without writer") << FMake([](const QString& strPath) {
        QCOMPARE(mkfifo(QFile::encodeName(strPath).constData(), 0600), 0);
    }) << "not an ordinary file";
    QTest::newRow("endless device")
        << FMake([](const QString& strPath) { QVERIFY(QFile::link("/dev/zero", strPath)); })
        << "not an ordinary file";
    QTest::newRow("huge sparse file") << FMake([](const QString& strPath) {
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(2) << 30));
    }) << "2147483648 bytes long";
}

void TestDiskFile::oddFilesAreRefused()
{
    QFETCH(FMake, make);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    make(dir.filePath("odd.kv"));
    make(dir.filePath("Kivvo.cfg"));
    CRecordingMessageHandler messages;

    CKivvoDoc doc;
    BuildDocument(doc, {"Ann"});
    QVERIFY(!messages.Tell(doc.OnOpenDocument(dir.filePath("odd.kv"))));
    QCOMPARE(DescribeDocument(doc), QStringList{"List: Ann"});

    CKivvoApp app;
    messages.Watch(app);
    app.m_strFolder = dir.path() + QDir::separator();
    app.m_settings.m_strServer = "kept";
    struct stat before = {};
    QCOMPARE(lstat(QFile::encodeName(app.SettingsPath()).constData(), &before), 0);
    app.LoadSettings();
    QCOMPARE(app.m_settings.m_strServer, "kept");
    struct stat after = {}; // and what stands in the place of the settings file stays
    QCOMPARE(lstat(QFile::encodeName(app.SettingsPath()).constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_size, before.st_size);

    QCOMPARE(messages.Ids(), (QList<int>{IDS_FILE_OPEN_ERROR, IDS_SETTINGS_READ_ERROR}));
    for (const auto& box : std::as_const(messages.m_boxes))
        QVERIFY2(box.m_strText.contains(reason), qPrintable(box.m_strText));
}

void TestDiskFile::linkKeepsPointingAtTheSavedFile()
{
    QTemporaryDir dir;
    CRecordingMessageHandler messages;
    QVERIFY(QDir().mkdir(dir.filePath("real")));
    const QString strTarget = dir.filePath("real/circle.kv");
    const QString strLink = dir.filePath("circle.kv");
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann"});
    QVERIFY(doc.OnSaveDocument(strTarget));
    QVERIFY(QFile::link(strTarget, strLink));

    CKivvoDoc linked;
    QVERIFY(linked.OnOpenDocument(strLink));
    linked.GetNewestList()->Append(new CPerson("Bob", {}, {}));
    QVERIFY(linked.OnSaveDocument(strLink));
    QCOMPARE(QFileInfo(strLink).symLinkTarget(), strTarget);
    CKivvoDoc reread;
    QVERIFY(reread.OnOpenDocument(strTarget));
    QCOMPARE(DescribeDocument(reread), QStringList{"List: Ann, Bob"});
    QVERIFY(messages.m_boxes.isEmpty());
}

void TestDiskFile::changedOnDiskAsksFirst_data()
{
    QTest::addColumn<int>("change"); // 0 none, 1 rewritten in place, 2 replaced
    QTest::addColumn<EAnswer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("saved");

    QTest::newRow("unchanged: no question") << 0 << EAnswer::No << false << true;
    QTest::newRow("rewritten, No keeps the other change") << 1 << EAnswer::No << true << false;
    QTest::newRow("replaced, No keeps the other change") << 2 << EAnswer::No << true << false;
    QTest::newRow("replaced, Yes saves") << 2 << EAnswer::Yes << true << true;
    // Another program holds the lock while the save begins and changes the file before it
    // lets go: the save waits for it and then sees its change.
    QTest::newRow("changed under the lock while saving") << 3 << EAnswer::No << true << false;
}

void TestDiskFile::changedOnDiskAsksFirst()
{
    QFETCH(int, change);
    QFETCH(EAnswer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString strPath = dir.filePath("circle.kv");
    CRecordingMessageHandler messages;
    messages.Answer(IDS_ASK_OVERWRITE_CHANGED, answer);
    CKivvoDoc other;
    BuildDocument(other, {"Ann"});
    QVERIFY(other.OnSaveDocument(strPath));

    CKivvoDoc doc;
    QVERIFY(doc.OnOpenDocument(strPath));
    other.GetNewestList()->Append(new CPerson("Other", {}, {}));
    if (change == 1)
        WriteAll(strPath, ReadAll(strPath) + "more"); // in place: same file, other size
    if (change == 2)
        QVERIFY(other.OnSaveDocument(strPath)); // a new file renamed over the old one
    const QByteArray onDisk = ReadAll(strPath);
    doc.GetNewestList()->Append(new CPerson("Mine", {}, {}));
    doc.SetModifiedFlag();
    QProcess writer;
    if (change == 3)
        QVERIFY(StartOtherWriter(writer, strPath));

    const bool bSaved = bool(doc.OnSaveDocument(strPath, messages.Confirm()));
    QVERIFY(change != 3 || writer.waitForFinished());
    QCOMPARE(bSaved, saved);
    QCOMPARE(messages.Ids().contains(IDS_ASK_OVERWRITE_CHANGED), asked);
    QCOMPARE(doc.IsModified(), !saved);
    QCOMPARE(ReadAll(strPath) == onDisk + (change == 3 ? "more" : ""), !saved);
    if (saved) // and the next save asks nothing: the file is the document's own again
        QVERIFY(doc.OnSaveDocument(strPath, messages.Confirm()));
    QCOMPARE(messages.Ids().count(IDS_ASK_OVERWRITE_CHANGED), asked ? 1 : 0);
}

void TestDiskFile::modeOfSavedDocument_data()
{
    QTest::addColumn<int>("before"); // -1: no file yet
    QTest::addColumn<int>("after");
    // Who gives to whom is for the owner's eyes, whatever the umask says.
    QTest::newRow("new document") << -1 << 0600;
    QTest::newRow("existing, shared with the group") << 0640 << 0640;
    QTest::newRow("existing, readable by all") << 0644 << 0644;
}

void TestDiskFile::modeOfSavedDocument()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QTemporaryDir dir;
    const QString strPath = dir.filePath("circle.kv");
    CKivvoDoc doc;
    BuildDocument(doc, {"Ann"});
    if (before >= 0) {
        QVERIFY(doc.OnSaveDocument(strPath));
        QCOMPARE(chmod(QFile::encodeName(strPath).constData(), mode_t(before)), 0);
        doc.SetModifiedFlag();
    }
    const mode_t oldMask = umask(022);
    const bool bSaved = bool(doc.OnSaveDocument(strPath));
    umask(oldMask);
    QVERIFY(bSaved);
    struct stat info = {};
    QCOMPARE(stat(QFile::encodeName(strPath).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), after);
}

QTEST_GUILESS_MAIN(TestDiskFile)
#include "tst_DiskFile.moc"
