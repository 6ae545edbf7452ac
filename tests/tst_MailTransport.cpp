// The SMTP transport against a real server on loopback.
#include "app/Settings.h"
#include "notify/MailMessage.h"
#include "notify/MailTransport.h"
#include "support/MessageCheck.h"
#include "support/SmtpTestServer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

CSettings Account(int nPort, const QString& strUser = {}, const QString& strPassword = {})
{
    CSettings settings;
    settings.m_strServer = QStringLiteral("127.0.0.1");
    settings.m_nPort = nPort;
    settings.m_strFrom = QStringLiteral("santa@example.com");
    settings.m_strUser = strUser;
    settings.m_strPassword = strPassword;
    return settings;
}

} // namespace

class TestMailTransport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recipients_data();
    void recipients();
    void requiresTls_data();
    void requiresTls();
    void encodedSubject_data();
    void encodedSubject();
    void composedHeadersAreClean_data();
    void composedHeadersAreClean();
    void messageAsReceived();
    void addressHeadersParseStrictly_data();
    void addressHeadersParseStrictly();
    void severalRecipients();
    void envelopeAddresses_data();
    void envelopeAddresses();
    void unsafeOrEmptyAddressSendsNothing_data();
    void unsafeOrEmptyAddressSendsNothing();
    void refusedRecipientFailsThatSendOnly();
    void serverGoingAwayBetweenSends();
    void serverThatIsNotThere();
    void sendBeforeLogonFails();
    void oneConnectionForManySends();
    void authenticationOverStartTls();
    void encryptionRequiredWithoutLogin();

private:
    QTemporaryDir m_dir;
    QString m_strCert;
    QString m_strKey;
};

void TestMailTransport::initTestCase()
{
    QVERIFY(CSmtpSession::SupportsTls());
    QVERIFY(CSmtpTestServer::MakeCertificate(m_dir.path(), m_strCert, m_strKey));
}

void TestMailTransport::recipients_data()
{
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one") << "ann@example.com" << QStringList{"ann@example.com"};
    QTest::newRow("two") << "a@x.org;b@x.org" << QStringList{"a@x.org", "b@x.org"};
    QTest::newRow("empty tokens skipped")
        << ";a@x.org;;b@x.org;" << QStringList{"a@x.org", "b@x.org"};
    QTest::newRow("trimmed") << " a@x.org; b@x.org ; " << QStringList{"a@x.org", "b@x.org"};
    QTest::newRow("display name") << "Ann <ann@x.org>; Bob Smith<b@x.org>"
                                  << QStringList{"ann@x.org", "b@x.org"};
    QTest::newRow("blank inside") << "ann @x.org" << QStringList{};
    QTest::newRow("two at signs") << "farah@@example.org" << QStringList{};
    QTest::newRow("name, no address") << "Ann Smith" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("only separators") << ";;" << QStringList{};
    QTest::newRow("CRLF injection") << "a@x.org\r\nRCPT TO:<evil@x.org>" << QStringList{};
    QTest::newRow("bare LF") << "a@x.org;b@x.org\nDATA" << QStringList{};
    QTest::newRow("NUL") << QString("a@x.org") + QChar(0) << QStringList{};
}

void TestMailTransport::recipients()
{
    QFETCH(QString, to);
    QFETCH(QStringList, expected);
    QCOMPARE(CMailTransport::Recipients(to), expected);
}

void TestMailTransport::requiresTls_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("required");

    QTest::newRow("remote host with account") << "mail.example.com"
                                              << "ann" << true;
    QTest::newRow("remote host without account") << "mail.example.com"
                                                 << "" << false;
    QTest::newRow("localhost") << "localhost"
                               << "ann" << false;
    QTest::newRow("127.0.0.1") << "127.0.0.1"
                               << "ann" << false;
    QTest::newRow("127.8.9.10") << "127.8.9.10"
                                << "ann" << false;
    QTest::newRow("::1") << "::1"
                         << "ann" << false;
    QTest::newRow("[::1]") << "[::1]"
                           << "ann" << false;
    QTest::newRow("private address") << "10.0.0.1"
                                     << "ann" << true;
    QTest::newRow("name that starts like loopback") << "127.0.0.1.example.com"
                                                    << "ann" << true;
    QTest::newRow("out-of-range octet") << "127.0.0.300"
                                        << "ann" << true;
}

void TestMailTransport::requiresTls()
{
    QFETCH(QString, host);
    QFETCH(QString, user);
    QFETCH(bool, required);
    QCOMPARE(CMailTransport::RequiresTls(host, user), required);
}

void TestMailTransport::encodedSubject_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("plain");

    QTest::newRow("ascii") << "Christmas 2026" << true;
    QTest::newRow("accent") << "Noël 2026" << false;
    QTest::newRow("chinese") << QString(40, QChar(0x674E)) << false;
    QTest::newRow("emoji") << QString("Gifts 🎁").repeated(12) << false;
    QTest::newRow("looks encoded") << "=?UTF-8?B?R2lmdHM=?=" << false;
}

void TestMailTransport::encodedSubject()
{
    QFETCH(QString, subject);
    QFETCH(bool, plain);
    const QByteArray encoded = CMailMessage::EncodeHeaderText(subject);
    QCOMPARE(!encoded.startsWith("=?UTF-8?B?"), plain);
    QString strDecoded;
    for (QByteArray word : encoded.split('\n')) {
        word = word.trimmed();
        if (word.startsWith("=?UTF-8?B?") && word.endsWith("?="))
            strDecoded += QString::fromUtf8(QByteArray::fromBase64(word.mid(10, word.size() - 12)));
        else
            strDecoded += QString::fromLatin1(word);
        QVERIFY(word.size() <= 76);
    }
    QCOMPARE(strDecoded, subject);
}

void TestMailTransport::composedHeadersAreClean_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QStringList>("to");
    QTest::addColumn<QString>("messageId"); // empty: made from the sender

    const QString strInjection = QStringLiteral("\r\nBcc: evil@example.com\r\n");
    QTest::newRow("line breaks in the sender's domain")
        << "santa@example.com" + strInjection << QStringList{"ann@example.com"} << QString();
    QTest::newRow("line breaks in a given id")
        << "santa@example.com" << QStringList{"ann@example.com"} << "<a@b>" + strInjection;
    QTest::newRow("NUL and line breaks in sender and recipient")
        << QStringLiteral("santa\0@example.com\n") << QStringList{"ann@x.org\rBcc: e@x.org"}
        << QString();
    QTest::newRow("many recipients")
        << "santa@example.com" << QStringList(300, QStringLiteral("someone@example.com"))
        << QString();
    QTest::newRow("names and addresses beyond ASCII")
        << "Zoë Löwe <zoe@exämple.org>"
        << QStringList{"Łukasz <łukasz@example.com>", "李雷@例子.中国", "ann@example.com"}
        << QString();
    QTest::newRow("a display name that quoting makes too long")
        << QString(600, u'"') + " <" + QString(800, u's') + "@example.com>"
        << QStringList{"ann@example.com"} << QString();
    QTest::newRow("one endless word")
        << "santa@example.com" << QStringList{QString(3000, u'a') + "@example.com"}
        << QString(2000, u'x');
}

void TestMailTransport::composedHeadersAreClean()
{
    QFETCH(QString, from);
    QFETCH(QStringList, to);
    QFETCH(QString, messageId);
    if (messageId.isEmpty())
        messageId = CMailMessage::NewMessageId(from);
    const QString strBody = QStringLiteral("Hi!\r\nBcc: not a header\r\n");
    const QByteArray message = CMailMessage::Compose(from, to, "Noël\r\nBcc: x@y", strBody,
                                                     QDateTime::currentDateTime(), messageId);
    const QString strProblem = MessageProblem(message, strBody);
    QVERIFY2(strProblem.isEmpty(), qPrintable(strProblem));
    QVERIFY(!message.contains("\nBcc:"));
}

void TestMailTransport::messageAsReceived()
{
    CSmtpTestServer server;
    QVERIFY2(server.IsReady(), qPrintable(server.ErrorOutput()));
    CMailTransport mail;
    mail.Configure(Account(server.Port()));
    QVERIFY(mail.Logon());
    const QString strBody =
        QStringLiteral("Hi Zoë!\r\n\r\nŁukasz gives to 李雷 🎁.\r\n.\r\n..\r\nThank you.\r\n");
    QVERIFY(mail.Send("zoe@example.com", QStringLiteral("Noël 2026\r\nBcc: evil@example.com"),
                      strBody));
    QVERIFY(server.WaitForMessages(1));
    const CSmtpTestServer::CMessage message = server.Messages().at(0);
    QCOMPARE(message.m_strFrom, "santa@example.com");
    QCOMPARE(message.m_recipients, QStringList{"zoe@example.com"});
    QCOMPARE(message.Header("From"), "santa@example.com");
    QCOMPARE(message.Header("To"), "zoe@example.com");
    QVERIFY(message.Header("Bcc").isEmpty());
    const QByteArray subject = message.Header("Subject");
    QVERIFY(subject.startsWith("=?UTF-8?B?"));
    QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(subject.mid(10, subject.size() - 12))),
             "Noël 2026  Bcc: evil@example.com");
    QVERIFY(!message.Header("Date").isEmpty());
    QVERIFY(message.Header("Message-ID").endsWith("@example.com>"));
    QCOMPARE(message.Header("MIME-Version"), "1.0");
    QCOMPARE(message.Header("Content-Type"), "text/plain; charset=UTF-8");
    QCOMPARE(message.Body(), strBody);
}

void TestMailTransport::addressHeadersParseStrictly_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("parsed"); // header, display name, address

    QTest::newRow("accented sender")
        << "Zoë's Gift Draw <zoe@example.com>"
        << "ann@example.org"
        << QStringList{"From|Zoë's Gift Draw|zoe@example.com", "To||ann@example.org"};
    QTest::newRow("chinese recipient")
        << "santa@example.com"
        << "李雷 <li@example.org>"
        << QStringList{"From||santa@example.com", "To|李雷|li@example.org"};
    QTest::newRow("quoted sender with a comma")
        << "\"Smith, Ann\" <ann@example.org>"
        << "Bob <bob@example.org>"
        << QStringList{"From|Smith, Ann|ann@example.org", "To|Bob|bob@example.org"};
    QTest::newRow("quoted name with quotes in it")
        << R"("Quoted \"Boss\"" <boss@example.org>)"
        << "ann@example.org"
        << QStringList{R"(From|Quoted "Boss"|boss@example.org)", "To||ann@example.org"};
    QTest::newRow("name that looks encoded")
        << "=?UTF-8?B?Qm9zcw==?= <boss@example.org>"
        << "ann@example.org"
        << QStringList{"From|=?UTF-8?B?Qm9zcw==?=|boss@example.org", "To||ann@example.org"};
    QTest::newRow("specials in a plain name")
        << "Ann (the elf) <ann@example.org>"
        << "Zoë <zoe@example.org>"
        << QStringList{"From|Ann (the elf)|ann@example.org", "To|Zoë|zoe@example.org"};
    const QString strLong = QStringLiteral("Zoë ").repeated(80).trimmed();
    QTest::newRow("long name folded")
        << strLong + " <zoe@example.com>"
        << "ann@example.org"
        << QStringList{"From|" + strLong + "|zoe@example.com", "To||ann@example.org"};
}

void TestMailTransport::addressHeadersParseStrictly()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, parsed);
    const QByteArray message = CMailMessage::Compose(
        from, {to}, "Noël", "Hi", QDateTime::currentDateTime(), CMailMessage::NewMessageId(from));
    // The strict parser raises on any defect, raw 8-bit header bytes among them.
    const char* pScript = R"(
import email, email.policy, sys
message = email.message_from_bytes(sys.stdin.buffer.read(), policy=email.policy.strict)
for name in ("From", "To"):
    for address in message[name].addresses:
        print(name, address.display_name, address.addr_spec, sep="|")
)";
    QProcess python;
    python.start("python3", {"-c", pScript});
    python.write(message);
    python.closeWriteChannel();
    QVERIFY(python.waitForFinished(20000));
    const QString strErrors = QString::fromUtf8(python.readAllStandardError());
    QVERIFY2(python.exitCode() == 0, qPrintable(strErrors));
    // Python keeps the blank between two encoded words of a name, which RFC 2047 drops.
    QStringList lines = QString::fromUtf8(python.readAllStandardOutput()).trimmed().split(u'\n');
    for (QString& strLine : lines)
        strLine = strLine.simplified();
    QCOMPARE(lines, parsed);
}

void TestMailTransport::severalRecipients()
{
    CSmtpTestServer server;
    CMailTransport mail;
    mail.Configure(Account(server.Port()));
    QVERIFY(mail.Logon());
    QVERIFY(mail.Send(";ann@example.com;;bob@example.com;", "List", "Body"));
    QVERIFY(server.WaitForMessages(1));
    const CSmtpTestServer::CMessage message = server.Messages().at(0);
    QCOMPARE(message.m_recipients, (QStringList{"ann@example.com", "bob@example.com"}));
    QCOMPARE(message.Header("To"), "ann@example.com, bob@example.com");
}

void TestMailTransport::envelopeAddresses_data()
{
    QTest::addColumn<QStringList>("server");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("received"); // empty: refused before the server was asked

    QTest::newRow("domain beyond ASCII goes in its ASCII form")
        << QStringList{} << "ann@bücher.example"
        << "ann@xn--bcher-kva.example";
    QTest::newRow("local part beyond ASCII, no SMTPUTF8") << QStringList{} << "jürgen@example.com"
                                                          << "";
    QTest::newRow("local part beyond ASCII, SMTPUTF8")
        << QStringList{"--smtputf8"} << "jürgen@bücher.example"
        << "jürgen@bücher.example";
}

void TestMailTransport::envelopeAddresses()
{
    QFETCH(QStringList, server);
    QFETCH(QString, to);
    QFETCH(QString, received);
    CSmtpTestServer smtp(server);
    CMailTransport mail;
    mail.Configure(Account(smtp.Port()));
    QVERIFY(mail.Logon());
    QCOMPARE(mail.Send(to, "List", "Body"), !received.isEmpty());
    if (received.isEmpty()) {
        QCOMPARE(mail.LastResult().m_strReason,
                 "the address " + to +
                     " has characters beyond ASCII before the @, which this server does not "
                     "take (it offers no SMTPUTF8)");
        QVERIFY(mail.Send("ok@example.com", "List", "Body")); // the connection is still good
    }
    QVERIFY(smtp.WaitForMessages(1));
    QCOMPARE(smtp.Messages().at(0).m_recipients,
             QStringList{received.isEmpty() ? "ok@example.com" : received});
}

void TestMailTransport::unsafeOrEmptyAddressSendsNothing_data()
{
    QTest::addColumn<QString>("to");
    QTest::newRow("empty") << "";
    QTest::newRow("separators only") << " ;";
    QTest::newRow("injected command") << "ann@example.com>\r\nRCPT TO:<evil@example.com";
}

void TestMailTransport::unsafeOrEmptyAddressSendsNothing()
{
    QFETCH(QString, to);
    CSmtpTestServer server;
    CMailTransport mail;
    mail.Configure(Account(server.Port()));
    QVERIFY(mail.Logon());
    QVERIFY(!mail.Send(to, "List", "Body"));
    QVERIFY(mail.Send("ok@example.com", "List", "Body"));
    QVERIFY(server.WaitForMessages(1));
    QCOMPARE(server.Messages().size(), 1);
    QCOMPARE(server.Messages().at(0).m_recipients, QStringList{"ok@example.com"});
}

void TestMailTransport::refusedRecipientFailsThatSendOnly()
{
    CSmtpTestServer server({"--refuse", "nobody@example.com"});
    CMailTransport mail;
    mail.Configure(Account(server.Port()));
    QVERIFY(mail.Logon());
    QVERIFY(!mail.Send("ann@example.com;nobody@example.com", "List", "Body"));
    QVERIFY(mail.Send("bob@example.com", "List", "Body"));
    QVERIFY(server.WaitForMessages(1));
    const QList<CSmtpTestServer::CMessage> messages = server.Messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).m_recipients, QStringList{"bob@example.com"});
}

void TestMailTransport::serverGoingAwayBetweenSends()
{
    CSmtpTestServer server;
    CMailTransport mail;
    mail.Configure(Account(server.Port()));
    QVERIFY(mail.Logon());
    QVERIFY(mail.Send("ann@example.com", "List", "First"));
    QVERIFY(server.DropConnections());
    QVERIFY(mail.Send("bob@example.com", "List", "Second"));
    QVERIFY(server.WaitForMessages(2));
    QCOMPARE(server.Messages().at(1).Body(), "Second");
    QCOMPARE(server.ConnectionCount(), 2);
}

void TestMailTransport::serverThatIsNotThere()
{
    int nPort = 0;
    {
        CSmtpTestServer gone; // a port that was just free and is closed again
        nPort = gone.Port();
    }
    CMailTransport mail;
    mail.Configure(Account(nPort));
    QVERIFY(!mail.Logon());
    QVERIFY(!mail.IsLoggedOn());
}

void TestMailTransport::sendBeforeLogonFails()
{
    CMailTransport mail;
    QVERIFY(!mail.Send("ann@example.com", "List", "Body"));
    QCOMPARE(mail.LastResult().m_error, ESmtpError::Unreachable);
}

void TestMailTransport::oneConnectionForManySends()
{
    CSmtpTestServer server;
    CMailTransport mail;
    mail.Configure(Account(server.Port()));
    QVERIFY(mail.Logon());
    for (int i = 0; i < 5; ++i)
        QVERIFY(mail.Send(QStringLiteral("p%1@example.com").arg(i), "List", "Body"));
    QVERIFY(server.WaitForMessages(5));
    QCOMPARE(server.ConnectionCount(), 1);
}

void TestMailTransport::authenticationOverStartTls()
{
    qputenv("KIVVO_SMTP_CA_FILE", m_strCert.toLocal8Bit());
    CSmtpTestServer server({"--cert", m_strCert, "--key", m_strKey, "--auth", "santa:ho ho ho"});
    QVERIFY2(server.IsReady(), qPrintable(server.ErrorOutput()));

    CMailTransport wrong;
    wrong.Configure(Account(server.Port(), "santa", "wrong"));
    QVERIFY(!wrong.Logon());

    CMailTransport mail;
    mail.Configure(Account(server.Port(), "santa", "ho ho ho"));
    QVERIFY(mail.Logon());
    QVERIFY(mail.Send("ann@example.com", "List", "Über TLS"));
    QVERIFY(server.WaitForMessages(1));
    QVERIFY(server.Messages().at(0).m_bTls);
    QCOMPARE(server.Messages().at(0).Body(), "Über TLS");
    qunsetenv("KIVVO_SMTP_CA_FILE");
}

void TestMailTransport::encryptionRequiredWithoutLogin()
{
    CSmtpTestServer plain;
    CSettings account = Account(plain.Port());
    account.m_bRequireTls = true;
    CMailTransport refused;
    refused.Configure(account);
    QVERIFY(!refused.Logon());
    QCOMPARE(refused.LastResult().m_strReason,
             "the server offers no encryption (STARTTLS), and the settings allow only encrypted "
             "connections");

    qputenv("KIVVO_SMTP_CA_FILE", m_strCert.toLocal8Bit());
    CSmtpTestServer server({"--cert", m_strCert, "--key", m_strKey});
    account.m_nPort = server.Port();
    CMailTransport mail;
    mail.Configure(account);
    QVERIFY(mail.Logon());
    QVERIFY(mail.Send("ann@example.com", "List", "Body"));
    QVERIFY(server.WaitForMessages(1));
    QVERIFY(server.Messages().at(0).m_bTls);
    qunsetenv("KIVVO_SMTP_CA_FILE");
}

QTEST_GUILESS_MAIN(TestMailTransport)
#include "tst_MailTransport.moc"
