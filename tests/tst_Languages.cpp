// The languages Kivvo speaks: which one the environment asks for, and each one in use.
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/NotificationComposer.h"
#include "support/DocumentNotation.h"
#include "support/RecordingMessageHandler.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void environment_data();
    void environment();
    void languageCodes_data();
    void languageCodes();
    void speaksEachLanguage_data();
    void speaksEachLanguage();
    void translationPutsArgumentsInItsOwnOrder();
};

void TestLanguages::environment_data()
{
    QTest::addColumn<QStringList>("variables"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QString>("language");
    QTest::newRow("nothing set") << QStringList{"", "", "", ""} << "en";
    QTest::newRow("LANG") << QStringList{"", "", "", "de_DE.UTF-8"} << "de";
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"", "", "pl_PL.UTF-8", "de_DE.UTF-8"} << "pl";
    QTest::newRow("LC_ALL before both")
        << QStringList{"", "fr_FR.UTF-8", "pl_PL.UTF-8", "de_DE.UTF-8"} << "fr";
    QTest::newRow("LANGUAGE: its first language Kivvo has")
        << QStringList{"sv:nl_BE:de", "", "", "de_DE.UTF-8"} << "nl";
    QTest::newRow("LANGUAGE: English asked first")
        << QStringList{"en:de", "", "", "de_DE.UTF-8"} << "en";
    QTest::newRow("LANGUAGE ignored in the C locale")
        << QStringList{"de", "C", "", "it_IT"} << "en";
    QTest::newRow("LANGUAGE ignored without a locale") << QStringList{"de", "", "", ""} << "en";
    QTest::newRow("a language Kivvo does not have")
        << QStringList{"", "", "", "sv_SE.UTF-8"} << "en";
    QTest::newRow("Brazilian Portuguese") << QStringList{"", "", "", "pt_BR.UTF-8@x"} << "pt";
}

void TestLanguages::environment()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, language);
    QProcessEnvironment environment;
    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i) {
        if (!variables.at(i).isEmpty())
            environment.insert(QString::fromLatin1(names[i]), variables.at(i));
    }
    QCOMPARE(CTextLanguage::CodeFromEnvironment(environment), language);
}

void TestLanguages::languageCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language"); // empty: refused
    for (const char* pszCode : {"de", " pt-BR ", "de_AT.UTF-8@euro", "es_419", "fr.UTF-8", "nl@x1"})
        QTest::newRow(pszCode) << pszCode << QString::fromLatin1(pszCode).trimmed().left(2);
    for (const char* pszCode : {"d", "deutsch", "de_", "de_ATX", "es_41", "es_4190", "de.", "de@",
                                "de@e-u", "de_DE.UTF-8 x", "de_DE.UTF_8", "sv_SE", "dé"})
        QTest::newRow(pszCode) << pszCode << QString();
}

void TestLanguages::languageCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, language);
    CTextLanguage found;
    QCOMPARE(CTextLanguage::ForCode(code, found), !language.isEmpty());
    if (!language.isEmpty())
        QCOMPARE(found.Code(), language);
}

void TestLanguages::translationPutsArgumentsInItsOwnOrder()
{
    QTranslator reordered;
    QVERIFY(reordered.load(QStringLiteral(KIVVO_REORDERED_QM)));
    const auto format = [](const QTranslator* pLanguage) {
        return CStringTable::FormatIn(pLanguage, IDS_CONTACTS_LOGIN_ERROR,
                                      {QStringLiteral("Family %2"), QStringLiteral("no access")});
    };
    QCOMPARE(format(&reordered), "no access — Adressbuch Family %2");
    QCOMPARE(format(nullptr), "The address book Family %2 cannot be read: no access");
}

void TestLanguages::speaksEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("greeting"); // the notification's first line
    QTest::addColumn<QString>("question"); // the message box before a drawing
    QTest::addColumn<QString>("cliError"); // kivvo-cli on an unknown command

    QTest::newRow("en") << "en"
                        << "Hi Ann!"
                        << "Are you sure you want to draw names now?"
                        << "kivvo-cli: unknown command \"bogus\"";
    QTest::newRow("de") << "de"
                        << "Hallo Ann!"
                        << "Möchtest du die Namen jetzt wirklich"
                        << "kivvo-cli: unbekannter Befehl „bogus“";
    QTest::newRow("es") << "es"
                        << "¡Hola, Ann!"
                        << "¿Seguro que quieres sortear"
                        << "kivvo-cli: comando desconocido \"bogus\"";
    QTest::newRow("fr") << "fr"
                        << "Bonjour Ann\u00a0!"
                        << "Voulez-vous vraiment tirer"
                        << "kivvo-cli: commande inconnue «\u00a0bogus\u00a0»";
    QTest::newRow("it") << "it"
                        << "Ciao Ann!"
                        << "Vuoi davvero estrarre"
                        << "kivvo-cli: comando sconosciuto \"bogus\"";
    QTest::newRow("nl") << "nl"
                        << "Hallo Ann!"
                        << "Weet je zeker dat je nu de lootjes"
                        << "kivvo-cli: onbekende opdracht \"bogus\"";
    QTest::newRow("pl") << "pl"
                        << "Cześć, Ann!"
                        << "Czy na pewno chcesz teraz wylosować"
                        << "kivvo-cli: nieznane polecenie „bogus”";
    QTest::newRow("pt") << "pt"
                        << "Olá, Ann!"
                        << "Tem certeza de que deseja sortear"
                        << "kivvo-cli: comando desconhecido \"bogus\"";
}

void TestLanguages::speaksEachLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, greeting);
    QFETCH(QString, question);
    QFETCH(QString, cliError);
    CTextLanguage text;
    QVERIFY(CTextLanguage::ForCode(language, text));
    CKivvoDoc doc;
    LoadDocument(doc, {"Ann>Bob, Bob>Cid, Cid>Ann"});
    const CPerson* pAnn = doc.GetNewestList()->FindPerson(QStringLiteral("Ann"));

    // The e-mail, in the language given, whatever the desktop's.
    QString strBody;
    CNotificationComposer(doc.GetNewestList(), nullptr, QString(), text).Compose(pAnn, strBody);
    QVERIFY2(strBody.startsWith(greeting + QStringLiteral("\r\n")), qPrintable(strBody.left(40)));

    // A message box of the desktop in its language.
    CTextLanguage::SetUi(text);
    const auto english = qScopeGuard([] { CTextLanguage::SetUi(CTextLanguage()); });
    const QString strAsked = CStringTable::Load(IDS_ASK_DRAW_NOW);
    QVERIFY2(strAsked.startsWith(question), qPrintable(strAsked));

    // A count picks its plural form; one participant and five read differently. English keeps
    // its one form, as it always had.
    const auto withoutDigits = [](int n) {
        return CStringTable::Format(IDS_SENT_SUMMARY, {n, n}).remove(QRegularExpression("\\d"));
    };
    QCOMPARE(withoutDigits(1) != withoutDigits(5), language != u"en");

    // kivvo-cli in the language of the locale it runs in.
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(pszName));
    environment.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(KIVVO_CLI_PATH), {QStringLiteral("bogus")});
    QVERIFY(cli.waitForFinished(30000));
    const QString strError = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(strError.startsWith(cliError), qPrintable(strError));
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "tst_Languages.moc"
