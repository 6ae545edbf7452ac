// The notification e-mail's text.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/MailJobSource.h"
#include "notify/NotificationComposer.h"
#include "support/DocumentNotation.h"
#include "text/TextLanguage.h"

#include <QTest>

namespace {

// The same text with CRLF line ends.
QString Crlf(const char* pText)
{
    return QString::fromUtf8(pText).replace(u'\n', QStringLiteral("\r\n"));
}

const char* const kAnnsNotification = R"(Hi Ann!

This is your automatic kivvo name drawing message

This message is for Ann only.
Please do not read further if you are not the designated person.

In the previous exchange you gave a gift to: Bob.
You will not draw the same name in this exchange.

The following list shows who each person gave a gift to in the previous exchange.

Ann --> Bob
***Smiths
   Bob --> Dora
   Carl --> Ann
Dora --> Carl

This is the current list of names.
The indented group persons cannot draw a name in the same group.
Ann
***Smiths
   Bob
   Carl
Dora



The name randomly drawn for Ann to give a gift to is Carl.

Thank you.



Gift Suggestions: Books




)";

CPerson* PersonNamed(const CKivvoDoc& doc, const QString& strName)
{
    return doc.GetCurrentList()->FirstPersonWhere(
        [&](CPerson* pPerson) { return pPerson->m_strName == strName; });
}

} // namespace

Q_DECLARE_METATYPE(CExchangeDetails)

class TestNotification : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void sections_data();
    void sections();
    void footerFromSettings();
    void largeCircle_data();
    void largeCircle();
    void details_data();
    void details();
    void severalRecipients_data();
    void severalRecipients();
};

void TestNotification::workedExample()
{
    CKivvoApp app;
    app.m_settings.m_strFooter.clear();
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Carl, Smiths[Bob>Ann, Carl>Dora], Dora>Bob",
                       "Ann>Bob, Smiths[Bob>Dora, Carl>Ann], Dora>Carl"});
    PersonNamed(doc, "Carl")->m_strSuggestions = QStringLiteral("Books");
    PersonNamed(doc, "Ann")->m_strSuggestions = QStringLiteral("not Ann's own");

    QString strBody;
    doc.ComposeNotification(PersonNamed(doc, "Ann"), strBody);
    QCOMPARE(strBody, Crlf(kAnnsNotification));
}

void TestNotification::sections_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    const QString strGave = "In the previous exchange";
    const QString strHistory = "The following list shows";
    const QString strSuggestions = "Gift Suggestions:";
    QTest::newRow("no previous drawing")
        << QStringList{"Ann>Bob, Bob>Cid, Cid>Ann"} << "Ann"
        << QStringList{"Hi Ann!", "is Bob.", "Ann\r\nBob\r\nCid\r\n"}
        << QStringList{strGave, strHistory, " --> "};
    QTest::newRow("not in the previous drawing")
        << QStringList{"Ann>Bob, Bob>Cid, Cid>Ann", "Bob>Cid, Cid>Bob"} << "Ann"
        << QStringList{strHistory, "Bob --> Cid\r\n"} << QStringList{strGave};
    QTest::newRow("previous name differs in case")
        << QStringList{"Ann>Bob, Bob>Cid, Cid>Ann", "ann>Cid, Bob>ann, Cid>Bob"} << "Ann"
        << QStringList{strHistory} << QStringList{strGave};
    QTest::newRow("nobody drawn before")
        << QStringList{"Ann>Bob, Bob>Cid, Cid>Ann", "Ann, Bob, Cid"} << "Ann"
        << QStringList{strHistory, "Ann --> \r\n"} << QStringList{strGave};
    QTest::newRow("names not drawn yet")
        << QStringList{"Ann, Bob, Cid"} << "Ann"
        << QStringList{"The name randomly drawn for Ann to give a gift to is .\r\n"}
        << QStringList{strSuggestions};
    QTest::newRow("recipient found ignoring case")
        << QStringList{"Ann>BOB, Bob>Cid, Cid>Ann"} << "Ann"
        << QStringList{"is BOB.", "Gift Suggestions: Bob's wish"} << QStringList{};
    QTest::newRow("recipient renamed since")
        << QStringList{"Ann>Robert, Bob>Cid, Cid>Ann"} << "Ann" << QStringList{"is Robert."}
        << QStringList{strSuggestions};
}

void TestNotification::sections()
{
    QFETCH(QStringList, lists);
    QFETCH(QString, person);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    CKivvoDoc doc;
    LoadDocument(doc, lists);
    PersonNamed(doc, "Bob")->m_strSuggestions = QStringLiteral("Bob's wish");
    QString strBody = QStringLiteral("kept\r\n");
    doc.ComposeNotification(PersonNamed(doc, person), strBody);
    QVERIFY(strBody.startsWith(QStringLiteral("kept\r\nHi ")));
    for (const QString& strText : present)
        QVERIFY2(strBody.contains(strText), qPrintable(strText));
    for (const QString& strText : absent)
        QVERIFY2(!strBody.contains(strText), qPrintable(strText));
}

void TestNotification::footerFromSettings()
{
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Bob>Ann"});
    QString strDefault;
    doc.ComposeNotification(PersonNamed(doc, "Ann"), strDefault);
    QVERIFY(strDefault.endsWith(QStringLiteral("\r\n\r\n\r\n") + CSettings().m_strFooter));

    CKivvoApp app;
    app.m_settings.m_strFooter = QStringLiteral("Merry Christmas from the Smiths");
    QString strBody;
    doc.ComposeNotification(PersonNamed(doc, "Ann"), strBody);
    QVERIFY(strBody.endsWith(QStringLiteral("Bob.\r\n\r\nThank you.\r\n\r\n\r\n\r\n\r\nMerry "
                                            "Christmas from the Smiths")));
}

void TestNotification::largeCircle_data()
{
    QTest::addColumn<int>("persons");
    QTest::addColumn<bool>("quoted");
    QTest::newRow("500 persons: both lists quoted") << 500 << true;
    QTest::newRow("501 persons: a line for each list") << 501 << false;
}

void TestNotification::largeCircle()
{
    QFETCH(int, persons);
    QFETCH(bool, quoted);
    CKivvoApp app;
    app.m_settings.m_strFooter.clear();
    QStringList drawing;
    for (int i = 0; i < persons; ++i)
        drawing.append(QStringLiteral("P%1>P%2").arg(i).arg((i + 1) % persons));
    CKivvoDoc doc;
    LoadDocument(doc, {drawing.join(", "), drawing.join(", ")});
    QString strPrevious;
    QString strCurrent;
    doc.GetLists().at(1)->FormatReport(strPrevious, true);
    doc.GetLists().at(0)->FormatReport(strCurrent, false);
    const QString strLists =
        quoted ? "The following list shows who each person gave a gift to in the previous "
                 "exchange.\r\n\r\n" +
                     strPrevious +
                     "\r\nThis is the current list of names.\r\nThe indented group persons "
                     "cannot draw a name in the same group.\r\n" +
                     strCurrent
               : QStringLiteral("The list of who gave a gift to whom in the previous exchange (%1 "
                                "persons) is too long to quote in every e-mail; the organiser has "
                                "it.\r\n\r\nThe current list of names (%1 persons) is too long to "
                                "quote in every e-mail; the organiser has it.\r\n")
                     .arg(persons);
    const QString strClosing =
        quoted ? QString()
               : "The lists of this circle are too long to quote in every e-mail: ask the "
                 "organiser if you want to see them.\r\n\r\n";
    QString strBody;
    doc.ComposeNotification(PersonNamed(doc, "P0"), strBody);
    QCOMPARE(strBody, "Hi P0!\r\n\r\nThis is your automatic kivvo name drawing message\r\n\r\n"
                      "This message is for P0 only.\r\nPlease do not read further if you are not "
                      "the designated person.\r\n\r\nIn the previous exchange you gave a gift to: "
                      "P1.\r\nYou will not draw the same name in this exchange.\r\n\r\n" +
                          strLists +
                          "\r\n\r\n\r\nThe name randomly drawn for P0 to give a gift to is "
                          "P1.\r\n\r\n" +
                          strClosing + "Thank you.\r\n\r\n\r\n\r\n\r\n");
}

void TestNotification::details_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<CExchangeDetails>("details");
    QTest::addColumn<QString>("afterDrawnName"); // up to the gift suggestions
    QTest::addColumn<QString>("subject");

    const CExchangeDetails all{QDate(2026, 12, 24), "25 €", "Grandma's", "Bring it\nwrapped"};
    QTest::newRow("all four, the note's lines kept")
        << "en" << all
        << "Date: 24 December 2026\r\nBudget: 25 €\r\nPlace: Grandma's\r\nNote: Bring "
           "it\r\nwrapped\r\n\r\nThank you.\r\n\r\n"
        << QString::fromUtf8("Christmas \u2014 24 December 2026");
    QTest::newRow("a budget only: no date in the subject")
        << "en" << CExchangeDetails{{}, "25 €", {}, {}} << "Budget: 25 €\r\n\r\nThank you.\r\n\r\n"
        << "Christmas";
    QTest::newRow("in German, the German date")
        << "de" << all
        << "Datum: 24. Dezember 2026\r\nBudget: 25 €\r\nOrt: Grandma's\r\nHinweis: Bring "
           "it\r\nwrapped\r\n\r\nVielen Dank!\r\n\r\n"
        << QString::fromUtf8("Christmas \u2014 24. Dezember 2026");
}

// Without details the text stays as the worked example shows it.
void TestNotification::details()
{
    QFETCH(QString, language);
    QFETCH(CExchangeDetails, details);
    QFETCH(QString, afterDrawnName);
    QFETCH(QString, subject);
    CTextLanguage text;
    QVERIFY(CTextLanguage::ForCode(language, text));
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Bob>Ann"});
    CNameList* pList = doc.GetNewestList();
    pList->m_strName = QStringLiteral("Christmas");
    pList->m_details = details;
    PersonNamed(doc, "Bob")->m_strSuggestions = QStringLiteral("Books");
    QString strBody;
    CNotificationComposer(pList, nullptr, QString(), text)
        .Compose(PersonNamed(doc, "Ann"), strBody);
    const qsizetype nDrawn = strBody.indexOf(QStringLiteral(" Bob.\r\n\r\n"));
    QVERIFY(nDrawn > 0);
    const QString strAfter = strBody.mid(nDrawn + 9);
    QCOMPARE(strAfter.left(afterDrawnName.size()), afterDrawnName);
    QVERIFY(strAfter.mid(afterDrawnName.size()).contains(QStringLiteral("Books")));

    PersonNamed(doc, "Ann")->m_strAddress = QStringLiteral("ann@example.org");
    const CMailJobSource source({pList, nullptr, QString(), {}, text}, {PersonNamed(doc, "Ann")});
    QCOMPARE(source.Jobs().at(0).m_strSubject, subject);
}

void TestNotification::severalRecipients_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("English") << "en"
                             << R"(Hi Ann!

This is your automatic kivvo name drawing message

This message is for Ann only.
Please do not read further if you are not the designated person.


This is the current list of names.
The indented group persons cannot draw a name in the same group.
Ann
Bob
Cid
Dan



The names randomly drawn for Ann to give gifts to are Bob and Dan.

Thank you.



Gift Suggestions for Bob: Books
Gift Suggestions for Dan: Tea




)";
    QTest::newRow("German") << "de"
                            << R"(Hallo Ann!

Hier ist deine automatische Wichtel-Nachricht von Kivvo.

Diese Nachricht ist nur für Ann bestimmt.
Wenn du nicht gemeint bist, lies bitte nicht weiter.


Das ist die aktuelle Namensliste.
Eingerückte Personen bilden eine Gruppe und ziehen niemanden aus ihrer eigenen Gruppe.
Ann
Bob
Cid
Dan



Ann, das Los hat entschieden: Du beschenkst Bob und Dan.

Vielen Dank!



Geschenkideen für Bob: Books
Geschenkideen für Dan: Tea




)";
}

void TestNotification::severalRecipients()
{
    // Each recipient named, and each one's suggestions on a line of its own; Cid has none.
    QFETCH(QString, language);
    QFETCH(QString, text);
    CTextLanguage mailLanguage;
    QVERIFY(CTextLanguage::ForCode(language, mailLanguage));
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann, Bob, Cid, Dan"});
    CPerson* pAnn = PersonNamed(doc, "Ann");
    pAnn->SetGiftsTo({"Bob", "Dan"});
    PersonNamed(doc, "Bob")->m_strSuggestions = QStringLiteral("Books");
    PersonNamed(doc, "Dan")->m_strSuggestions = QStringLiteral("Tea");
    QString strBody;
    CNotificationComposer(doc.GetNewestList(), nullptr, QString(), mailLanguage)
        .Compose(pAnn, strBody);
    QCOMPARE(strBody, Crlf(text.toUtf8().constData()));
}

QTEST_GUILESS_MAIN(TestNotification)
#include "tst_Notification.moc"
