// Participants imported from CSV and vCard files, and exported as CSV.
#include "app/ParticipantExport.h"
#include "app/ParticipantImport.h"
#include "model/NameList.h"
#include "platform/Archive.h"
#include "support/ListNotation.h"
#include "support/PersonRows.h"

#include <QDir>
#include <QTest>

namespace {

// "name|address|suggestions|group" of every person, in list order, "; " apart.
QString Describe(const CNameList& list)
{
    QStringList persons;
    for (const QStringList& row : PersonRows(list))
        persons.append(row.join(u'|'));
    return persons.join(QStringLiteral("; "));
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void csv_data();
    void csv();
    void headings_data();
    void headings();
    void vCardFromAnAddressBook();
    void exportReadsBack_data();
    void exportReadsBack();
};

void TestImport::csv_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("after");      // the list "Ann, Fam[Dan]" afterwards
    QTest::addColumn<QString>("duplicates"); // reported, not added
    QTest::addColumn<QString>("error");      // nothing is added when there is one

    const QString strBefore = "Ann|||; Dan|||Fam";
    QTest::newRow("header, quotes and a line break in a field")
        << QByteArray("name,address,suggestions,group\r\nBob,bob@x.org,\"Books, tea\",\r\n"
                      "\"Cid \"\"C\"\"\",,\"Line 1\nLine 2\",Fam\r\n")
        << "Ann|||; Dan|||Fam; Cid \"C\"||Line 1\nLine 2|Fam; Bob|bob@x.org|Books, tea|"
        << ""
        << "";
    QTest::newRow("semicolons, a byte-order mark, no header, a new group")
        << QByteArray("\xEF\xBB\xBF"
                      "Bob;bob@x.org;Tea, cake;Jones\nEve;;;Jones\n\n")
        << strBefore + "; Bob|bob@x.org|Tea, cake|Jones; Eve|||Jones"
        << ""
        << "";
    QTest::newRow("header in another order, trailing separators")
        << QByteArray("Group,E-mail,Name\nFam,eve@x.org,Eve,,\n")
        << "Ann|||; Dan|||Fam; Eve|eve@x.org||Fam"
        << ""
        << "";
    QTest::newRow("names the list has, in any case, and twice in the file")
        << QByteArray("ann\nBob\nBOB\n") << strBefore + "; Bob|||"
        << "ann, BOB"
        << "";
    QTest::newRow("a row without a name") << QByteArray("Bob\n,x@y.org\n") << strBefore << ""
                                          << "line 2 has no name";
    QTest::newRow("a quote never closed") << QByteArray("Bob\n\"Cid,\nEve\n") << strBefore << ""
                                          << "line 2 opens a quoted field";
    QTest::newRow("too many fields") << QByteArray("Bob,b@x.org,Tea,Fam,extra\n") << strBefore << ""
                                     << "line 1 has more than 4 fields";
    QTest::newRow("not UTF-8") << QByteArray("Zo\xEB\n") << strBefore << ""
                               << "not UTF-8";
    QTest::newRow("a UTF-8 sequence cut off at the end")
        << QByteArray("Bob\nZo\xC3") << strBefore << ""
        << "not UTF-8";
    QTest::newRow("tab-separated, commas inside the fields")
        << QByteArray("Bob\tbob@x.org\tTea, cake\tJones\n")
        << strBefore + "; Bob|bob@x.org|Tea, cake|Jones"
        << ""
        << "";
    QTest::newRow("a terminal escape in a name")
        << QByteArray("Bob\nEve\x1b[2J\n") << strBefore << ""
        << "line 2 holds a control character";
    QTest::newRow("a line break in a name")
        << QByteArray("\"Bob\nSmith\",b@x.org\n") << strBefore << ""
        << "line 1 holds a control character";
    QTest::newRow("a bell in the suggestions") << QByteArray("Bob,,a\x07"
                                                             "b\n")
                                               << strBefore << ""
                                               << "line 1 holds a control character";
    // Refused as it is read: the rows past the limit are never kept.
    QTest::newRow("more rows than a document holds")
        << QByteArray("P\n").repeated(CArchive::kMaxEntries + 1) << strBefore << ""
        << "more than 500000 persons and groups";
}

void TestImport::csv()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, after);
    QFETCH(QString, duplicates);
    QFETCH(QString, error);
    const auto pList = ParseList("Ann, Fam[Dan]");
    CParticipantImport import;
    QString strError;
    if (import.ReadBytes(file, false, strError)) {
        import.Check(*pList);
        import.Apply(*pList);
    }
    QVERIFY2(strError.contains(error) && error.isEmpty() == strError.isEmpty(),
             qPrintable(strError));
    QCOMPARE(Describe(*pList), after);
    QCOMPARE(import.Duplicates().join(QStringLiteral(", ")), duplicates);
}

void TestImport::headings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("persons"); // imported into an empty list
    QTest::addColumn<QString>("warning"); // a part of it, "" for none

    QTest::newRow("a mail program's export: first and last name, other columns left out")
        << QByteArray("\xEF\xBB\xBF"
                      "First Name;Last Name;Display Name;Nickname;Primary Email;Secondary Email;"
                      "Work Phone;Notes\r\nBob;Smith;;Bobby;bob@x.org;b2@x.org;555 12;Books\r\n"
                      ";;Eve Ray;;eve@x.org;;;\r\n")
        << "Bob Smith|bob@x.org|Books|; Eve Ray|eve@x.org||"
        << "";
    QTest::newRow("address book, German; categories are no households")
        << QByteArray("Vorname;Weitere Vornamen;Nachname;E-Mail-Adresse;E-Mail 2: Adresse;Notizen;"
                      "Kategorien\nJörg;Karl;Müller;j@x.de;;Tee;Familie\n")
        << "Jörg Müller|j@x.de|Tee|"
        << "";
    QTest::newRow("Spanish: Nombre beside Apellidos is the given name")
        << QByteArray("Nombre,Apellidos,Correo electrónico,Notas,Grupo\nAna,García,a@x.es,,Casa\n")
        << "Ana García|a@x.es||Casa"
        << "";
    QTest::newRow("French: Nom beside Prénom is the family name")
        << QByteArray("Prénom,Nom,Adresse de messagerie\nZoé,Martin,z@x.fr\n")
        << "Zoé Martin|z@x.fr||"
        << "";
    QTest::newRow("Italian") << QByteArray("Nome;Cognome;Indirizzo e-mail;Note;Famiglia\n"
                                           "Luca;Rossi;l@x.it;Libri;Rossi\n")
                             << "Luca Rossi|l@x.it|Libri|Rossi"
                             << "";
    QTest::newRow("Dutch") << QByteArray("Voornaam;Achternaam;E-mailadres;Huishouden\n"
                                         "Sanne;de Vries;s@x.nl;Thuis\n")
                           << "Sanne de Vries|s@x.nl||Thuis"
                           << "";
    QTest::newRow("Polish") << QByteArray("Imię;Nazwisko;Adres e-mail;Notatki\n"
                                          "Łukasz;Nowak;l@x.pl;Kawa\n")
                            << "Łukasz Nowak|l@x.pl|Kawa|"
                            << "";
    QTest::newRow("Portuguese") << QByteArray("Nome,Sobrenome,Endereço de e-mail,Anotações\n"
                                              "João,Silva,j@x.br,Café\n")
                                << "João Silva|j@x.br|Café|"
                                << "";
    QTest::newRow("a whole name beside its parts comes first")
        << QByteArray("Name,Given Name,Family Name,E-mail 1 - Value\nAnn Lee,Ann,Lee,a@x.org\n"
                      ",Bo,Kim,b@x.org\n")
        << "Ann Lee|a@x.org||; Bo Kim|b@x.org||"
        << "";
    QTest::newRow("Nome alone is the whole name")
        << QByteArray("nome;e-mail\nAna Lima;a@x.br\n") << "Ana Lima|a@x.br||"
        << "";
    QTest::newRow("headings nobody knows, addresses beneath")
        << QByteArray("Full Legal Name,Electronic Mail\nBob,bob@x.org\nEve,eve@x.org\n")
        << "Bob|bob@x.org||; Eve|eve@x.org||"
        << "Line 1 looks like column headings Kivvo does not know (Full Legal Name, Electronic "
           "Mail)";
    QTest::newRow("known headings, but no name")
        << QByteArray("Phone,E-mail\nBob,bob@x.org\n") << "Bob|bob@x.org||"
        << "Line 1 looks like";
    QTest::newRow("a person first, no headings")
        << QByteArray("Ann,ann@x.org\nBob,bob@x.org\n") << "Ann|ann@x.org||; Bob|bob@x.org||"
        << "";
    QTest::newRow("a person first, in a group called Family")
        << QByteArray("Bob,,Books,Family\nEve,eve@x.org\n") << "Bob||Books|Family; Eve|eve@x.org||"
        << "";
}

void TestImport::headings()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, persons);
    QFETCH(QString, warning);
    CNameList list;
    CParticipantImport import;
    QString strError;
    QVERIFY2(import.ReadBytes(file, false, strError), qPrintable(strError));
    QVERIFY2(import.Warning().contains(warning) && warning.isEmpty() == import.Warning().isEmpty(),
             qPrintable(import.Warning()));
    import.Check(list);
    import.Apply(list);
    QCOMPARE(Describe(list), persons);

    // Through a spreadsheet of a language with a decimal comma and back: the same persons.
    const QByteArray csv = CParticipantExport::Csv(list, CParticipantExport::EForm::Spreadsheet,
                                                   QLocale(QLocale::German));
    QVERIFY(csv.startsWith("\xEF\xBB\xBFname;address;suggestions;group\r\n"));
    CNameList copy;
    QVERIFY2(import.ReadBytes(csv, false, strError), qPrintable(strError));
    QVERIFY(import.Warning().isEmpty());
    import.Check(copy);
    import.Apply(copy);
    QCOMPARE(Describe(copy), persons);
}

void TestImport::vCardFromAnAddressBook()
{
    const auto pList = ParseList("Chris Beatle");
    CParticipantImport import;
    QString strError;
    QVERIFY(import.Read(QDir(KIVVO_VCARD_FIXTURES).filePath("ezvcard-gmail-list.vcf"), strError));
    import.Check(*pList);
    QCOMPARE(import.Duplicates(), QStringList{"Chris Beatle"});
    QVERIFY(import.Apply(*pList) > 1);
    QVERIFY2(Describe(*pList).contains("Arnold Smith|asmithk@gmail.com||; "),
             qPrintable(Describe(*pList)));

    QVERIFY(!import.Read(QDir(KIVVO_VCARD_FIXTURES).filePath("no-such-file.vcf"), strError));
    QVERIFY2(strError.contains("no-such-file.vcf"), qPrintable(strError));
}

void TestImport::exportReadsBack_data()
{
    using F = CParticipantExport::EForm;
    QTest::addColumn<F>("form");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QByteArray>("starts"); // the file's first bytes
    QTest::addColumn<QByteArray>("bobsLine");

    QTest::newRow("plain: formulas as they are, an apostrophe doubled")
        << F::Plain << QLocale(QLocale::German) << QByteArray("name,address")
        << QByteArray("\"=HYPERLINK(\"\"x\"\")\",@SUM(1),+cmd|x,''=x\r\n");
    QTest::newRow("spreadsheet, English: commas, formulas marked as text")
        << F::Spreadsheet << QLocale(QLocale::English) << QByteArray("\xEF\xBB\xBFname,address")
        << QByteArray("\"'=HYPERLINK(\"\"x\"\")\",'@SUM(1),'+cmd|x,''=x\r\n");
    QTest::newRow("spreadsheet, German: semicolons")
        << F::Spreadsheet << QLocale(QLocale::German) << QByteArray("\xEF\xBB\xBFname;address")
        << QByteArray("\"'=HYPERLINK(\"\"x\"\")\";'@SUM(1);'+cmd|x;''=x\r\n");
}

void TestImport::exportReadsBack()
{
    QFETCH(CParticipantExport::EForm, form);
    QFETCH(QLocale, locale);
    QFETCH(QByteArray, starts);
    QFETCH(QByteArray, bobsLine);
    const auto pList = ParseList("Ann>Bob, Fam[Bob>Cid, Cid>Ann]");
    auto* pAnn = pList->FindPerson("Ann");
    pAnn->m_strAddress = "Ann Smith <ann@x.org>";
    pAnn->m_strSuggestions = "Books, \"good\" ones\nTea";
    auto* pBob = pList->FindPerson("Bob");
    pBob->m_strName = "=HYPERLINK(\"x\")";
    pBob->m_strAddress = "@SUM(1)";
    pBob->m_strSuggestions = "+cmd|x";
    pList->FindGroup("Fam")->m_strName = "'=x";
    const QByteArray csv = CParticipantExport::Csv(*pList, form, locale);
    QVERIFY(csv.startsWith(starts));
    QVERIFY2(csv.contains("\n" + bobsLine), csv.constData());
    QCOMPARE(csv.count("Cid"), 1); // his own row; Bob drew him, and no row says so

    CNameList copy;
    CParticipantImport import;
    QString strError;
    QVERIFY2(import.ReadBytes(csv, false, strError), qPrintable(strError));
    import.Check(copy);
    QCOMPARE(import.Apply(copy), 3);
    QCOMPARE(Describe(copy), Describe(*pList));
    QVERIFY(!copy.HasDrawnNames());
    QCOMPARE(CParticipantExport::Csv(copy, form, locale), csv);
}

QTEST_APPLESS_MAIN(TestImport)
#include "tst_Import.moc"
