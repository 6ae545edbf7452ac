// Sending the newest drawing to everybody or to one person, through the document's
// operation and a real SMTP server.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/SendRun.h"
#include "support/DocumentNotation.h"
#include "support/SmtpTestServer.h"
#include "text/Resource.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

CPerson* PersonNamed(const CKivvoDoc& doc, const QString& strName)
{
    return doc.GetCurrentList()->FirstPersonWhere(
        [&](CPerson* pPerson) { return pPerson->m_strName == strName; });
}

void SetAddress(const CKivvoDoc& doc, const QString& strName, const QString& strAddress)
{
    PersonNamed(doc, strName)->m_strAddress = strAddress;
}

} // namespace

class TestSendEmails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fivePersonsOneFailing();
    void oneConnectionPerRun();
    void logonFailureShowsOneMessage();
    void sendToOnePerson_data();
    void sendToOnePerson();
    void enableRule();
    void drawThenSend();
    void invalidDrawingIsNeverSent_data();
    void invalidDrawingIsNeverSent();
    void newestIsDrawnAndMailedWithAnOlderSelected();
    void newestIsMailedWithAnOlderShown_data();
    void newestIsMailedWithAnOlderShown();
    void serverMisbehaving_data();
    void serverMisbehaving();

private:
    std::unique_ptr<CSmtpTestServer> m_pServer;
    std::unique_ptr<CKivvoApp> m_pApp;
    QTemporaryDir m_dir;
    QString m_strCert;
    QString m_strKey;
};

void TestSendEmails::initTestCase()
{
    QVERIFY(CSmtpTestServer::MakeCertificate(m_dir.path(), m_strCert, m_strKey));
}

void TestSendEmails::init()
{
    m_pServer = std::make_unique<CSmtpTestServer>(QStringList{"--refuse", "gone@example.com"});
    QVERIFY(m_pServer->IsReady());
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_settings.m_strServer = QStringLiteral("127.0.0.1");
    m_pApp->m_settings.m_nPort = m_pServer->Port();
    m_pApp->m_settings.m_strUser.clear();
    m_pApp->m_settings.m_strFrom = QStringLiteral("santa@example.com");
    // An address book with Ann Smith and her three addresses.
    m_pApp->m_arrContacts[0] =
        QStringLiteral("Ann Smith;Ann;Smith;ann@example.com;ann@work.example.com;;");
}

void TestSendEmails::cleanup()
{
    m_pApp.reset();
    m_pServer.reset();
}

namespace {

// Sends as a front end does, through the document's operation, on this thread.
std::unique_ptr<CSendRun> Send(CKivvoDoc& doc, const QList<const CPerson*>& persons,
                               CDocResult& result)
{
    std::unique_ptr<CSendRun> pRun(doc.CreateSendRun(persons, result));
    if (pRun)
        pRun->Run();
    return pRun;
}

std::unique_ptr<CSendRun> SendAll(CKivvoDoc& doc, CDocResult& result)
{
    return Send(doc, doc.NewestGivers(), result);
}

} // namespace

void TestSendEmails::fivePersonsOneFailing()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Fam[Bob>Dan, Cid>Ann], Dan>Eve, Eve>Cid"});
    SetAddress(doc, "Ann", "Ann Smith:1");
    SetAddress(doc, "Cid", "gone@example.com");
    SetAddress(doc, "Eve", "eve@example.com");
    CDocResult result;
    const auto pRun = SendAll(doc, result);
    QVERIFY(result);
    QCOMPARE(pRun->CountOf(ESendOutcome::Failed), 1);
    QVERIFY(
        pRun->OutcomeLine(2).startsWith("Error sending to [Cid] email address [gone@example.com]"));
    QCOMPARE(pRun->Summary(), "Sent emails to 2 out of 5 participants");
    QVERIFY(m_pServer->WaitForMessages(2));
    const QList<CSmtpTestServer::CMessage> received = m_pServer->Messages();
    QCOMPARE(received.at(0).m_recipients, QStringList{"ann@example.com"});
    QCOMPARE(received.at(0).Header("Subject"), "List");
    QString strAnnsText;
    doc.ComposeNotification(PersonNamed(doc, "Ann"), strAnnsText);
    QCOMPARE(received.at(0).Body(), strAnnsText);
    QCOMPARE(received.at(1).m_recipients, QStringList{"eve@example.com"});
    // Who was told is recorded: Ann and Eve, by e-mail, and nobody else.
    QVERIFY(doc.IsModified());
    QCOMPARE(doc.PersonsToTellAgain().size(), 3);
    QCOMPARE(PersonNamed(doc, "Eve")->m_told.m_nHow, CTold::byMail);
}

void TestSendEmails::oneConnectionPerRun()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"A>B, B>C, C>D, D>E, E>A"});
    for (const char* pName : {"A", "B", "C", "D", "E"})
        SetAddress(doc, pName, QStringLiteral("%1@example.com").arg(pName));
    CDocResult result;
    SendAll(doc, result);
    // A reminder logs on afresh, with the settings of the moment.
    const auto pReminder = SendAll(doc, result);
    QVERIFY(m_pServer->WaitForMessages(10));
    QCOMPARE(m_pServer->ConnectionCount(), 2);
    QCOMPARE(pReminder->Summary(), "Sent emails to 5 out of 5 participants");
}

void TestSendEmails::logonFailureShowsOneMessage()
{
    m_pApp->m_settings.m_nPort = 1; // nothing listens there
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Bob>Cid, Cid>Ann"});
    SetAddress(doc, "Ann", "ann@example.com");
    SetAddress(doc, "Bob", "bob@example.com");
    CDocResult result;
    auto pRun = SendAll(doc, result);
    QCOMPARE(pRun->StopMessageId(), IDS_LOGON_ERROR);
    QVERIFY2(pRun->StopMessage().startsWith(
                 "The mail server 127.0.0.1:1 could not be reached or refused the login.\r\n"
                 "cannot connect to 127.0.0.1 port 1: Connection refused"),
             qPrintable(pRun->StopMessage()));

    // The next run tries again and succeeds once the server is right.
    m_pApp->m_settings.m_nPort = m_pServer->Port();
    pRun = SendAll(doc, result);
    QCOMPARE(pRun->StopMessageId(), 0);
    QVERIFY(pRun->AllSent());
}

void TestSendEmails::sendToOnePerson_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("recipients");

    QTest::newRow("address as typed")
        << "ann@example.com"
        << "Email sent to: Ann, address: ann@example.com" << QStringList{"ann@example.com"};
    // The secret mail never goes to a second address, which may be a shared one.
    QTest::newRow("address-book name, preferred address only")
        << "ann smith"
        << "Email sent to: Ann, address: ann@example.com" << QStringList{"ann@example.com"};
    QTest::newRow("address-book name, second address")
        << "Ann Smith:2"
        << "Email sent to: Ann, address: ann@work.example.com"
        << QStringList{"ann@work.example.com"};
    // The name the address book lacks is named, never an empty pair of brackets.
    QTest::newRow("leading at-sign is a name")
        << "@Ann Smith"
        << "Error sending to [Ann] email address [@Ann Smith]: no e-mail address" << QStringList{};
    QTest::newRow("unknown name") << "Nobody"
                                  << "Error sending to [Ann] email address [Nobody]: no e-mail"
                                  << QStringList{};
}

void TestSendEmails::sendToOnePerson()
{
    QFETCH(QString, address);
    QFETCH(QString, line);
    QFETCH(QStringList, recipients);
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Bob>Cid, Group[Cid>Ann]"});
    SetAddress(doc, "Ann", address);

    CDocResult result;
    const CPerson* pAnn = doc.NewestPersonToMail(PersonNamed(doc, "Ann"), result);
    QCOMPARE(pAnn, PersonNamed(doc, "Ann"));
    const auto pRun = Send(doc, {pAnn}, result);
    QVERIFY2(pRun->OutcomeLine(0).startsWith(line), qPrintable(pRun->OutcomeLine(0)));
    if (!recipients.isEmpty()) {
        QVERIFY(m_pServer->WaitForMessages(1));
        QCOMPARE(m_pServer->Messages().at(0).m_recipients, recipients);
    }
    QCOMPARE(doc.NewestPersonToMail(nullptr, result), nullptr);
    QCOMPARE(result.MessageId(), 0);
}

void TestSendEmails::enableRule()
{
    CKivvoDoc doc;
    doc.OnNewDocument();
    QVERIFY(!doc.CanSendEmails());
    LoadDocument(doc, {"F[Ann>Cid, Bob>Dan], G[Cid>Ann, Dan>Bob]"});
    QVERIFY(doc.CanSendEmails());
}

void TestSendEmails::drawThenSend()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Dan, Fam[Bob, Cid]"});
    SetAddress(doc, "Dan", "dan@example.com");
    QVERIFY(doc.DrawNames());
    CDocResult result;
    const auto pRun = SendAll(doc, result);
    QCOMPARE(pRun->Summary(), "Sent emails to 1 out of 4 participants");
    QVERIFY(doc.IsModified());
}

void TestSendEmails::invalidDrawingIsNeverSent_data()
{
    QTest::addColumn<bool>("toOne");
    QTest::newRow("send emails") << false;
    QTest::newRow("send email to one person") << true;
}

void TestSendEmails::invalidDrawingIsNeverSent()
{
    // Dan was removed after the drawing, Eve added.
    QFETCH(bool, toOne);
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Bob>Cid, Cid>Dan, Eve"});
    SetAddress(doc, "Ann", "ann@example.com");
    CDocResult result;
    const auto pRun = toOne ? Send(doc, {PersonNamed(doc, "Ann")}, result) : SendAll(doc, result);
    QVERIFY(!pRun);
    QCOMPARE(result.MessageId(), IDS_DRAWING_INVALID);
    QVERIFY2(result.Message().contains(
                 "Dan, drawn by Cid, is no longer in the list; Eve has no drawn name"),
             qPrintable(result.Message()));
    QTest::qWait(100);
    QCOMPARE(m_pServer->ConnectionCount(), 0);
}

void TestSendEmails::newestIsDrawnAndMailedWithAnOlderSelected()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Bob, Cid", "Ann>Cid, Bob>Ann, Cid>Bob"});
    doc.GetNewestList()->m_strName = QStringLiteral("2026");
    SetAddress(doc, "Ann", "ann@example.com");
    doc.SelectList(1);

    QVERIFY(doc.DrawNames());
    CDocResult result;
    const auto pRun = SendAll(doc, result);
    QCOMPARE(pRun->Summary(), "Sent emails to 1 out of 3 participants");
    QVERIFY(m_pServer->WaitForMessages(1));
    const CSmtpTestServer::CMessage mail = m_pServer->Messages().at(0);
    QCOMPARE(mail.Header("Subject"), "2026");
    QVERIFY(mail.Body().contains("Ann to give a gift to is Bob"));
}

void TestSendEmails::newestIsMailedWithAnOlderShown_data()
{
    QTest::addColumn<QString>("person"); // empty: Send Emails
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("text");

    QTest::newRow("send emails") << "" << 0 << "";
    QTest::newRow("send email to one person") << "Ann" << 0 << "";
    QTest::newRow("somebody no longer taking part")
        << "Old" << int(IDS_NOT_IN_NEWEST)
        << "Old is not in the newest list, \"2026\"; nothing was sent.";
    QTest::newRow("no address in the newest list")
        << "Bob" << int(IDS_NO_ADDRESS_NEWEST)
        << "Bob has no e-mail address in the newest list, \"2026\"; nothing was sent.";
}

void TestSendEmails::newestIsMailedWithAnOlderShown()
{
    QFETCH(QString, person);
    QFETCH(int, refusal);
    QFETCH(QString, text);
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Cid, Bob>Ann, Cid>Bob", "Ann>Bob, Bob>Old, Old>Ann"});
    doc.GetNewestList()->m_strName = QStringLiteral("2026");
    SetAddress(doc, "Ann", "ann@example.com");
    doc.SelectList(1);
    doc.GetCurrentList()->m_strName = QStringLiteral("2025");
    SetAddress(doc, "Ann", "old-address@example.com");
    SetAddress(doc, "Old", "old@example.com");
    SetAddress(doc, "Bob", "bob@example.com");

    CDocResult result;
    std::unique_ptr<CSendRun> pRun;
    if (person.isEmpty()) {
        pRun = SendAll(doc, result);
    } else {
        // The person of the shown list stands for his namesake in the newest one.
        const CPerson* pNewest = doc.NewestPersonToMail(PersonNamed(doc, person), result);
        QCOMPARE(result.MessageId(), refusal);
        QCOMPARE(result.Message(), text);
        if (pNewest)
            pRun = Send(doc, {pNewest}, result);
    }
    if (refusal) {
        QVERIFY(!pRun);
        QTest::qWait(100);
        QCOMPARE(m_pServer->ConnectionCount(), 0);
        return;
    }
    QVERIFY(m_pServer->WaitForMessages(1));
    QTest::qWait(100);
    const QList<CSmtpTestServer::CMessage> mails = m_pServer->Messages();
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails.at(0).m_recipients, QStringList{"ann@example.com"});
    QCOMPARE(mails.at(0).Header("Subject"), "2026");
    QVERIFY(mails.at(0).Body().contains("Ann to give a gift to is Cid"));
    QVERIFY(mails.at(0).Body().contains("Ann --> Bob")); // the older drawing, as history
}

void TestSendEmails::serverMisbehaving_data()
{
    QTest::addColumn<QStringList>("server");
    QTest::addColumn<QList<ESendOutcome>>("outcomes"); // Ann, Bob
    QTest::addColumn<QString>("annsReason");
    QTest::addColumn<int>("bodiesReceived"); // each at most once
    QTest::addColumn<int>("connections");
    QTest::addColumn<int>("stopMessage");

    using E = ESendOutcome;
    const QString strUnconfirmed = "the server did not confirm the message within 1 seconds; it "
                                   "may have arrived, so it is not sent again";
    // A server too slow for one message is too slow for the next: no wait per person.
    QTest::newRow("confirmation later than the time-out")
        << QStringList{"--data-delay", "1.5"} << QList<E>{E::NotSent, E::NotSent} << strUnconfirmed
        << 1 << 1 << int(IDS_SEND_SERVER_SILENT);
    QTest::newRow("554 to the message")
        << QStringList{"--data-reply", "554 5.7.1 Looks like spam"}
        << QList<E>{E::Failed, E::Failed}
        << "the server refused the message: 554 5.7.1 Looks like spam" << 2 << 1 << 0;
    QTest::newRow("sender refused")
        << QStringList{"--refuse-sender", "santa@example.com"} << QList<E>{E::NotSent, E::NotSent}
        << "the server refused the sender address santa@example.com: 553 5.7.1 Sender address "
           "rejected"
        << 0 << 1 << int(IDS_SENDER_ERROR);
    QTest::newRow("recipient refused")
        << QStringList{"--refuse", "ann@example.com"} << QList<E>{E::Failed, E::Sent}
        << "the server refused the address ann@example.com: 550 5.1.1 Recipient refused" << 1 << 1
        << 0;
    QTest::newRow("server gone after a time-out")
        << QStringList{"--data-delay", "1.5", "--sessions", "1"} << QList<E>{E::NotSent, E::NotSent}
        << strUnconfirmed << 1 << 1 << int(IDS_SEND_SERVER_SILENT);
    QTest::newRow("kept connection gone at MAIL FROM")
        << QStringList{"--drop-at-mail", "1"} << QList<E>{E::Sent, E::Sent} << "" << 2 << 2 << 0;
    const QString strTooLong = "the server's reply was longer than any mail server's (more than "
                               "4096 characters in a line, or more than 256 lines); the "
                               "connection was closed";
    QTest::newRow("greeting of endless lines")
        << QStringList{"--greeting", "lines"} << QList<E>{E::NotSent, E::NotSent} << strTooLong << 0
        << 1 << int(IDS_LOGON_ERROR);
    QTest::newRow("greeting of one endless line")
        << QStringList{"--greeting", "line"} << QList<E>{E::NotSent, E::NotSent} << strTooLong << 0
        << 1 << int(IDS_LOGON_ERROR);
    QTest::newRow("greeting of a line now and then")
        << QStringList{"--greeting", "drip"} << QList<E>{E::NotSent, E::NotSent}
        << "the server did not answer within 5 seconds" << 0 << 1 << int(IDS_SEND_SERVER_SILENT);
    QTest::newRow("plaintext queued behind the go-ahead to STARTTLS")
        << QStringList{"--cert", "CERT", "--key", "KEY", "--starttls-inject"}
        << QList<E>{E::NotSent, E::NotSent}
        << "the server sent more than its go-ahead for encryption (STARTTLS) before encryption "
           "began; somebody between this computer and the server may be tampering with the "
           "connection, so it was closed"
        << 0 << 1 << int(IDS_LOGON_ERROR);
    // A server may say it closes at any time: the next message goes over a new connection.
    QTest::newRow("421 and gone right after each message")
        << QStringList{"--close-after-message"} << QList<E>{E::Sent, E::Sent} << "" << 2 << 2 << 0;
    // The reply after the go-ahead is taken as nobody's: the message is never ended.
    QTest::newRow("a reply out of turn after the go-ahead to DATA")
        << QStringList{"--extra-reply", "250 2.0.0 Ok", "--data-reply", "554 5.7.1 Spam"}
        << QList<E>{E::NotSent, E::NotSent}
        << "the server sent a reply to a command this program had not sent yet; the connection "
           "was closed"
        << 0 << 1 << int(IDS_SEND_SERVER_FAULT);
    QTest::newRow("a reply to the message that is no SMTP")
        << QStringList{"--data-reply", "Thanks!"} << QList<E>{E::NotSent, E::NotSent}
        << "the server's reply is not SMTP: \"Thanks!\"; the connection was closed, after the "
           "message had been sent in full; it may have arrived, so it is not sent again"
        << 1 << 1 << int(IDS_SEND_SERVER_FAULT);
    QTest::newRow("451 to MAIL FROM")
        << QStringList{"--mail-reply", "451 4.7.1 Greylisted, come back later"}
        << QList<E>{E::Failed, E::Failed}
        << "the server cannot take the message now: 451 4.7.1 Greylisted, come back later; try "
           "again later"
        << 0 << 1 << 0;
    QTest::newRow("control characters in the server's reply")
        << QStringList{"--mail-reply", "550 5.7.1 \x1b]0;owned\x07\x1b[2J\rgone"}
        << QList<E>{E::NotSent, E::NotSent}
        << "the server refused the sender address santa@example.com: 550 5.7.1 \uFFFD]0;owned"
           "\uFFFD\uFFFD[2J\uFFFDgone"
        << 0 << 1 << int(IDS_SENDER_ERROR);
}

void TestSendEmails::serverMisbehaving()
{
    QFETCH(QStringList, server);
    QFETCH(QList<ESendOutcome>, outcomes);
    QFETCH(QString, annsReason);
    QFETCH(int, bodiesReceived);
    QFETCH(int, connections);
    QFETCH(int, stopMessage);
    server.replaceInStrings(QRegularExpression("^CERT$"), m_strCert)
        .replaceInStrings(QRegularExpression("^KEY$"), m_strKey);
    CSmtpTestServer smtp(server);
    QVERIFY(smtp.IsReady());
    CSettings account = m_pApp->m_settings;
    account.m_nPort = smtp.Port();
    account.m_strFrom = QStringLiteral("Santa Claus <santa@example.com>");
    const QList<CMailJob> jobs{
        {"Ann", "Ann <ann@example.com>", " Ann <ann@example.com> ; ", "List", "To Ann"},
        {"Bob", "bob@example.com", "bob@example.com", "List", "To Bob"}};
    CSendRun run(account, jobs);
    run.SetTimeouts({5000, 5000, 1000});
    run.Run();

    QCOMPARE(QList<ESendOutcome>({run.Result(0).m_outcome, run.Result(1).m_outcome}), outcomes);
    QCOMPARE(run.Result(0).m_strReason, annsReason);
    QCOMPARE(run.StopMessageId(), stopMessage);
    if (stopMessage) { // the user stopped nothing: the others are not sent because of the server
        const QString strBobs = run.Result(1).m_strReason;
        QVERIFY2(strBobs.startsWith("not sent, since the mail server could not go on: ") &&
                     !strBobs.contains("may have arrived"),
                 qPrintable(strBobs));
    }
    QCOMPARE(run.AllSent(),
             outcomes == QList<ESendOutcome>({ESendOutcome::Sent, ESendOutcome::Sent}));
    QTest::qWait(outcomes.contains(ESendOutcome::Failed) ? 1000 : 100); // late copies would show
    QCOMPARE(smtp.DataCount(), bodiesReceived);
    QCOMPARE(smtp.ConnectionCount(), connections);
    for (const CSmtpTestServer::CMessage& message : smtp.Messages()) {
        QCOMPARE(message.m_strFrom, "santa@example.com");
        QCOMPARE(message.Header("From"), "Santa Claus <santa@example.com>");
        QCOMPARE(message.m_recipients.size(), 1);
    }
}

QTEST_GUILESS_MAIN(TestSendEmails)
#include "tst_SendEmails.moc"
