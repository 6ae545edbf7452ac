// Settings > Configure: the checks beside the fields, the saved file, and the test mail.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/SettingsDlg.h"
#include "support/RecordingMessageHandler.h"
#include "support/SmtpTestServer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void okChecksThenSaves_data();
    void okChecksThenSaves();
    void showPassword();
    void mailLanguageOfTheDocument();
    void testMail_data();
    void testMail();

private:
    void Type(const QString& strField, const QString& strText)
    {
        m_pDialog->findChild<QLineEdit*>(strField)->setText(strText);
    }

    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<CRecordingMessageHandler> m_pMessages;
    std::unique_ptr<CKivvoApp> m_pApp;
    std::unique_ptr<CSettingsDlg> m_pDialog;
};

void TestSettingsDlg::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    m_pMessages = std::make_unique<CRecordingMessageHandler>();
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_strFolder = m_pDir->path() + QDir::separator();
    m_pApp->LoadSettings(); // no file yet: the defaults are written
    m_pDialog = std::make_unique<CSettingsDlg>(m_pApp.get());
    m_pDialog->show();
}

void TestSettingsDlg::cleanup()
{
    m_pDialog.reset();
    m_pApp.reset();
    m_pMessages.reset();
    m_pDir.reset();
}

void TestSettingsDlg::okChecksThenSaves_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QList<ESettingsField>>("wrong");

    using F = ESettingsField;
    QTest::newRow("good") << " smtp.example.org "
                          << "587"
                          << "Santa <santa@example.org>" << QList<F>{};
    QTest::newRow("port not a number") << "smtp.example.org"
                                       << "smtp"
                                       << "a@b.c" << QList<F>{F::Port};
    QTest::newRow("all three wrong") << ""
                                     << "0"
                                     << "santa" << QList<F>{F::Server, F::Port, F::From};
}

void TestSettingsDlg::okChecksThenSaves()
{
    QFETCH(QString, server);
    QFETCH(QString, port);
    QFETCH(QString, from);
    QFETCH(QList<ESettingsField>, wrong);
    Type("server", server);
    Type("port", port);
    Type("from", from);
    Type("user", "santa");
    Type("password", "ho ho ho");
    m_pDialog->findChild<QPlainTextEdit*>("footer")->setPlainText("From the North Pole");
    m_pDialog->accept();

    for (const ESettingsField field :
         {ESettingsField::Server, ESettingsField::Port, ESettingsField::From})
        QCOMPARE(m_pDialog->ProblemLabel(field)->isVisible(), wrong.contains(field));
    QCOMPARE(m_pDialog->isVisible(), !wrong.isEmpty());
    CKivvoApp reread; // what the file now holds
    reread.m_strFolder = m_pApp->m_strFolder;
    reread.LoadSettings();
    if (!wrong.isEmpty()) {
        QCOMPARE(reread.m_settings.m_strServer, CSettings().m_strServer);
        return;
    }
    for (const CSettings& settings : {m_pApp->m_settings, reread.m_settings}) {
        QCOMPARE(settings.m_strServer, "smtp.example.org");
        QCOMPARE(settings.m_nPort, 587);
        QCOMPARE(settings.m_strFrom, "Santa <santa@example.org>");
        QCOMPARE(settings.m_strPassword, "ho ho ho"); // no keyring here: in the file
        QCOMPARE(settings.m_strFooter, "From the North Pole");
    }
    QCOMPARE(QFile(m_pApp->SettingsPath()).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFile::Permissions());
}

// Chosen with mail not set up and left so: the mail fields do not keep OK from closing.
void TestSettingsDlg::mailLanguageOfTheDocument()
{
    CKivvoDoc doc;
    doc.OnNewDocument();
    CSettingsDlg dialog(m_pApp.get(), nullptr, &doc);
    dialog.show();
    auto* pLanguage = dialog.findChild<QComboBox*>("mailLanguage");
    QCOMPARE(pLanguage->currentData().toString(), QString()); // the desktop's
    pLanguage->setCurrentIndex(pLanguage->findData(QStringLiteral("pl")));
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(doc.GetMailLanguageCode(), QStringLiteral("pl"));
    QCOMPARE(doc.MailLanguage().Code(), QStringLiteral("pl"));
    QVERIFY(doc.IsModified());
    doc.UndoStack()->undo();
    QCOMPARE(doc.GetMailLanguageCode(), QString());
}

void TestSettingsDlg::showPassword()
{
    auto* pPassword = m_pDialog->findChild<QLineEdit*>("password");
    QCOMPARE(pPassword->echoMode(), QLineEdit::Password);
    m_pDialog->findChild<QCheckBox*>("showPassword")->click();
    QCOMPARE(pPassword->echoMode(), QLineEdit::Normal);
    QVERIFY(
        m_pDialog->findChild<QLabel*>("passwordPlace")->text().contains(m_pApp->SettingsPath()));
}

void TestSettingsDlg::testMail_data()
{
    QTest::addColumn<QStringList>("server");
    QTest::addColumn<QString>("result");

    QTest::newRow("sent") << QStringList{} << "A test mail was sent to santa@example.com.";
    QTest::newRow("sender refused")
        << QStringList{"--refuse-sender", "santa@example.com"}
        << "The test mail could not be sent: the server refused the sender address "
           "santa@example.com: 553 5.7.1 Sender address rejected";
}

void TestSettingsDlg::testMail()
{
    QFETCH(QStringList, server);
    QFETCH(QString, result);
    CSmtpTestServer smtp(server);
    QVERIFY(smtp.IsReady());
    Type("server", "127.0.0.1");
    Type("port", QString::number(smtp.Port()));
    Type("from", "Santa <santa@example.com>");
    Type("user", "");
    m_pDialog->TestButton()->click();
    QVERIFY(m_pDialog->IsTesting() || !m_pDialog->TestButton()->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(m_pDialog->TestResult()->text(), result, 10000);
    QVERIFY(m_pDialog->TestButton()->isEnabled());
    if (server.isEmpty()) {
        QVERIFY(smtp.WaitForMessages(1));
        QCOMPARE(smtp.Messages().at(0).m_recipients, QStringList{"santa@example.com"});
    }
    // Only tried, not taken: the program's settings are as before.
    QCOMPARE(m_pApp->m_settings.m_strServer, CSettings().m_strServer);
}

QTEST_MAIN(TestSettingsDlg)
#include "tst_SettingsDlg.moc"
