// The settings file Kivvo.cfg.
#include "app/KivvoApp.h"
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

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
    void documentsFolder();
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
    QFile file(dir.filePath("Kivvo.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Stored(changed));
    file.close();

    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    app.LoadSettings();
    QCOMPARE(app.m_settings.m_strFooter, changed.m_strFooter);
    QCOMPARE(app.m_settings.m_nPort, 465);
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

void TestSettings::documentsFolder()
{
    const QString strFolder = CKivvoApp::DocumentsFolder();
    QVERIFY(strFolder.endsWith(QDir::separator()));
    CKivvoApp app;
    app.m_strFolder = strFolder;
    QCOMPARE(app.SettingsPath(), strFolder + "Kivvo.cfg");
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_Settings.moc"
