// The settings file Kivvo.cfg.
#include "app/KivvoApp.h"
#include "platform/Archive.h"
#include "platform/DiskFile.h"
#include "support/ArchiveBytes.h"
#include "support/RecordingMessageHandler.h"
#include "text/Resource.h"

#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray Stored(CSettings settings)
{
    return StoredBytes([&](CArchive& ar) { settings.Serialize(ar); });
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void firstStartWritesDefaults();
    void changedFileIsRead();
    void shortFileKeepsDefaultsForTheRest_data();
    void shortFileKeepsDefaultsForTheRest();
    void oldStandInsReadAsNotSet_data();
    void oldStandInsReadAsNotSet();
    void documentsFolder();
    void problems_data();
    void problems();
    void unreadableFileLeftAsItWas_data();
    void unreadableFileLeftAsItWas();
};

void TestSettings::layout()
{
    CSettings settings;
    settings.m_strServer = "mx";
    settings.m_nPort = 587;
    settings.m_strFrom = "f";
    settings.m_strUser = "u";
    settings.m_strPassword = "p";
    settings.m_strFooter = "ft";
    settings.m_strReserved6 = "r6";
    const QByteArray expected = Str("mx") + Int(587) + Str("f") + Str("u") + Str("p") + Int(0) +
                                Int(2) + Str("ft") + Str("") + Str("") + Str("") + Str("") +
                                Str("") + Str("r6");
    QCOMPARE(Stored(settings).toHex(' '), expected.toHex(' '));
}

void TestSettings::firstStartWritesDefaults()
{
    QTemporaryDir dir;
    CKivvoApp app;
    app.m_strFolder = dir.filePath("Documents") + QDir::separator();
    app.LoadSettings();
    QCOMPARE(app.SettingsPath(), dir.filePath("Documents/Kivvo.cfg"));
    QFile file(app.SettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Stored(CSettings()));
    QCOMPARE(file.permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
}

void TestSettings::changedFileIsRead()
{
    QTemporaryDir dir;
    CSettings changed;
    changed.m_strFooter = "Merry Christmas from the Smiths";
    changed.m_nPort = 465;
    changed.m_strPassword = "secret";
    changed.m_bRequireTls = true;
    QFile file(dir.filePath("Kivvo.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Stored(changed));
    file.close();

    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
    app.LoadSettings();
    QCOMPARE(app.m_settings.m_strFooter, changed.m_strFooter);
    QCOMPARE(app.m_settings.m_nPort, 465);
    QVERIFY(app.m_settings.m_bRequireTls);
    // It holds a password now: no core dump may carry it away.
    QCOMPARE(prctl(PR_GET_DUMPABLE, 0, 0, 0, 0), 0);
}

void TestSettings::shortFileKeepsDefaultsForTheRest_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("port");

    QTest::newRow("empty") << QByteArray() << CSettings().m_strServer << 25;
    QTest::newRow("server only") << Str("mail.local") << "mail.local" << 25;
    QTest::newRow("port cut short")
        << Str("mail.local") + QByteArray("\x4b\x02", 2) << "mail.local" << 25;
    QTest::newRow("server and port") << Str("mail.local") + Int(587) << "mail.local" << 587;
}

void TestSettings::shortFileKeepsDefaultsForTheRest()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, server);
    QFETCH(int, port);
    QTemporaryDir dir;
    QFile file(dir.filePath("Kivvo.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    app.LoadSettings();
    QCOMPARE(app.m_settings.m_strServer, server);
    QCOMPARE(app.m_settings.m_nPort, port);
    QCOMPARE(app.m_settings.m_strFooter, CSettings().m_strFooter);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes); // read, never rewritten
}

void TestSettings::oldStandInsReadAsNotSet_data()
{
    // server, from, user, password, footer: as stored, then as read
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("read");
    QTest::addColumn<bool>("setUp");

    const QStringList old{"smtp.example.com", "kivvo@example.com", "kivvo", "password",
                          "kivvo.example.com"};
    QTest::newRow("every stand-in") << old << QStringList{"", "", "", "", ""} << false;
    QTest::newRow("server and sender set, account left as it was")
        << QStringList{"mail.local", "me@home.org", "kivvo", "password", "kivvo.example.com"}
        << QStringList{"mail.local", "me@home.org", "", "", ""} << true;
    QTest::newRow("user set, password left as it was")
        << QStringList{"mail.local", "me@home.org", "me", "password", "From us"}
        << QStringList{"mail.local", "me@home.org", "me", "", "From us"} << true;
    QTest::newRow("password in the keyring: the user alone is no account")
        << QStringList{"mail.local", "me@home.org", "kivvo", "", ""}
        << QStringList{"mail.local", "me@home.org", "", "", ""} << true;
    QTest::newRow("a real account named kivvo stays")
        << QStringList{"mail.local", "me@home.org", "kivvo", "s3cret", ""}
        << QStringList{"mail.local", "me@home.org", "kivvo", "s3cret", ""} << true;
    QTest::newRow("only exact stand-ins go")
        << QStringList{"SMTP.example.com", "Kivvo <kivvo@example.com>", "Kivvo", "Password",
                       "kivvo.example.com!"}
        << QStringList{"SMTP.example.com", "Kivvo <kivvo@example.com>", "Kivvo", "Password",
                       "kivvo.example.com!"}
        << true;
}

void TestSettings::oldStandInsReadAsNotSet()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, read);
    QFETCH(bool, setUp);
    QTemporaryDir dir;
    const QByteArray bytes = Str(stored.at(0).toLatin1()) + Int(25) + Str(stored.at(1).toLatin1()) +
                             Str(stored.at(2).toLatin1()) + Str(stored.at(3).toLatin1()) + Int(0) +
                             Int(2) + Str(stored.at(4).toLatin1()) + Str("").repeated(6);
    QFile file(dir.filePath("Kivvo.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    app.LoadSettings();
    const CSettings& settings = app.m_settings;
    QCOMPARE((QStringList{settings.m_strServer, settings.m_strFrom, settings.m_strUser,
                          settings.m_strPassword, settings.m_strFooter}),
             read);
    QCOMPARE(settings.IsMailSetUp(), setUp);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes); // the layout and the file stay as they were
}

void TestSettings::documentsFolder()
{
    const QString strFolder = CKivvoApp::DocumentsFolder();
    QVERIFY(strFolder.endsWith(QDir::separator()));
    CKivvoApp app;
    app.m_strFolder = strFolder;
    QCOMPARE(app.SettingsPath(), strFolder + "Kivvo.cfg");
}

void TestSettings::problems_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QList<ESettingsField>>("wrong");

    using F = ESettingsField;
    QTest::newRow("usual") << "smtp.example.org" << 587 << "you@example.org" << QList<F>{};
    QTest::newRow("display name, IP address")
        << "192.0.2.7" << 465 << "Santa Claus <santa@example.org>" << QList<F>{};
    QTest::newRow("IPv6 in brackets, international name")
        << "[2001:db8::1]" << 25 << "Zoë <zoe@bücher.example>" << QList<F>{};
    QTest::newRow("international host") << "mail.bücher.example" << 25 << "a@b.c" << QList<F>{};
    QTest::newRow("everything empty") << "" << 0 << "" << QList<F>{F::Server, F::Port, F::From};
    QTest::newRow("host with blank, port too high")
        << "smtp example.org" << 65536 << "a@b.c" << QList<F>{F::Server, F::Port};
    QTest::newRow("URL instead of host")
        << "smtp://mail.example.org" << 25 << "a@b.c" << QList<F>{F::Server};
    QTest::newRow("IPv6 loopback without brackets") << "::1" << 25 << "a@b.c" << QList<F>{};
    QTest::newRow("IPv6 with an IPv4 tail and a zone")
        << "[::ffff:192.0.2.7%eth0]" << 25 << "a@b.c" << QList<F>{};
    QTest::newRow("IPv6 with two gaps") << "2001::db8::1" << 25 << "a@b.c" << QList<F>{F::Server};
    QTest::newRow("IPv6 with nine groups")
        << "1:2:3:4:5:6:7:8:9" << 25 << "a@b.c" << QList<F>{F::Server};
    QTest::newRow("IPv6 group of five digits")
        << "2001:db8::12345" << 25 << "a@b.c" << QList<F>{F::Server};
    QTest::newRow("IPv4 tail out of range")
        << "::ffff:192.0.2.256" << 25 << "a@b.c" << QList<F>{F::Server};
    QTest::newRow("IPv6 with an empty zone") << "fe80::1%" << 25 << "a@b.c" << QList<F>{F::Server};
    QTest::newRow("two senders") << "mx" << 25 << "a@b.c; d@e.f" << QList<F>{F::From};
    QTest::newRow("sender without domain") << "mx" << 25 << "santa" << QList<F>{F::From};
    QTest::newRow("line break in sender")
        << "mx" << 25 << "a@b.c\r\nBcc: x@y.z" << QList<F>{F::From};
}

void TestSettings::problems()
{
    QFETCH(QString, server);
    QFETCH(int, port);
    QFETCH(QString, from);
    QFETCH(QList<ESettingsField>, wrong);
    CSettings settings;
    settings.m_strServer = server;
    settings.m_nPort = port;
    settings.m_strFrom = from;
    QList<ESettingsField> fields;
    for (const CSettingsProblem& problem : settings.Problems()) {
        fields.append(problem.m_field);
        QVERIFY(!problem.m_strMessage.isEmpty());
    }
    QCOMPARE(fields, wrong);
}

void TestSettings::unreadableFileLeftAsItWas_data()
{
    QTest::addColumn<bool>("tooLarge"); // else: no read permission
    QTest::newRow("no permission to read") << false;
    QTest::newRow("larger than any file of the program") << true;
}

void TestSettings::unreadableFileLeftAsItWas()
{
    QFETCH(bool, tooLarge);
    if (!tooLarge && geteuid() == 0)
        QSKIP("root reads any file");
    QTemporaryDir dir;
    const QString strPath = dir.filePath("Kivvo.cfg");
    CSettings mine;
    mine.m_strServer = "mail.example.org";
    const QByteArray bytes = Stored(mine);
    {
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (tooLarge)
            QVERIFY(file.resize(CDiskFile::kMaxFileSize + 1)); // sparse: no disk space taken
        file.setPermissions(tooLarge ? QFile::ReadOwner | QFile::WriteOwner : QFile::WriteOwner);
    }
    struct stat before = {};
    QCOMPARE(stat(QFile::encodeName(strPath).constData(), &before), 0);
    CRecordingMessageHandler messages;
    CKivvoApp app;
    messages.Watch(app);
    app.m_strFolder = dir.path() + QDir::separator();
    app.LoadSettings();

    QCOMPARE(app.m_settings.m_strServer, CSettings().m_strServer); // the defaults, for this run
    QCOMPARE(messages.Ids(), QList<int>{IDS_SETTINGS_READ_ERROR});
    QVERIFY(messages.m_boxes.at(0).m_strText.contains(strPath));
    // Nor do new settings replace it: they would bring back every default.
    CSettings changed = app.m_settings;
    changed.m_strFooter = "From the Smiths";
    QString strError;
    QVERIFY(!app.StoreSettings(changed, strError));
    QVERIFY2(strError.contains("cannot be read"), qPrintable(strError));
    struct stat after = {};
    QCOMPARE(stat(QFile::encodeName(strPath).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    QFile file(strPath);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(bytes.size()), bytes);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
