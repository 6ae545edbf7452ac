// The address book: the vCard reader, the contacts cache, its lookup and its loader thread.
#include "app/KivvoApp.h"
#include "notify/VCardReader.h"
#include "support/RecordingMessageHandler.h"
#include "text/Resource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QStringList Records(const QByteArray& data)
{
    QStringList records;
    for (const CVCardContact& contact : CVCardReader::Parse(data)) {
        if (!contact.m_emails.isEmpty())
            records.append(CKivvoApp::ContactRecord(contact));
    }
    return records;
}

QByteArray Card(const QByteArray& body, const QByteArray& version = "3.0")
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
}

void WriteFile(const QString& strPath, const QByteArray& data)
{
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QStringList CachedRecords(CKivvoApp& app)
{
    QStringList records;
    QMutexLocker lock(&app.m_csContacts);
    for (const QString& strRecord : std::as_const(app.m_arrContacts)) {
        if (!strRecord.isEmpty())
            records.append(strRecord);
    }
    return records;
}

// Records of a message box together with the thread it appeared on.
class CThreadNotingHandler : public CRecordingMessageHandler
{
public:
    EAnswer Show(int nStringId, EBoxKind kind, const QString& strText) override
    {
        m_threads.append(QThread::currentThread());
        return CRecordingMessageHandler::Show(nStringId, kind, strText);
    }
    QList<QThread*> m_threads;
};

} // namespace

class TestContacts : public QObject
{
    Q_OBJECT

private slots:
    void reader_data();
    void reader();
    void realExports_data();
    void realExports();
    void everyRealExportLoads();
    void lookup_data();
    void lookup();
    void addressCheck_data();
    void addressCheck();
    void comboFill();
    void loaderReadsTheDocumentsFolder();
    void loaderReportsFailuresOnTheUserInterfaceThread();
    void folderWithoutVCardsIsNotAnError();
    void loaderStopsWhenClosing();
    void closingWhileLoading();
    void lookupsWhileLoading();
    void watchedFolderIsReadAgain();
};

void TestContacts::reader_data()
{
    QTest::addColumn<QByteArray>("vcard");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("3.0 card") << Card("FN:Ann Smith\r\nN:Smith;Ann;;;\r\nEMAIL;TYPE=INTERNET:"
                                      "ann@example.com\r\n")
                              << QStringList{"Ann Smith;Ann;Smith;ann@example.com;;;"};
    QTest::newRow("LF line ends and byte-order mark")
        << QByteArray("\xEF\xBB\xBF"
                      "BEGIN:VCARD\nVERSION:3.0\nFN:Bob\nEMAIL:bob@x.org\nEND:VCARD\n")
        << QStringList{"Bob;;;bob@x.org;;;"};
    QTest::newRow("folded line") << Card("FN:Christopher\r\n  Robin\r\nEMAIL:c@x.org\r\n")
                                 << QStringList{"Christopher Robin;;;c@x.org;;;"};
    QTest::newRow("2.1 quoted-printable with soft break")
        << Card("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;J=\r\n=C3=BCrgen;;;\r\n"
                "EMAIL;INTERNET:j@x.de\r\n",
                "2.1")
        << QStringList{"Jürgen Müller;Jürgen;Müller;j@x.de;;;"};
    QTest::newRow("2.1 bare QUOTED-PRINTABLE and Latin-1")
        << Card("FN;CHARSET=ISO-8859-1;QUOTED-PRINTABLE:Zo=EB\r\nEMAIL:z@x.org\r\n", "2.1")
        << QStringList{"Zoë;;;z@x.org;;;"};
    QTest::newRow("groups and preferred address first")
        << Card("FN:Al\r\nitem1.EMAIL;TYPE=INTERNET:home@x.org\r\nitem2.EMAIL;TYPE=INTERNET,pref:"
                "work@x.org\r\nEMAIL:third@x.org\r\nEMAIL:fourth@x.org\r\n")
        << QStringList{"Al;;;work@x.org;home@x.org;third@x.org;"};
    QTest::newRow("4.0 PREF numbers")
        << Card("FN:Al\r\nEMAIL;PREF=2:b@x.org\r\nEMAIL:c@x.org\r\nEMAIL;PREF=1:a@x.org\r\n", "4.0")
        << QStringList{"Al;;;a@x.org;b@x.org;c@x.org;"};
    QTest::newRow("escapes, and ';' inside a field")
        << Card("FN:Smith\\, Ann\r\nN:Smith;Ann\\;Marie;;;\r\nEMAIL:a@x.org\r\n")
        << QStringList{"Smith, Ann;Ann,Marie;Smith;a@x.org;;;"};
    QTest::newRow("name from N when there is no FN") << Card("N:Doe;John;;;\r\nEMAIL:j@d.com\r\n")
                                                     << QStringList{"John Doe;John;Doe;j@d.com;;;"};
    QTest::newRow("organisation when there is no name")
        << Card("ORG:Acme\\, Inc.;Sales\r\nEMAIL:info@acme.com\r\n")
        << QStringList{"Acme, Inc.;;;info@acme.com;;;"};
    QTest::newRow("no name at all: listed under its address")
        << Card("EMAIL:anon@x.org\r\nEMAIL:other@x.org\r\n")
        << QStringList{"anon@x.org;;;anon@x.org;other@x.org;;"};
    QTest::newRow("contact without e-mail is left out")
        << Card("FN:No Mail\r\nTEL:123\r\n") + Card("FN:Mail\r\nEMAIL:m@x.org\r\n")
        << QStringList{"Mail;;;m@x.org;;;"};
    QTest::newRow("display name around the address")
        << Card("FN:Om\r\nEMAIL:\"Om\" <om@x.org>\r\n") << QStringList{"Om;;;om@x.org;;;"};
    QTest::newRow("lines without colon are skipped")
        << Card("this is not a property\r\nFN:Ok\r\n;;;\r\nEMAIL:ok@x.org\r\n")
        << QStringList{"Ok;;;ok@x.org;;;"};
    QTest::newRow("card without END") << QByteArray("BEGIN:VCARD\r\nFN:Cut\r\nEMAIL:cut@x.org\r\n")
                                      << QStringList{"Cut;;;cut@x.org;;;"};
    QTest::newRow("not a vCard") << QByteArray("FN:Loose\r\nEMAIL:l@x.org\r\n") << QStringList{};
    // Read in well under a second when each byte is looked at once; minutes otherwise.
    QTest::newRow("4 MB folded line without a colon")
        << Card("NOTE" + QByteArray("\r\n folded text, never a colon").repeated(140000) +
                "\r\nFN:After\r\nEMAIL:after@x.org\r\n")
        << QStringList{"After;;;after@x.org;;;"};
}

void TestContacts::reader()
{
    QFETCH(QByteArray, vcard);
    QFETCH(QStringList, records);
    QCOMPARE(Records(vcard), records);
}

void TestContacts::realExports_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("android complicated")
        << "android-v21_complicated.vcf"
        << QStringList{"Joe Due;Forrest;Gump;forrestgump@walladalla.com;cell@example.com;;"};
    QTest::newRow("android pref handling")
        << "android-v21_pref_handling.vcf"
        << QStringList{"Smith;;;test@example.com;test2@examination.com;;"};
    QTest::newRow("android address split over lines")
        << "android-v21_invalid_multiple_line.vcf"
        << QStringList{"Omega;Omega;;omega@example.com;;;"};
    QTest::newRow("iOS item groups") << "android-v30_ios_613_multiline.vcf"
                                     << QStringList{"Bob Smith;Bob;Smith;bob@smithauto.com;;;"};
    QTest::newRow("gmail list") << "ezvcard-gmail-list.vcf"
                                << QStringList{"Arnold Smith;Arnold;Smith;asmithk@gmail.com;;;",
                                               "Chris Beatle;Chris;Beatle;chrisy55d@yahoo.com;;;",
                                               "Doug White;Doug;White;dwhite@gmail.com;;;"};
    QTest::newRow("gmail, many addresses")
        << "ezvcard-gmail-single2.vcf"
        << QStringList{"VCard Test;VCard;Test;email@example.com;homeemail@example.com;"
                       "workemail@example.com;"};
    QTest::newRow("outlook 2003") << "ezvcard-outlook-2003.vcf"
                                  << QStringList{"John Doe III;John;Doe;jdoe@hotmail.com;;;"};
    QTest::newRow("outlook 2007")
        << "ezvcard-outlook-2007.vcf"
        << QStringList{"Mr. Michael Angstadt Jr.;Michael;Angstadt;mike.angstadt@gmail.com;;;"};
    QTest::newRow("RFC 2426 example")
        << "ezvcard-rfc2426-example.vcf"
        << QStringList{"Frank Dawson;;;Frank_Dawson@Lotus.com;fdawson@earthlink.net;;",
                       "Tim Howes;;;howes@netscape.com;;;"};
    QTest::newRow("RFC 6350 example")
        << "ezvcard-rfc6350-example.vcf"
        << QStringList{"Simon Perreault;Simon;Perreault;simon.perreault@viagenie.ca;;;"};
    QTest::newRow("thunderbird")
        << "ezvcard-thunderbird-MoreFunctionsForAddressBook-extension.vcf"
        << QStringList{"John Doe;John;Doe;doe.john@hotmail.com;additional-email@company.com;"
                       "additional-email1@company.com;"};
    QTest::newRow("Shift_JIS name, no address") << "android-v21_japanese_1.vcf" << QStringList{};
}

void TestContacts::realExports()
{
    QFETCH(QString, file);
    QFETCH(QStringList, records);
    QFile vcf(QStringLiteral(KIVVO_VCARD_FIXTURES "/") + file);
    QVERIFY(vcf.open(QIODevice::ReadOnly));
    QCOMPARE(Records(vcf.readAll()), records);
}

void TestContacts::everyRealExportLoads()
{
    const QDir dir(QStringLiteral(KIVVO_VCARD_FIXTURES));
    const QStringList files = dir.entryList({"*.vcf"}, QDir::Files);
    QVERIFY(files.size() >= 40);
    for (const QString& strFile : files) {
        QFile vcf(dir.filePath(strFile));
        QVERIFY(vcf.open(QIODevice::ReadOnly));
        QVERIFY2(!CVCardReader::Parse(vcf.readAll()).isEmpty(), qPrintable(strFile));
    }
    QFile japanese(dir.filePath("android-v21_japanese_1.vcf"));
    QVERIFY(japanese.open(QIODevice::ReadOnly));
    QCOMPARE(CVCardReader::Parse(japanese.readAll()).at(0).m_strFileAs, "安藤ロイド");
}

void TestContacts::lookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("firstName");

    QTest::newRow("differs only in case") << "ann smith" << true << "ann@home.org"
                                          << "Ann";
    QTest::newRow("second address") << "Ann Smith:2" << true << "ann@work.org"
                                    << "Ann";
    QTest::newRow("third address") << "Ann Smith:3" << true << "ann@club.org"
                                   << "Ann";
    QTest::newRow("unknown selector gives the preferred") << "Ann Smith:4" << true << "ann@home.org"
                                                          << "Ann";
    QTest::newRow("only the second address") << "Bob Jones" << true << "bob@work.org"
                                             << "Bob";
    QTest::newRow("empty selected address") << "Bob Jones:1" << true << ""
                                            << "Bob";
    QTest::newRow("first of two equal names wins") << "Cid" << true << "first@x.org"
                                                   << "First";
    QTest::newRow("leading colon: whole text is the key") << ":2" << false << "unchanged"
                                                          << "unchanged";
    QTest::newRow("no such name") << "Nobody" << false << "unchanged"
                                  << "unchanged";
    QTest::newRow("empty text names nobody") << "" << false << "unchanged"
                                             << "unchanged";
    QTest::newRow("empty text with selector names nobody") << ":1" << false << "unchanged"
                                                           << "unchanged";
    QTest::newRow("a colon in the name") << "dr: who" << true << "who@tardis.org"
                                         << "Doctor";
    QTest::newRow("a colon in the name, and a number") << "Dr: Who:2" << true << "doctor@x.org"
                                                       << "Doctor";
    QTest::newRow("the whole text wins over a number") << "Route:66" << true << "route@x.org"
                                                       << "Mother";
    QTest::newRow("only digits make a number") << "Ann Smith:home" << false << "unchanged"
                                               << "unchanged";
}

void TestContacts::lookup()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(QString, address);
    QFETCH(QString, firstName);
    CKivvoApp app;
    app.m_arrContacts[0] = "Ann Smith;Ann;Smith;ann@home.org;ann@work.org;ann@club.org;";
    app.m_arrContacts[1] = "Bob Jones;Bob;Jones;;bob@work.org;;";
    app.m_arrContacts[2] = "Cid;First;C;first@x.org;;;";
    app.m_arrContacts[3] = "cid;Second;C;second@x.org;;;";
    app.m_arrContacts[4] = ";;;nameless@x.org;;;";
    app.m_arrContacts[5] = "Dr: Who;Doctor;Who;who@tardis.org;doctor@x.org;;";
    app.m_arrContacts[6] = "Route;Not;Me;wrong@x.org;;;";
    app.m_arrContacts[7] = "Route:66;Mother;Road;route@x.org;;;";
    QString strAddress = "unchanged";
    QString strFirst = "unchanged";
    QString strLast = "unchanged";
    QCOMPARE(app.LookupContact(text, strAddress, strFirst, strLast), found);
    QCOMPARE(strAddress, address);
    QCOMPARE(strFirst, firstName);
}

void TestContacts::addressCheck_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("kind");
    using E = CKivvoApp::EAddress;
    QTest::newRow("empty") << " " << int(E::Empty);
    QTest::newRow("address") << "ann@example.org" << int(E::Mail);
    QTest::newRow("with display name, and a second")
        << "Ann <ann@example.org>; bob@x.co" << int(E::Mail);
    QTest::newRow("words for the at-sign") << "farah at example" << int(E::Neither);
    QTest::newRow("domain without a dot") << "farah@example" << int(E::Neither);
    QTest::newRow("blank inside") << "farah @example.org" << int(E::Neither);
    QTest::newRow("one good, one bad") << "ann@example.org; bob@" << int(E::Neither);
    QTest::newRow("address-book name") << "ann smith" << int(E::BookName);
    QTest::newRow("address-book name with a colon") << "Dr: Who" << int(E::BookName);
    QTest::newRow("unknown name") << "Farah" << int(E::Neither);
}

void TestContacts::addressCheck()
{
    QFETCH(QString, field);
    QFETCH(int, kind);
    CKivvoApp app;
    app.m_arrContacts[0] = "Ann Smith;Ann;Smith;ann@home.org;;;";
    app.m_arrContacts[1] = "Dr: Who;Doctor;Who;who@tardis.org;;;";
    QCOMPARE(int(app.CheckAddress(field)), kind);
}

void TestContacts::comboFill()
{
    CKivvoApp app;
    app.m_arrContacts[0] = "Ann Smith;Ann;Smith;ann@home.org;;;";
    app.m_arrContacts[1] = "Bob;;;bob@x.org;;;";
    QStringList items{"old"};
    app.FillContactCombo(items);
    QCOMPARE(items.size(), 50);
    QCOMPARE(items.mid(0, 3), (QStringList{"Ann Smith", "Bob", ""}));

    for (int i = 50; i < 75; ++i)
        app.m_arrContacts.append(QStringLiteral("P%1;;;p@x.org;;;").arg(i));
    app.FillContactCombo(items);
    QCOMPARE(items.size(), 75);
    QCOMPARE(items.last(), "P74");
}

void TestContacts::loaderReadsTheDocumentsFolder()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("b-work.vcf"), Card("FN:Zed\r\nEMAIL:zed@x.org\r\n"));
    WriteFile(dir.filePath("a-family.vcf"), Card("FN:Ann\r\nEMAIL:ann@x.org\r\n") +
                                                Card("FN:No Mail\r\n") +
                                                Card("FN:Bob\r\nEMAIL:bob@x.org\r\n"));
    WriteFile(dir.filePath("notes.txt"), Card("FN:Not Read\r\nEMAIL:n@x.org\r\n"));
    CThreadNotingHandler messages;
    CKivvoApp app;
    messages.Watch(app);
    app.m_strFolder = dir.path() + QDir::separator();
    app.LoadContacts();
    app.OnLoadContacts(); // started once only
    QVERIFY(app.WaitForContacts(10000));
    QCOMPARE(CachedRecords(app),
             (QStringList{"Ann;;;ann@x.org;;;", "Bob;;;bob@x.org;;;", "Zed;;;zed@x.org;;;"}));
    QCOMPARE(app.m_arrContacts.size(), 50);
    QVERIFY(messages.m_boxes.isEmpty());
}

void TestContacts::loaderReportsFailuresOnTheUserInterfaceThread()
{
    QTemporaryDir dir;
    QVERIFY(QFile::link(dir.filePath("missing-target"), dir.filePath("a-broken.vcf")));
    WriteFile(dir.filePath("b-not-a-card.vcf"), "just some notes\r\n");
    WriteFile(dir.filePath("c-good.vcf"), Card("FN:Ann\r\nEMAIL:ann@x.org\r\n"));
    CThreadNotingHandler messages;
    CKivvoApp app;
    messages.Watch(app);
    app.m_strFolder = dir.path() + QDir::separator();
    app.OnLoadContacts();
    QVERIFY(app.WaitForContacts(10000));
    QTRY_COMPARE(messages.m_boxes.size(), 2);
    QCOMPARE(messages.Ids(), (QList<int>{IDS_CONTACTS_CREATE_ERROR, IDS_CONTACTS_LOGIN_ERROR}));
    QCOMPARE(messages.m_boxes.at(0).m_strText, "The address book " + dir.filePath("a-broken.vcf") +
                                                   " cannot be opened: No such file or directory");
    QVERIFY(
        messages.m_boxes.at(1).m_strText.endsWith("b-not-a-card.vcf cannot be read: it is not a "
                                                  "vCard file"));
    QCOMPARE(messages.m_threads,
             (QList<QThread*>{QThread::currentThread(), QThread::currentThread()}));
    QCOMPARE(CachedRecords(app), QStringList{"Ann;;;ann@x.org;;;"}); // the others still load
}

void TestContacts::folderWithoutVCardsIsNotAnError()
{
    QTemporaryDir dir;
    CRecordingMessageHandler messages;
    for (const QString& strFolder : {dir.path(), dir.filePath("does-not-exist")}) {
        CKivvoApp app;
        app.m_strFolder = strFolder + QDir::separator();
        app.OnLoadContacts();
        QVERIFY(app.WaitForContacts(10000));
        QCoreApplication::processEvents();
        QVERIFY(CachedRecords(app).isEmpty());
        QString strAddress;
        QString strFirst;
        QString strLast;
        QVERIFY(!app.LookupContact("Ann", strAddress, strFirst, strLast));
    }
    QVERIFY(messages.m_boxes.isEmpty());
}

void TestContacts::loaderStopsWhenClosing()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("a.vcf"), Card("FN:Ann\r\nEMAIL:ann@x.org\r\n"));
    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    app.m_bClosing = true;
    app.OnLoadContacts();
    QVERIFY(app.WaitForContacts(10000));
    QVERIFY(CachedRecords(app).isEmpty());
}

void TestContacts::closingWhileLoading()
{
    // Destroying the application while the loader runs must stop it before the cache goes.
    QTemporaryDir dir;
    QByteArray many;
    for (int i = 0; i < 20000; ++i)
        many += Card(QStringLiteral("FN:P%1\r\nEMAIL:p%1@x.org\r\n").arg(i).toUtf8());
    WriteFile(dir.filePath("many.vcf"), many);
    for (int nRun = 0; nRun < 3; ++nRun) {
        auto pApp = std::make_unique<CKivvoApp>();
        pApp->m_strFolder = dir.path() + QDir::separator();
        pApp->OnLoadContacts();
        QThread::msleep(static_cast<unsigned long>(nRun * 20));
        pApp.reset();
    }
}

void TestContacts::lookupsWhileLoading()
{
    QTemporaryDir dir;
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += Card(QStringLiteral("FN:P%1\r\nEMAIL:p%1@x.org\r\n").arg(i).toUtf8());
    WriteFile(dir.filePath("many.vcf"), many);
    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    app.OnLoadContacts();
    QStringList names;
    QString strAddress;
    QString strFirst;
    QString strLast;
    while (!app.WaitForContacts(0)) {
        app.FillContactCombo(names);
        app.LookupContact(QStringLiteral("P2999"), strAddress, strFirst, strLast);
    }
    QVERIFY(app.LookupContact(QStringLiteral("p2999"), strAddress, strFirst, strLast));
    QCOMPARE(strAddress, "p2999@x.org");
    app.FillContactCombo(names);
    QCOMPARE(names.size(), 3000);
}

void TestContacts::watchedFolderIsReadAgain()
{
    // Address books copied in, rewritten and removed while the program runs.
    QTemporaryDir dir;
    WriteFile(dir.filePath("a.vcf"), Card("FN:Ann\r\nEMAIL:ann@x.org\r\n"));
    CKivvoApp app;
    app.m_strFolder = dir.path() + QDir::separator();
    int nChanged = 0;
    connect(&app, &CKivvoApp::ContactsChanged, this, [&nChanged] { ++nChanged; });
    app.LoadContacts();
    QVERIFY(app.WaitForContacts(10000));
    const QStringList steps[][2] = {
        {{"b.vcf", "FN:Bob\r\nEMAIL:bob@x.org\r\n"}, {"Ann;;;ann@x.org;;;", "Bob;;;bob@x.org;;;"}},
        {{"a.vcf", "FN:Ann\r\nEMAIL:ann@new.org\r\n"},
         {"Ann;;;ann@new.org;;;", "Bob;;;bob@x.org;;;"}},
        {{"a.vcf", ""}, {"Bob;;;bob@x.org;;;"}},
        {{"Kivvo.cfg", "not an address book"}, {"Bob;;;bob@x.org;;;"}},
    };
    int nStep = 0;
    for (const auto& [change, records] : steps) {
        if (change.at(1).isEmpty())
            QVERIFY(QFile::remove(dir.filePath(change.at(0))));
        else
            WriteFile(dir.filePath(change.at(0)), change.at(0).endsWith(".vcf")
                                                      ? Card(change.at(1).toUtf8())
                                                      : change.at(1).toUtf8());
        ++nStep;
        if (change.at(0).endsWith(".vcf"))
            QTRY_COMPARE_WITH_TIMEOUT(nChanged, nStep, 10000);
        QCOMPARE(CachedRecords(app), records);
    }
    QTest::qWait(500);
    QCOMPARE(nChanged, 3); // the settings file is no address book
    QCOMPARE(app.m_arrContacts.size(), 50);
}

QTEST_GUILESS_MAIN(TestContacts)
#include "tst_Contacts.moc"
