// The mail password in a real Secret Service keyring (run by tests/keyring/with-keyring.sh).
#include "app/KivvoApp.h"
#include "platform/Archive.h"
#include "support/ArchiveBytes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray FileBytes(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Utf16(const QString& str)
{
    return QByteArray(reinterpret_cast<const char*>(str.utf16()), str.size() * 2);
}

} // namespace

class TestKeyring : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileWithPasswordMovesIntoKeyring();
    void roundTrip_data();
    void roundTrip();
    void lockedKeyringThatRefuses();

private:
    std::unique_ptr<CKivvoApp> Started(CKivvoApp::EPassword password = CKivvoApp::EPassword::Now);

    std::unique_ptr<QTemporaryDir> m_pDir;
};

void TestKeyring::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
}

std::unique_ptr<CKivvoApp> TestKeyring::Started(CKivvoApp::EPassword password)
{
    auto pApp = std::make_unique<CKivvoApp>();
    pApp->m_strFolder = m_pDir->path() + QDir::separator();
    pApp->LoadSettings(password);
    return pApp;
}

void TestKeyring::fileWithPasswordMovesIntoKeyring()
{
    // A file from before the keyring, password included.
    CSettings old;
    old.m_strServer = QStringLiteral("mail.example.org");
    old.m_strPassword = QStringLiteral("old secret");
    {
        QFile file(m_pDir->filePath("Kivvo.cfg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(StoredBytes([&](CArchive& ar) { old.Serialize(ar); }));
    }
    std::unique_ptr<CKivvoApp> pApp = Started();
    QCOMPARE(pApp->MailAccount().m_strPassword, "old secret"); // still works
    QVERIFY(!pApp->IsPasswordInKeyring());

    QString strError;
    QVERIFY2(pApp->StoreSettings(pApp->m_settings, strError), qPrintable(strError));
    QVERIFY(pApp->IsPasswordInKeyring());
    QCOMPARE(pApp->PasswordPlace(), "The password is kept in the desktop's keyring.");
    QVERIFY(!FileBytes(pApp->SettingsPath()).contains(Utf16("old secret")));
    std::unique_ptr<CKivvoApp> pNext = Started();
    QCOMPARE(pNext->MailAccount().m_strPassword, "old secret");
    QCOMPARE(pNext->m_settings.m_strServer, "mail.example.org");
}

void TestKeyring::roundTrip_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<CKivvoApp::EPassword>("asked"); // when the next start asks the keyring
    QTest::newRow("plain") << "ho ho ho" << CKivvoApp::EPassword::Now;
    QTest::newRow("unicode") << "Pässwörd 🎁 李" << CKivvoApp::EPassword::Now;
    QTest::newRow("none") << "" << CKivvoApp::EPassword::Now;
    QTest::newRow("asked at first use") << "ho ho ho" << CKivvoApp::EPassword::Later;
}

void TestKeyring::roundTrip()
{
    QFETCH(QString, password);
    QFETCH(CKivvoApp::EPassword, asked);
    std::unique_ptr<CKivvoApp> pApp = Started();
    CSettings settings = pApp->m_settings;
    settings.m_strPassword = password;
    QString strError;
    QVERIFY2(pApp->StoreSettings(settings, strError), qPrintable(strError));
    QVERIFY(pApp->IsPasswordInKeyring());
    std::unique_ptr<CKivvoApp> pNext = Started(asked);
    QCOMPARE(pNext->MailAccount().m_strPassword, password);
    QVERIFY(pNext->IsPasswordInKeyring());
    // The file's password field is empty: the default fields with "" in its place.
    CSettings expected = settings;
    expected.m_strPassword.clear();
    QCOMPARE(FileBytes(pApp->SettingsPath()),
             StoredBytes([&](CArchive& ar) { expected.Serialize(ar); }));
}

void TestKeyring::lockedKeyringThatRefuses()
{
    // Locked, and no prompt can be shown to unlock it: the keyring runs, and says no.
    // A plain call: an interface object would introspect, and Qt keeps what it learns.
    QDBusMessage lock =
        QDBusMessage::createMethodCall("org.freedesktop.secrets", "/org/freedesktop/secrets",
                                       "org.freedesktop.Secret.Service", "Lock");
    lock << QVariant::fromValue(
        QList<QDBusObjectPath>{QDBusObjectPath("/org/freedesktop/secrets/collection/login")});
    const QDBusMessage locked = QDBusConnection::sessionBus().call(lock);
    QVERIFY2(locked.type() == QDBusMessage::ReplyMessage, qPrintable(locked.errorMessage()));
    std::unique_ptr<CKivvoApp> pApp = Started();
    CSettings settings = pApp->m_settings;
    settings.m_strPassword = QStringLiteral("ho ho ho");
    QString strError;
    QVERIFY2(pApp->StoreSettings(settings, strError), qPrintable(strError));
    QVERIFY(!pApp->IsPasswordInKeyring());
    const QString strPlace = pApp->PasswordPlace();
    QVERIFY2(strPlace.startsWith("The desktop's keyring refused to keep the password (") &&
                 strPlace.endsWith("which only you can read."),
             qPrintable(strPlace));
    QCOMPARE(Started()->MailAccount().m_strPassword, "ho ho ho"); // from the file
}

QTEST_GUILESS_MAIN(TestKeyring)
#include "tst_Keyring.moc"
