// kivvo-cli end to end: the real program on real files.
#include "app/KivvoDoc.h"
#include "model/NameList.h"
#include "notify/CardSheet.h"
#include "support/ArchiveBytes.h"
#include "support/PairShown.h"
#include "support/SmallDisk.h"
#include "support/SmtpTestServer.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Files that hold names and drawn names are the owner's alone.
constexpr QFileDevice::Permissions kOthersOrGroup{QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                  QFileDevice::WriteOther | QFileDevice::ExeOther};

} // namespace

namespace {

struct CRun
{
    int m_nExit;
    QString m_strOut;
    QString m_strErr;
};

// The documents folder of every run: $HOME/Documents of a home made for the test.
QString g_strHome;

// The environment of every run: the home made for the test.
QProcessEnvironment CliEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!g_strHome.isEmpty()) {
        environment.insert(QStringLiteral("HOME"), g_strHome);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), g_strHome + "/.config");
    }
    return environment;
}

// strInput: the file standard input reads; none, no terminal: questions are No.
void StartCli(QProcess& process, const QStringList& arguments,
              const QString& strInput = QProcess::nullDevice())
{
    process.setProcessEnvironment(CliEnvironment());
    process.setProgram(QStringLiteral(KIVVO_CLI_PATH));
    process.setArguments(arguments);
    process.setStandardInputFile(strInput);
    process.start();
}

CRun Finish(QProcess& process)
{
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

CRun RunCli(const QStringList& arguments, const QString& strInput = QProcess::nullDevice())
{
    QProcess process;
    StartCli(process, arguments, strInput);
    return Finish(process);
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PdfText(const QString& strPdf)
{
    QProcess text;
    text.start("pdftotext", {strPdf, "-"});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void buildDrawCopy();
    void failures_data();
    void failures();
    void removeAndRename();
    void unreadableFileIsNamed();
    void config();
    void configChecksAndPassword_data();
    void configChecksAndPassword();
    void contacts();
    void notificationAndSend();
    void sendNeedsMailSetUp_data();
    void sendNeedsMailSetUp();
    void sendSaysWhyTheServerIsNotReached();
    void checkSaysWhy();
    void rulesAndExclusions();
    void importExportSetMove();
    void keyringThatNeverAnswers();
    void renameIsSyncedInItsFolder_data();
    void renameIsSyncedInItsFolder();
    void cardsHoldEveryName_data();
    void cardsHoldEveryName();
    void longTextsGoOnOnTheNextCard_data();
    void longTextsGoOnOnTheNextCard();
    void concurrentWritersKeepEveryChange();
    void fullDiskLeavesFilesAlone_data();
    void fullDiskLeavesFilesAlone();
    void sameEditsSameBytesAsTheDesktop_data();
    void sameEditsSameBytesAsTheDesktop();
    void sealedDrawingShowsNoPair_data();
    void sealedDrawingShowsNoPair();
    void afterARepairOnlyThoseAffectedAreTold();
    void groupNameMailLanguageAndTestMail();
    void rolesAndSeveralGifts();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_strFile;
};

void TestCli::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    m_strFile = m_pDir->filePath(QStringLiteral("circle.kv"));
    g_strHome = m_pDir->filePath(QStringLiteral("home"));
    QDir().mkpath(g_strHome + "/Documents");
}

void TestCli::buildDrawCopy()
{
    QCOMPARE(RunCli({"--version"}).m_strOut, "kivvo-cli " KIVVO_VERSION "\n");
    QCOMPARE(RunCli({"new", m_strFile}).m_nExit, 0);
    QCOMPARE(RunCli({"add", m_strFile, "Ann", "--suggestions", "Books"}).m_strOut, "Ann\n");
    QCOMPARE(RunCli({"add", m_strFile, "ann"}).m_strOut, "ann1\n");
    QCOMPARE(RunCli({"add-group", m_strFile, "Smiths"}).m_nExit, 0);
    QCOMPARE(RunCli({"add", m_strFile, "Zoë", "--group", "Smiths", "--address", "z@example.com"})
                 .m_strOut,
             "Zoë\n");
    QCOMPARE(RunCli({"add", m_strFile, "李雷", "--group", "Smiths"}).m_nExit, 0);
    QCOMPARE(RunCli({"report", m_strFile}).m_strOut, "Ann\nann1\n***Smiths\n   Zoë\n   李雷\n");

    const CRun declined = RunCli({"draw", m_strFile});
    QCOMPARE(declined.m_nExit, 1);
    QVERIFY(declined.m_strErr.contains("Are you sure you want to draw names now?"));

    const CRun drawn = RunCli({"draw", m_strFile, "--yes"});
    QCOMPARE(drawn.m_nExit, 0);
    QVERIFY(drawn.m_strErr.contains("pass around this computer"));
    // Three persons have two drawings: a redraw often gives the same one, and it is drawn.
    const QString strThree = m_pDir->filePath("three.kv");
    RunCli({"new", strThree});
    for (const char* pName : {"Ann", "Bob", "Cid"})
        RunCli({"add", strThree, pName});
    for (int i = 0; i < 8; ++i) {
        const CRun redrawn = RunCli({"draw", strThree, "--yes"});
        QCOMPARE(redrawn.m_nExit, 0);
        QVERIFY(redrawn.m_strOut.startsWith("Names drawn for 3 persons"));
    }
    const QString strReport = RunCli({"report", m_strFile, "--gift-to"}).m_strOut;
    QCOMPARE(strReport.count(" --> "), 4);
    QVERIFY(!strReport.contains(" --> \n"));

    const CRun copied = RunCli({"copy", m_strFile, "--yes"});
    QCOMPARE(copied.m_nExit, 0);
    QCOMPARE(RunCli({"lists", m_strFile}).m_strOut, "List New Copy\nList\n");
    QCOMPARE(RunCli({"report", m_strFile, "--list", "1", "--gift-to"}).m_strOut, strReport);
    QCOMPARE(RunCli({"report", m_strFile}).m_strOut, "Ann\nann1\n***Smiths\n   Zoë\n   李雷\n");
}

void TestCli::failures_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE stands for a document of two persons
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("error");

    QTest::newRow("no arguments") << QStringList{} << 2 << "";
    QTest::newRow("unknown command") << QStringList{"shuffle", "FILE"} << 2 << "unknown command";
    QTest::newRow("unknown option")
        << QStringList{"--versio"} << 2 << "Unknown option 'versio'; see kivvo-cli --help";
    QTest::newRow("missing name") << QStringList{"add", "FILE"} << 2 << "add takes FILE NAME";
    QTest::newRow("option of another command")
        << QStringList{"lists", "FILE", "--yes"} << 2 << "does not take --yes";
    QTest::newRow("bad list number")
        << QStringList{"report", "FILE", "--list", "x"} << 2 << "not a number";
    QTest::newRow("list out of range")
        << QStringList{"report", "FILE", "--list", "1"} << 1 << "no drawing number 1";
    QTest::newRow("new refuses to overwrite")
        << QStringList{"new", "FILE"} << 1 << "exists already";
    QTest::newRow("no such group")
        << QStringList{"add", "FILE", "Cid", "--group", "X"} << 1 << "no group named \"X\"";
    QTest::newRow("draw needs three persons")
        << QStringList{"draw", "FILE", "--yes"} << 1 << "more than two persons";
    QTest::newRow("remove unknown")
        << QStringList{"remove", "FILE", "Nobody"} << 1 << "no person or group named";
    QTest::newRow("empty name") << QStringList{"add", "FILE", ""} << 2 << "cannot be empty";
    QTest::newRow("check needs three persons")
        << QStringList{"check", "FILE"} << 1 << "more than two persons";
    QTest::newRow("copy needs three persons, as draw does")
        << QStringList{"copy", "FILE", "--yes"} << 1 << "more than two persons";
    QTest::newRow("exclude somebody unknown")
        << QStringList{"exclude", "FILE", "Ann", "Nobody"} << 1 << "no person named \"Nobody\"";
    QTest::newRow("exclude himself")
        << QStringList{"exclude", "FILE", "Ann", "ann"} << 2 << "Nobody draws himself anyway";
    QTest::newRow("lift an exclusion not made")
        << QStringList{"exclude", "FILE", "Ann", "Bob", "--remove"} << 1
        << "Ann is not kept from drawing Bob";
    QTest::newRow("history out of range")
        << QStringList{"rules", "FILE", "--history", "256"} << 2 << "from 0 to 255, or all";
    QTest::newRow("a rule neither on nor off")
        << QStringList{"rules", "FILE", "--one-circle", "yes"} << 2 << "takes on or off";
    QTest::newRow("a role it does not know")
        << QStringList{"set", "FILE", "Ann", "--role", "giver"} << 2
        << "kivvo-cli: --role takes both, gives or receives, not \"giver\"; see";
    QTest::newRow("gifts out of range")
        << QStringList{"rules", "FILE", "--gifts", "6"} << 2
        << "kivvo-cli: --gifts takes a number from 1 to 5, not \"6\"; see";
    QTest::newRow("a language code with more after it")
        << QStringList{"cards", "FILE", "--pdf", "FILE.pdf", "--language", "de!x"} << 2
        << "--language takes one of";
    QTest::newRow("cards need a file to write")
        << QStringList{"cards", "FILE"} << 2 << "cards needs --pdf OUT.pdf";
    QTest::newRow("cards of an undrawn list") << QStringList{"cards", "FILE", "--pdf", "FILE.pdf"}
                                              << 1 << "No names have been drawn in this list yet";
}

void TestCli::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exit);
    QFETCH(QString, error);
    RunCli({"new", m_strFile});
    RunCli({"add", m_strFile, "Ann"});
    RunCli({"add", m_strFile, "Bob"});
    QFile file(m_strFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    arguments.replaceInStrings(QStringLiteral("FILE"), m_strFile);
    const CRun run = RunCli(arguments);
    QCOMPARE(run.m_nExit, exit);
    QVERIFY2(run.m_strErr.contains(error), qPrintable(run.m_strErr));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestCli::cardsHoldEveryName_data()
{
    QTest::addColumn<QString>("person");  // --person, or empty for everybody
    QTest::addColumn<bool>("addedSince"); // somebody joined after the drawing
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("details"); // the exchange has a date and a budget

    QTest::newRow("everybody, two pages") << "" << false << 5 << 2 << false;
    QTest::newRow("one person") << "zoë" << false << 1 << 1 << false;
    QTest::newRow("stale drawing") << "" << true << 0 << 0 << false;
    QTest::newRow("with the exchange's details") << "Ann" << false << 1 << 1 << true;
}

void TestCli::cardsHoldEveryName()
{
    QFETCH(QString, person);
    QFETCH(bool, addedSince);
    QFETCH(int, cards);
    QFETCH(int, pages);
    QFETCH(bool, details);
    RunCli({"new", m_strFile});
    if (details)
        QCOMPARE(RunCli({"details", m_strFile, "--date", "2026-12-24", "--budget", "25 €"}).m_nExit,
                 0);
    for (const char* pName : {"Zoë", "李雷", "Ann", "Bob", "Łukasz"})
        RunCli({"add", m_strFile, QString::fromUtf8(pName), "--suggestions", "Tea"});
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    if (addedSince)
        RunCli({"add", m_strFile, "Eve"});
    QStringList pairs = RunCli({"report", m_strFile, "--gift-to"}).m_strOut.split(u'\n');
    pairs.removeAll(QString());
    const QString strPdf = m_pDir->filePath("cards.pdf");
    QStringList arguments{"cards", m_strFile, "--pdf", strPdf};
    if (!person.isEmpty())
        arguments << "--person" << person;

    const CRun run = RunCli(arguments);
    if (cards == 0) {
        QCOMPARE(run.m_nExit, 1);
        QVERIFY2(run.m_strErr.contains("Eve has no drawn name"), qPrintable(run.m_strErr));
        QVERIFY(!QFile::exists(strPdf));
        // Nor is anybody's e-mail text shown from it.
        const CRun text = RunCli({"notification", m_strFile, "Ann"});
        QCOMPARE(text.m_nExit, 1);
        QVERIFY(run.m_strErr.endsWith(text.m_strErr)); // the same message as the cards'
        QVERIFY(text.m_strErr.contains("Eve has no drawn name"));
        QVERIFY(text.m_strOut.isEmpty());
        return;
    }
    QCOMPARE(run.m_nExit, 0);
    QCOMPARE(QFile::permissions(strPdf) & kOthersOrGroup, QFileDevice::Permissions());
    QVERIFY2(run.m_strOut.startsWith(QString::number(cards) + (cards == 1 ? " card " : " cards ")),
             qPrintable(run.m_strOut));
    QProcess info;
    info.start("pdfinfo", {strPdf});
    QVERIFY(info.waitForFinished());
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                .contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))));
    // Each card is a quarter of its A4 page (595 x 842 points), in list order.
    int nCard = 0;
    for (const QString& strPair : std::as_const(pairs)) {
        const QString strGiver = strPair.section(" --> ", 0, 0);
        const QString strGiftTo = strPair.section(" --> ", 1);
        if (!person.isEmpty() && strGiver.compare(person, Qt::CaseInsensitive) != 0)
            continue;
        const int nPage = nCard / 4 + 1;
        const int nQuarter = nCard++ % 4;
        QProcess text;
        text.start("pdftotext",
                   {"-f", QString::number(nPage), "-l", QString::number(nPage), "-x",
                    QString::number(nQuarter % 2 * 297), "-y", QString::number(nQuarter / 2 * 421),
                    "-W", "297", "-H", "421", strPdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString strCard = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(strCard.contains("For " + strGiver), qPrintable(strCard));
        QVERIFY2(strCard.contains(strGiver + " gives a gift to\n\n" + strGiftTo + "\n"),
                 qPrintable(strCard));
        QCOMPARE(strCard.contains(QString::fromUtf8("List \u2014 24 December 2026")) &&
                     strCard.contains(QString::fromUtf8("Budget: 25 €")),
                 details);
    }
    QCOMPARE(nCard, cards);
}

void TestCli::longTextsGoOnOnTheNextCard_data()
{
    QTest::addColumn<int>("noteWords");
    QTest::addColumn<int>("suggestionWords");
    QTest::addColumn<bool>("tooLong"); // more than one person's cards hold

    QTest::newRow("a long note") << 160 << 3 << false;
    QTest::newRow("long suggestions") << 0 << 300 << false;
    QTest::newRow("more than eight cards hold") << 0 << 3000 << true;
}

void TestCli::longTextsGoOnOnTheNextCard()
{
    QFETCH(int, noteWords);
    QFETCH(int, suggestionWords);
    QFETCH(bool, tooLong);
    const auto words = [](const char* pszMark, int nCount) {
        QStringList list;
        for (int n = 1; n <= nCount; ++n)
            list.append(QString::asprintf("%s%04d", pszMark, n));
        return list;
    };
    const QStringList note = words("n", noteWords);
    const QStringList suggestions = words("s", suggestionWords);
    RunCli({"new", m_strFile});
    if (noteWords > 0)
        QCOMPARE(RunCli({"details", m_strFile, "--note", note.join(u' ')}).m_nExit, 0);
    for (const char* pName : {"Ann", "Bob", "Cid"})
        RunCli({"add", m_strFile, pName, "--suggestions", suggestions.join(u' ')});
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    const QString strPdf = m_pDir->filePath("cards.pdf");
    QCOMPARE(RunCli({"cards", m_strFile, "--pdf", strPdf, "--person", "Ann"}).m_nExit, 0);

    // Card by card, a quarter of a page each: every word once, in order, nothing dropped.
    QStringList noteRead;
    QStringList suggestionsRead;
    QString strLast;
    int nCards = 0;
    for (;; ++nCards) {
        QProcess text;
        text.start("pdftotext",
                   {"-f", QString::number(nCards / 4 + 1), "-l", QString::number(nCards / 4 + 1),
                    "-x", QString::number(nCards % 2 * 297), "-y",
                    QString::number(nCards % 4 / 2 * 421), "-W", "297", "-H", "421", strPdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString strCard = QString::fromUtf8(text.readAllStandardOutput());
        if (!strCard.contains("For Ann"))
            break;
        QCOMPARE(strCard.contains("(continued)"), nCards > 0);
        if (!strLast.isEmpty())
            QVERIFY2(strLast.contains("Continued on the next card"), qPrintable(strLast));
        for (const auto& [pRead, strMark] : {std::pair{&noteRead, "n"}, {&suggestionsRead, "s"}}) {
            QRegularExpressionMatchIterator it =
                QRegularExpression(QStringLiteral("\\b%1\\d{4}\\b").arg(strMark))
                    .globalMatch(strCard);
            while (it.hasNext())
                pRead->append(it.next().captured());
        }
        strLast = strCard;
    }
    QVERIFY(nCards > 1);
    QCOMPARE(noteRead.join(u' '), noteWords > 0 ? note.join(u' ') : QString());
    if (!tooLong) {
        QCOMPARE(suggestionsRead, suggestions);
        QVERIFY(!strLast.contains("Continued on the next card"));
        return;
    }
    // What eight cards do not hold is said to be left out, on the eighth.
    QCOMPARE(nCards, CCardSheet::kMostCardsEach);
    QVERIFY2(strLast.contains("The rest is too long for the cards"), qPrintable(strLast));
    QCOMPARE(suggestionsRead, suggestions.mid(0, suggestionsRead.size()));
}

void TestCli::removeAndRename()
{
    RunCli({"new", m_strFile});
    RunCli({"add", m_strFile, "Ann"});
    RunCli({"add-group", m_strFile, "Fam"});
    RunCli({"add", m_strFile, "Bob", "--group", "Fam"});
    RunCli({"add", m_strFile, "Cid", "--group", "Fam"});
    QCOMPARE(RunCli({"remove", m_strFile, "BOB"}).m_nExit, 0);
    QCOMPARE(RunCli({"report", m_strFile}).m_strOut, "Ann\n***Fam\n   Cid\n");
    QCOMPARE(RunCli({"remove", m_strFile, "Fam"}).m_nExit, 0);
    QCOMPARE(RunCli({"report", m_strFile}).m_strOut, "Ann\n");
    QCOMPARE(RunCli({"rename-list", m_strFile, "Christmas 2026"}).m_nExit, 0);
    QCOMPARE(RunCli({"lists", m_strFile}).m_strOut, "Christmas 2026\n");
}

void TestCli::unreadableFileIsNamed()
{
    QFile file(m_strFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a document at all");
    file.close();
    const CRun run = RunCli({"lists", m_strFile});
    QCOMPARE(run.m_nExit, 1);
    QVERIFY2(run.m_strErr.contains("Cannot read the file") && run.m_strErr.contains("circle.kv"),
             qPrintable(run.m_strErr));
    QVERIFY(run.m_strOut.isEmpty());
}

void TestCli::config()
{
    const CRun defaults = RunCli({"config"});
    QCOMPARE(defaults.m_nExit, 0);
    QVERIFY(defaults.m_strOut.contains("port: 25\n"));
    // Nothing stands in for what was never set.
    QVERIFY2(defaults.m_strOut.contains("server: (not set)\nport: 25\nfrom: (not set)\nuser: (not "
                                        "set)\npassword: not set\nfooter: (not set)\n"),
             qPrintable(defaults.m_strOut));
    QVERIFY(defaults.m_strOut.contains(g_strHome + "/Documents/Kivvo.cfg"));
    QVERIFY(!defaults.m_strOut.contains("require-tls"));

    QCOMPARE(RunCli({"config", "--server", "mail.example.org", "--port", "587", "--user", "",
                     "--password", "secret", "--footer", "Ho ho ho", "--require-tls", "on"})
                 .m_nExit,
             0);
    const CRun changed = RunCli({"config"});
    QVERIFY(changed.m_strOut.contains("server: mail.example.org\nport: 587\n"));
    QVERIFY(changed.m_strOut.contains("user: (not set)\npassword: set\nfooter: Ho ho ho\n"));
    QVERIFY(!changed.m_strOut.contains("secret"));
    QVERIFY(changed.m_strOut.contains("\nrequire-tls: on\n"));
    QCOMPARE(RunCli({"config", "extra"}).m_nExit, 2);
    QCOMPARE(RunCli({"config", "--require-tls", "yes"}).m_nExit, 2);
}

void TestCli::configChecksAndPassword_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("password"); // what the file then holds

    QTest::newRow("password on standard input")
        << QStringList{"config", "--password-stdin"} << QByteArray("from stdin\n") << 0
        << "Settings saved"
        << "from stdin";
    QTest::newRow("password as a value, visible to others")
        << QStringList{"config", "--password", "app password"} << QByteArray() << 0
        << "can be seen by other users in the process list; give it with --password-stdin"
        << "app password";
    QTest::newRow("password asked without a terminal")
        << QStringList{"config", "--password", "--user", "santa"} << QByteArray() << 2
        << "--password-stdin"
        << "";
    QTest::newRow("two senders") << QStringList{"config", "--from", "a@b.c; d@e.f", "--password",
                                                "new"}
                                 << QByteArray() << 2 << "--from: Enter one e-mail address"
                                 << "";
    QTest::newRow("port out of range") << QStringList{"config", "--port", "70000"} << QByteArray()
                                       << 2 << "--port: The port is a number from 1 to 65535"
                                       << "";
    QTest::newRow("server with a blank")
        << QStringList{"config", "--server", "smtp example.org"} << QByteArray() << 2
        << "--server: Enter the name of the mail server"
        << "";
    QTest::newRow("first of several calls: what is still missing is said")
        << QStringList{"config", "--server", "smtp.example.org", "--password", "pw"} << QByteArray()
        << 0 << "Mail is not set up yet: --from still to be set"
        << "pw";
}

void TestCli::configChecksAndPassword()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exit);
    QFETCH(QString, said);
    QFETCH(QString, password);
    const QString strInput = m_pDir->filePath("input");
    QFile file(strInput);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(input);
    file.close();
    QCOMPARE(RunCli({"config"}).m_nExit, 0); // the defaults, written
    QVERIFY(
        QFile::copy(g_strHome + "/Documents/Kivvo.cfg", g_strHome + "/Documents/Kivvo.cfg.before"));

    const CRun run = RunCli(arguments, strInput);
    QCOMPARE(run.m_nExit, exit);
    QVERIFY2((run.m_strOut + run.m_strErr).contains(said), qPrintable(run.m_strOut + run.m_strErr));
    const QByteArray stored = ReadAll(g_strHome + "/Documents/Kivvo.cfg");
    QVERIFY(stored.contains(
        QByteArray(reinterpret_cast<const char*>(password.utf16()), password.size() * 2)));
    if (exit != 0)
        QCOMPARE(stored, ReadAll(g_strHome + "/Documents/Kivvo.cfg.before"));
}

void TestCli::contacts()
{
    QFile vcf(g_strHome + "/Documents/family.vcf");
    QVERIFY(vcf.open(QIODevice::WriteOnly));
    vcf.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Smith\r\nN:Smith;Ann;;;\r\n"
              "EMAIL:ann@home.org\r\nEMAIL:ann@work.org\r\nEND:VCARD\r\n");
    vcf.close();
    QCOMPARE(RunCli({"contacts"}).m_strOut, "Ann Smith\n");
    const CRun found = RunCli({"contacts", "--lookup", "ann smith:2"});
    QCOMPARE(found.m_nExit, 0);
    QCOMPARE(found.m_strOut, "address: ann@work.org\nfirst name: Ann\nlast name: Smith\n");
    const CRun missing = RunCli({"contacts", "--lookup", "Bob"});
    QCOMPARE(missing.m_nExit, 1);
    QVERIFY(missing.m_strErr.contains("no address-book entry matches \"Bob\""));
}

void TestCli::sendNeedsMailSetUp_data()
{
    QTest::addColumn<QByteArray>("settings"); // Kivvo.cfg; none when empty
    QTest::addColumn<QString>("missing");

    const QByteArray rest = Int(0) + Int(2) + Str("kivvo.example.com") + Str("").repeated(6);
    QTest::newRow("never set up") << QByteArray() << "--server, --from";
    QTest::newRow("stand-ins an earlier version wrote")
        << Str("smtp.example.com") + Int(25) + Str("kivvo@example.com") + Str("kivvo") +
               Str("password") + rest
        << "--server, --from";
    QTest::newRow("sender still the stand-in")
        << Str("127.0.0.1") + Int(25) + Str("kivvo@example.com") + Str("") + Str("") + rest
        << "--from";
}

void TestCli::sendNeedsMailSetUp()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, missing);
    if (!settings.isEmpty()) {
        QFile file(g_strHome + "/Documents/Kivvo.cfg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }
    RunCli({"new", m_strFile});
    for (const char* pName : {"Ann", "Bob", "Cid"})
        RunCli({"add", m_strFile, pName, "--address", QString(pName) + "@example.org"});
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    // Stopped at once, before any server is looked up or tried.
    const CRun run = RunCli({"send", m_strFile, "--yes"});
    QCOMPARE(run.m_nExit, 1);
    QCOMPARE(run.m_strOut, "");
    QCOMPARE(run.m_strErr, "kivvo-cli: mail is not set up yet (" + missing +
                               "); nothing was sent. Set it up first with\n  kivvo-cli config "
                               "--server HOST --from ADDRESS [--user NAME --password]\n");
    // The stand-in footer never reaches an e-mail.
    QVERIFY(RunCli({"notification", m_strFile, "Ann"}).m_strOut.endsWith("\n\n\n"));
}

void TestCli::notificationAndSend()
{
    CSmtpTestServer server;
    QVERIFY(server.IsReady());
    RunCli({"config", "--server", "127.0.0.1", "--port", QString::number(server.Port()), "--user",
            "", "--from", "santa@example.com", "--footer", "Footer text"});
    // Two on their own and a household of two: the draw never fails for this circle.
    RunCli({"new", m_strFile});
    RunCli({"add", m_strFile, "Ann", "--address", "ann@example.com"});
    RunCli({"add", m_strFile, "Dan"});
    RunCli({"add-group", m_strFile, "Fam"});
    RunCli({"add", m_strFile, "Bob", "--group", "Fam", "--address", "bob@example.com"});
    RunCli({"add", m_strFile, "Cid", "--group", "Fam"});
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);

    const CRun text = RunCli({"notification", m_strFile, "ann"});
    QCOMPARE(text.m_nExit, 0);
    QVERIFY(text.m_strOut.startsWith("Hi Ann!\n\nThis is your automatic"));
    QVERIFY(text.m_strOut.endsWith("\n\n\nFooter text"));
    QVERIFY(!text.m_strOut.contains('\r'));
    QCOMPARE(RunCli({"notification", m_strFile, "Nobody"}).m_nExit, 1);

    QCOMPARE(RunCli({"send", m_strFile}).m_nExit, 1); // no terminal: the question is No
    const CRun all = RunCli({"send", m_strFile, "--yes"});
    QCOMPARE(all.m_nExit, 0);
    QVERIFY2(all.m_strOut.contains("Email sent to: Ann, address: ann@example.com\n") &&
                 all.m_strOut.contains("Skipped [Dan]: no email address\n") &&
                 all.m_strOut.endsWith("Sent emails to 2 out of 4 participants\n"),
             qPrintable(all.m_strOut));
    const CRun one = RunCli({"send", m_strFile, "--person", "bob"});
    QCOMPARE(one.m_nExit, 0);
    QVERIFY(one.m_strOut.startsWith("Email sent to: Bob, address: bob@example.com\n"));
    QCOMPARE(RunCli({"send", m_strFile, "--person", "Cid"}).m_nExit, 1);
    QVERIFY(server.WaitForMessages(3));
    QCOMPARE(server.Messages().at(2).m_recipients, QStringList{"bob@example.com"});

    // A person added after the drawing: nothing goes out until names are drawn again.
    RunCli({"add", m_strFile, "Eve", "--address", "eve@example.com"});
    const CRun stale = RunCli({"send", m_strFile, "--yes"});
    QCOMPARE(stale.m_nExit, 1);
    QVERIFY2(stale.m_strErr.contains("Eve has no drawn name"), qPrintable(stale.m_strErr));
    QCOMPARE(RunCli({"send", m_strFile, "--person", "Ann"}).m_nExit, 1);
    QTest::qWait(200);
    QCOMPARE(server.Messages().size(), 3);

    // The mail layer's traces are for whoever asks for them, and name no source path.
    RunCli({"remove", m_strFile, "Eve"});
    RunCli({"config", "--port", "1"});
    const CRun failed = RunCli({"send", m_strFile, "--person", "Ann"});
    QCOMPARE(failed.m_nExit, 1);
    QVERIFY2(!failed.m_strErr.contains("failed at MailTransport"), qPrintable(failed.m_strErr));
    qputenv("QT_LOGGING_RULES", "kivvo.mail.debug=true");
    const CRun traced = RunCli({"send", m_strFile, "--person", "Ann"});
    qunsetenv("QT_LOGGING_RULES");
    const QStringList traces = traced.m_strErr.split(u'\n').filter("failed at MailTransport:");
    QVERIFY2(!traces.isEmpty() && !traces.join(u'\n').contains(u'/'), qPrintable(traced.m_strErr));
}

void TestCli::sendSaysWhyTheServerIsNotReached()
{
    // A drawn circle, and a server that refuses every connection.
    RunCli({"config", "--server", "127.0.0.1", "--port", "1", "--user", "", "--from",
            "santa@example.com"});
    RunCli({"new", m_strFile});
    RunCli({"add", m_strFile, "Ann", "--address", "ann@example.com"});
    RunCli({"add", m_strFile, "Bob"});
    RunCli({"add", m_strFile, "Cid"});
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    const CRun run = RunCli({"send", m_strFile, "--yes"});
    QCOMPARE(run.m_nExit, 1);
    QVERIFY2(run.m_strErr.contains("could not be reached"), qPrintable(run.m_strErr));
}

void TestCli::keyringThatNeverAnswers()
{
    // A session bus that takes the connection and never says a word.
    const QString strBus = m_pDir->filePath("bus");
    QProcess bus;
    bus.start("/usr/bin/python3", {KIVVO_SILENT_BUS_SCRIPT, strBus});
    QVERIFY(bus.waitForReadyRead(10000));
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(strBus));
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    const QString strInput = m_pDir->filePath("input");
    QFile input(strInput);
    QVERIFY(input.open(QIODevice::WriteOnly));
    input.write("secret\n");
    input.close();
    const CRun run = RunCli({"config", "--password-stdin"}, strInput);
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_CURRENT_DESKTOP");
    bus.kill();
    bus.waitForFinished();
    // Given up on after a few seconds, said so, and the password kept in the file instead.
    QCOMPARE(run.m_nExit, 0);
    QVERIFY2(run.m_strErr.contains("The desktop's keyring does not answer"),
             qPrintable(run.m_strErr));
    QVERIFY(ReadAll(g_strHome + "/Documents/Kivvo.cfg").contains(QByteArray("s\0e\0c\0r\0e\0t\0")));
}

void TestCli::renameIsSyncedInItsFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file"); // the file the command saves
    QTest::newRow("document") << QStringList{"add", "FILE", "Cid"} << "FILE";
    QTest::newRow("settings") << QStringList{"config", "--footer", "Hi"}
                              << "HOME/Documents/Kivvo.cfg";
}

void TestCli::renameIsSyncedInItsFolder()
{
    // Until the folder is synced, a power cut may lose the new name of a saved file.
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QCOMPARE(RunCli({"new", m_strFile}).m_nExit, 0);
    QCOMPARE(RunCli({"config"}).m_nExit, 0);
    file.replace("FILE", m_strFile).replace("HOME", g_strHome);
    const QString strLog = m_pDir->filePath("strace.log");
    QProcess strace;
    strace.setProcessEnvironment(CliEnvironment());
    strace.setStandardInputFile(QProcess::nullDevice());
    strace.start("strace", QStringList{"-f", "-e", "trace=rename,renameat,renameat2,openat,fsync",
                                       "-o", strLog, KIVVO_CLI_PATH} +
                               arguments.replaceInStrings("FILE", m_strFile));
    if (!strace.waitForFinished(30000) || strace.exitCode() != 0)
        QSKIP("strace cannot trace here");
    const QStringList lines = QString::fromUtf8(ReadAll(strLog)).split(u'\n');
    const QString strFolder = QFileInfo(file).absolutePath();
    const QRegularExpression renamed(
        "rename.*[/\"]" + QRegularExpression::escape(QFileInfo(file).fileName()) + "\"\\) = 0");
    const QRegularExpression opened("openat\\(.*\"" + QRegularExpression::escape(strFolder) +
                                    "\".*O_DIRECTORY.*= (\\d+)");
    qsizetype nLine = 0;
    while (nLine < lines.size() && !renamed.match(lines.at(nLine)).hasMatch())
        ++nLine;
    QVERIFY2(nLine < lines.size(), qPrintable(lines.join(u'\n')));
    QString strFd;
    for (++nLine; nLine < lines.size() && strFd.isEmpty(); ++nLine)
        strFd = opened.match(lines.at(nLine)).captured(1);
    QVERIFY2(!strFd.isEmpty(), qPrintable(lines.join(u'\n')));
    QVERIFY2(lines.mid(nLine).join(u'\n').contains(
                 QRegularExpression("fsync\\(" + strFd + "\\) +=\\s*0")),
             qPrintable(lines.join(u'\n')));
}

void TestCli::checkSaysWhy()
{
    RunCli({"new", m_strFile});
    RunCli({"add-group", m_strFile, "Fam"});
    for (const char* pName : {"Ann", "Bob", "Cid"})
        RunCli({"add", m_strFile, pName, "--group", "Fam"});
    RunCli({"add", m_strFile, "Dan"});
    const CRun blocked = RunCli({"check", m_strFile});
    QCOMPARE(blocked.m_nExit, 1);
    QVERIFY2(blocked.m_strOut.contains("Ann, Bob and Cid can only give to Dan"),
             qPrintable(blocked.m_strOut));
    RunCli({"add", m_strFile, "Eve"});
    RunCli({"add", m_strFile, "Fay"});
    QCOMPARE(RunCli({"check", m_strFile}).m_nExit, 0);
}

void TestCli::rulesAndExclusions()
{
    RunCli({"new", m_strFile});
    for (const char* pName : {"Ann", "Bob", "Cid", "Dan"})
        RunCli({"add", m_strFile, pName});
    QCOMPARE(RunCli({"exclude", m_strFile, "ann", "BOB", "--both"}).m_strOut,
             "Ann never draws Bob\nBob never draws Ann\n");
    const CRun set = RunCli({"rules", m_strFile, "--history", "all", "--no-mutual", "on"});
    QCOMPARE(set.m_nExit, 0);
    QCOMPARE(set.m_strOut, "history: 255 (nobody draws a person he gave to in the last 255 "
                           "exchanges)\nno mutual pairs: on\none circle: off\nseal: off\n"
                           "quote earlier drawings: on\n"
                           "exclusions in \"List\":\n  Ann never draws Bob\n  Bob never draws "
                           "Ann\n");
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    const QString strDrawn = RunCli({"report", m_strFile, "--gift-to"}).m_strOut;
    QVERIFY2(!strDrawn.contains("Ann --> Bob") && !strDrawn.contains("Bob --> Ann"),
             qPrintable(strDrawn));

    RunCli({"exclude", m_strFile, "Ann", "Cid"});
    RunCli({"exclude", m_strFile, "Ann", "Dan"});
    const CRun blocked = RunCli({"check", m_strFile});
    QCOMPARE(blocked.m_nExit, 1);
    QVERIFY2(blocked.m_strOut.contains("Ann cannot give to anybody") &&
                 blocked.m_strOut.contains("Ann never draws Dan"),
             qPrintable(blocked.m_strOut));
    QCOMPARE(RunCli({"exclude", m_strFile, "Ann", "Bob", "--both", "--remove"}).m_strOut,
             "Ann may draw Bob again\nBob may draw Ann again\n");
    QCOMPARE(RunCli({"check", m_strFile}).m_nExit, 0);
}

void TestCli::importExportSetMove()
{
    RunCli({"new", m_strFile});
    RunCli({"add", m_strFile, "Ann"});
    const QString strCsv = m_pDir->filePath("in.csv");
    QFile csv(strCsv);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("name;address;suggestions\nann;;\nBob;bob@x.org;\"Tea; cake\"\nCid;;\n");
    csv.close();
    const CRun imported = RunCli({"import", m_strFile, strCsv, "--group", "Office"});
    QCOMPARE(imported.m_nExit, 0);
    QCOMPARE(imported.m_strOut, "Imported 2 participants into \"List\"\n");
    QVERIFY2(imported.m_strErr.contains("not imported again: ann"), qPrintable(imported.m_strErr));
    QCOMPARE(RunCli({"report", m_strFile}).m_strOut, "Ann\n***Office\n   Bob\n   Cid\n");

    QCOMPARE(RunCli({"move", m_strFile, "cid", "--top"}).m_nExit, 0);
    QCOMPARE(RunCli({"move", m_strFile, "Ann", "--group", "Office"}).m_nExit, 0);
    const CRun renamed = RunCli({"set", m_strFile, "Cid", "--name", "BOB", "--address", "c@x.org"});
    QCOMPARE(renamed.m_strOut, "BOB1\n");
    QVERIFY(renamed.m_strErr.contains("so the person is named \"BOB1\""));
    QCOMPARE(RunCli({"report", m_strFile}).m_strOut, "***Office\n   Bob\n   Ann\nBOB1\n");

    const QString strOut = m_pDir->filePath("out.csv");
    QCOMPARE(RunCli({"export", m_strFile, "--csv", strOut}).m_nExit, 0);
    QCOMPARE(QFile::permissions(strOut) & kOthersOrGroup, QFileDevice::Permissions());
    QCOMPARE(ReadAll(strOut), QByteArray("name,address,suggestions,group\r\n"
                                         "Bob,bob@x.org,Tea; cake,Office\r\nAnn,,,Office\r\n"
                                         "BOB1,c@x.org,,\r\n"));
    QCOMPARE(RunCli({"move", m_strFile, "Ann"}).m_nExit, 2);
}

void TestCli::concurrentWritersKeepEveryChange()
{
    QCOMPARE(RunCli({"new", m_strFile}).m_nExit, 0);
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < 20; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        StartCli(*writers.back(), {"add", m_strFile, QStringLiteral("P%1").arg(i)});
    }
    for (auto& pWriter : writers) {
        const CRun run = Finish(*pWriter);
        QVERIFY2(run.m_nExit == 0, qPrintable(run.m_strErr));
    }
    const QStringList persons =
        RunCli({"report", m_strFile}).m_strOut.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(persons.size(), 20);
    QVERIFY(!QFileInfo::exists(m_strFile + ".lock"));

    // A writer that does not finish keeps the others out, and they say so.
    QLockFile held(m_strFile + ".lock");
    QVERIFY(held.lock());
    const QByteArray before = ReadAll(m_strFile);
    const CRun blocked = RunCli({"add", m_strFile, "Late"});
    QCOMPARE(blocked.m_nExit, 1);
    QVERIFY2(blocked.m_strErr.contains("is being changed by another program"),
             qPrintable(blocked.m_strErr));
    QCOMPARE(ReadAll(m_strFile), before);
    held.unlock();

    // An empty lock file, left by a writer that failed before it could fill it, is taken
    // over once it is older than any writer needs to fill it.
    QFile empty(m_strFile + ".lock");
    QVERIFY(empty.open(QIODevice::WriteOnly));
    QVERIFY(empty.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                              QFileDevice::FileModificationTime));
    empty.close();
    const CRun late = RunCli({"add", m_strFile, "Late"});
    QVERIFY2(late.m_nExit == 0, qPrintable(late.m_strErr));
    QVERIFY(!QFileInfo::exists(m_strFile + ".lock"));
}

void TestCli::fullDiskLeavesFilesAlone_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file"); // the file the command would write

    QTest::newRow("add") << QStringList{"add", "FILE", "Cid"} << "FILE";
    QTest::newRow("config") << QStringList{"config", "--server", "mail.example.org"}
                            << "HOME/Documents/Kivvo.cfg";
    QTest::newRow("cards") << QStringList{"cards", "FILE", "--pdf", "DISK/cards.pdf"}
                           << "DISK/cards.pdf";
}

void TestCli::fullDiskLeavesFilesAlone()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    CSmallDisk disk(256);
    if (!disk.IsMounted())
        QSKIP("mounting a small tmpfs needs root");
    m_strFile = disk.FilePath("circle.kv");
    g_strHome = disk.FilePath("home");
    QDir().mkpath(g_strHome + "/Documents");
    // Both files too large for the one page left free: the lock file still fits into it.
    const QString strLong(3000, u'x');
    QCOMPARE(RunCli({"new", m_strFile}).m_nExit, 0);
    QCOMPARE(RunCli({"add", m_strFile, strLong}).m_nExit, 0);
    QCOMPARE(RunCli({"config", "--footer", strLong}).m_nExit, 0);
    arguments.replaceInStrings("DISK", disk.FilePath({}));
    if (arguments.first() == u"cards") {
        // Last year's cards are there; this year's do not fit beside them.
        for (const char* pName : {"Bob", "Cid"})
            QCOMPARE(RunCli({"add", m_strFile, pName}).m_nExit, 0);
        QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
        QCOMPARE(RunCli(QStringList(arguments).replaceInStrings("FILE", m_strFile)).m_nExit, 0);
    }
    file.replace("FILE", m_strFile).replace("HOME", g_strHome).replace("DISK", disk.FilePath({}));
    const QByteArray before = ReadAll(file);
    // One page free; for the cards, all of the old file's size but a part of its last page, so
    // that most of the new one is written before the disk is full.
    QVERIFY(disk.FillLeaving(arguments.first() == u"cards" ? before.size() / 4096 * 4096 : 4096));

    const CRun run = RunCli(arguments.replaceInStrings("FILE", m_strFile));
    QCOMPARE(run.m_nExit, 1);
    QVERIFY2(run.m_strErr.contains("No space left on device") &&
                 run.m_strErr.contains(QFileInfo(file).fileName()),
             qPrintable(run.m_strErr));
    QVERIFY(run.m_strOut.isEmpty());
    QCOMPARE(ReadAll(file), before);
}

namespace {

// The value of an option of a kivvo-cli command line, or the default.
QString Option(const QStringList& words, const QString& strOption, const QString& strDefault = {})
{
    const qsizetype nAt = words.indexOf(strOption);
    return nAt >= 0 && nAt + 1 < words.size() ? words.at(nAt + 1) : strDefault;
}

// One kivvo-cli edit made through the document's operations, as the desktop makes it.
bool EditAsTheDesktop(CKivvoDoc& doc, const QStringList& words)
{
    CNameList& list = *doc.GetNewestList();
    const QString& strCommand = words.at(0);
    const QString strName = words.value(2);
    CPerson* pPerson = list.FindPerson(strName);
    CGroup* pGroup = list.FindGroup(Option(words, "--group"));
    if (strCommand == u"add")
        return bool(doc.AddPerson(
            pGroup, {strName, Option(words, "--address"), Option(words, "--suggestions")}));
    if (strCommand == u"add-group")
        return bool(doc.AddGroup(strName));
    if (strCommand == u"remove")
        return bool(
            doc.RemoveEntry(pPerson ? static_cast<CListItem*>(pPerson) : list.FindGroup(strName)));
    if (strCommand == u"rename-list")
        return bool(doc.Rename(&list, nullptr, strName));
    if (strCommand == u"set") {
        CPersonFields fields = CPersonFields::Of(*pPerson);
        fields.m_strName = Option(words, "--name", fields.m_strName);
        fields.m_strAddress = Option(words, "--address", fields.m_strAddress);
        return bool(doc.SetPerson(pPerson, fields));
    }
    if (strCommand == u"move")
        return bool(doc.MovePerson(pPerson, pGroup));
    if (strCommand == u"exclude")
        return bool(doc.Exclude(pPerson->m_strName, list.FindPerson(words.at(3))->m_strName,
                                words.contains("--both"), words.contains("--remove")));
    if (strCommand == u"rules") {
        CDrawRules rules = doc.GetRules();
        rules.m_nHistory = Option(words, "--history", QString::number(rules.m_nHistory)).toInt();
        rules.m_bNoMutual = Option(words, "--no-mutual") == u"on";
        return bool(doc.SetRules(rules));
    }
    if (strCommand == u"details") {
        CExchangeDetails details = list.m_details;
        details.m_strBudget = Option(words, "--budget");
        return bool(doc.SetDetails(&list, details));
    }
    if (strCommand == u"copy")
        return bool(doc.CopyForNextExchange());
    return false;
}

} // namespace

void TestCli::sameEditsSameBytesAsTheDesktop_data()
{
    QTest::addColumn<QStringList>("edits"); // kivvo-cli command lines, FILE in second place
    QTest::newRow("persons, groups, moves")
        << QStringList{"add FILE Ann --address ann@example.com --suggestions Books",
                       "add-group FILE Smiths",
                       "add FILE Bob --group Smiths",
                       "add FILE ann",
                       "move FILE Ann --group Smiths",
                       "move FILE Bob --top",
                       "rename-list FILE Christmas"};
    QTest::newRow("renames carry exclusions, removals drop them")
        << QStringList{"add FILE Ann",
                       "add FILE Bob",
                       "add FILE Cid",
                       "exclude FILE Ann Bob --both",
                       "set FILE Bob --name Rob",
                       "set FILE Cid --address cid@example.com",
                       "remove FILE Ann",
                       "exclude FILE Rob Cid"};
    QTest::newRow("rules, details and the next exchange") << QStringList{"add FILE Ann",
                                                                         "add FILE Bob",
                                                                         "add FILE Cid",
                                                                         "rules FILE --history 2 "
                                                                         "--no-mutual on",
                                                                         "details FILE --budget 25",
                                                                         "copy FILE --yes",
                                                                         "add FILE Dan",
                                                                         "remove FILE Bob"};
}

void TestCli::sameEditsSameBytesAsTheDesktop()
{
    QFETCH(QStringList, edits);
    QCOMPARE(RunCli({"new", m_strFile}).m_nExit, 0);
    CKivvoDoc doc;
    doc.OnNewDocument();
    for (const QString& strEdit : edits) {
        QStringList words = strEdit.split(u' ');
        QVERIFY(EditAsTheDesktop(doc, words));
        words[1] = m_strFile;
        QCOMPARE(RunCli(words).m_nExit, 0);
    }
    const QString strDesktop = m_pDir->filePath("desktop.kv");
    QVERIFY(doc.OnSaveDocument(strDesktop));
    QFile cli(m_strFile);
    QFile desktop(strDesktop);
    QVERIFY(cli.open(QIODevice::ReadOnly) && desktop.open(QIODevice::ReadOnly));
    QCOMPARE(desktop.readAll().toHex(), cli.readAll().toHex());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"

void TestCli::sealedDrawingShowsNoPair_data()
{
    QTest::addColumn<bool>("sealed");
    QTest::newRow("sealed") << true;
    QTest::newRow("not sealed") << false;
}

void TestCli::sealedDrawingShowsNoPair()
{
    QFETCH(bool, sealed);
    CSmtpTestServer server;
    QVERIFY(server.IsReady());
    RunCli({"config", "--server", "127.0.0.1", "--port", QString::number(server.Port()), "--user",
            "", "--from", "santa@example.com"});
    const QStringList names{"Ann", "Bob", "Cid", "Dan", "Eve"};
    RunCli({"new", m_strFile});
    for (const QString& strName : names)
        RunCli({"add", m_strFile, strName, "--address", strName.toLower() + "@example.com"});
    QCOMPARE(RunCli({"rules", m_strFile, "--seal", sealed ? "on" : "off"}).m_nExit, 0);
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    QList<QPair<QString, QString>> pairs;
    {
        CKivvoDoc doc;
        QVERIFY(doc.OnOpenDocument(m_strFile));
        doc.GetNewestList()->ForEachPerson([&pairs](const CPerson* pPerson) {
            pairs.append({pPerson->m_strName, pPerson->m_strGiftTo});
        });
    }

    // Every command over the drawn list, then over one that no longer fits it.
    const QString strCsv = m_pDir->filePath("out.csv");
    const QString strPdf = m_pDir->filePath("cards.pdf");
    const QString strStalePdf = m_pDir->filePath("stale.pdf");
    const QList<QStringList> commands = {{"lists", m_strFile},
                                         {"report", m_strFile},
                                         {"report", m_strFile, "--gift-to"},
                                         {"check", m_strFile},
                                         {"rules", m_strFile},
                                         {"details", m_strFile},
                                         {"notification", m_strFile, "Ann"},
                                         {"export", m_strFile, "--csv", strCsv},
                                         {"send", m_strFile, "--yes"},
                                         {"send", m_strFile, "--person", "Bob"},
                                         {"cards", m_strFile, "--pdf", strPdf},
                                         {"contacts"},
                                         {"config"},
                                         {"remove", m_strFile, pairs.at(0).second},
                                         {"report", m_strFile, "--gift-to"},
                                         {"notification", m_strFile, "Ann"},
                                         {"send", m_strFile, "--yes"},
                                         {"cards", m_strFile, "--pdf", strStalePdf},
                                         {"check", m_strFile},
                                         {"repair", m_strFile, "--yes"},
                                         {"report", m_strFile, "--gift-to"}};
    QString strShown;
    for (const QStringList& command : commands) {
        const CRun run = RunCli(command);
        strShown += run.m_strOut + u'\n' + run.m_strErr + u'\n';
        if (command.first() == "repair")
            QVERIFY2(run.m_nExit == 0 && run.m_strOut.startsWith("The drawing was repaired: "),
                     qPrintable(run.m_strOut + run.m_strErr));
    }
    strShown += QString::fromUtf8(ReadAll(strCsv));
    const QString strLeak = PairShown(strShown, pairs);
    QVERIFY2(strLeak.isEmpty() == sealed, qPrintable(strLeak));
    // Sealed or not, the participants were told, and the cards are for the printer only.
    QVERIFY(server.WaitForMessages(6));
    QCOMPARE(QFile::permissions(strPdf) & kOthersOrGroup, QFileDevice::Permissions());
    QCOMPARE(PdfText(strPdf).startsWith("These cards hold secrets"), sealed);
    QVERIFY(!QFile::exists(strStalePdf));
}

void TestCli::afterARepairOnlyThoseAffectedAreTold()
{
    CSmtpTestServer server;
    QVERIFY(server.IsReady());
    RunCli({"config", "--server", "127.0.0.1", "--port", QString::number(server.Port()), "--user",
            "", "--from", "santa@example.com"});
    const QStringList names{"Ann", "Bob", "Cid", "Dan", "Eve", "Fay"};
    RunCli({"new", m_strFile});
    for (const QString& strName : names)
        RunCli({"add", m_strFile, strName, "--address", strName.toLower() + "@example.com"});
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);
    QCOMPARE(RunCli({"send", m_strFile, "--changed"}).m_nExit, 1); // nobody told yet
    QCOMPARE(RunCli({"send", m_strFile, "--yes"}).m_nExit, 0);
    QVERIFY(server.WaitForMessages(6));
    QVERIFY(RunCli({"status", m_strFile}).m_strOut.startsWith("Ann: told by e-mail, last on "));

    // Cid drops out; the repair changes the fewest givers, and only they are mailed again.
    RunCli({"remove", m_strFile, "Cid"});
    const CRun repaired = RunCli({"repair", m_strFile, "--yes"});
    QVERIFY2(repaired.m_nExit == 0, qPrintable(repaired.m_strErr));
    QStringList affected;
    for (const QString& strLine : RunCli({"status", m_strFile}).m_strOut.split(u'\n')) {
        if (strLine.endsWith("tell him again"))
            affected.append(strLine.section(u':', 0, 0).toLower() + "@example.com");
    }
    QVERIFY(repaired.m_strOut.startsWith(
        QStringLiteral("The drawing was repaired: %1 of the givers").arg(affected.size())));
    const CRun changed = RunCli({"send", m_strFile, "--changed"});
    QCOMPARE(changed.m_nExit, 0);
    QVERIFY(changed.m_strOut.startsWith(
        QStringLiteral("Participants whose recipient is not the one they were told: %1\n")
            .arg(affected.size())));
    QVERIFY(server.WaitForMessages(6 + int(affected.size())));
    QTest::qWait(200);
    const QList<CSmtpTestServer::CMessage> messages = server.Messages().mid(6);
    QStringList mailed;
    for (const CSmtpTestServer::CMessage& message : messages) {
        mailed += message.m_recipients;
        QVERIFY(message.Body().contains("What you were told before no longer holds"));
    }
    mailed.sort();
    affected.sort();
    QCOMPARE(mailed, affected);
    QCOMPARE(RunCli({"send", m_strFile, "--changed"}).m_nExit, 1); // everybody knows now
}

void TestCli::groupNameMailLanguageAndTestMail()
{
    RunCli({"new", m_strFile});
    RunCli({"add-group", m_strFile, "Fam"});
    for (const char* pName : {"Ann", "Bob", "Cid"})
        RunCli({"add", m_strFile, pName});
    QCOMPARE(RunCli({"rename-group", m_strFile, "Fam", "Family"}).m_strOut, "Family\n");
    QCOMPARE(RunCli({"rename-group", m_strFile, "Fam", "X"}).m_nExit, 1);
    // The e-mail language kept in the document, for every later command.
    QCOMPARE(RunCli({"rules", m_strFile, "--language", "de"}).m_nExit, 0);
    QCOMPARE(RunCli({"rules", m_strFile, "--language", "xx"}).m_nExit, 2);
    RunCli({"draw", m_strFile, "--yes"});
    QVERIFY(RunCli({"notification", m_strFile, "Ann"}).m_strOut.startsWith("Hallo Ann!"));

    CSmtpTestServer server;
    QVERIFY(server.IsReady());
    QCOMPARE(RunCli({"config", "--test-mail", "me@example.com"}).m_nExit, 1); // not set up
    const CRun tested =
        RunCli({"config", "--server", "127.0.0.1", "--port", QString::number(server.Port()),
                "--user", "", "--from", "santa@example.com", "--test-mail", "me@example.com"});
    QVERIFY2(tested.m_nExit == 0 && tested.m_strOut.endsWith("A test mail was sent to "
                                                             "me@example.com.\n"),
             qPrintable(tested.m_strOut + tested.m_strErr));
    QVERIFY(server.WaitForMessages(1));
    QCOMPARE(server.Messages().at(0).m_recipients, QStringList{"me@example.com"});
    QCOMPARE(RunCli({"config", "--test-mail", "farah@@example.org"}).m_nExit, 2);
}

void TestCli::rolesAndSeveralGifts()
{
    // Four givers with two gifts each for four receivers: everybody who receives gets two.
    RunCli({"new", m_strFile});
    for (const char* pName : {"Ann", "Bob", "Cid", "Dan", "Eve"})
        RunCli({"add", m_strFile, pName, "--suggestions", QStringLiteral("%1's wish").arg(pName)});
    QCOMPARE(RunCli({"set", m_strFile, "Dan", "--role", "gives"}).m_nExit, 0);
    QCOMPARE(RunCli({"set", m_strFile, "Eve", "--role", "receives"}).m_nExit, 0);
    QCOMPARE(RunCli({"set", m_strFile, "Eve", "--role", "sometimes"}).m_nExit, 2);
    QCOMPARE(RunCli({"rules", m_strFile, "--gifts", "6"}).m_nExit, 2);
    const CRun circle = RunCli({"rules", m_strFile, "--one-circle", "on"});
    QCOMPARE(circle.m_nExit, 1);
    QVERIFY2(circle.m_strErr.contains("One circle needs every person"),
             qPrintable(circle.m_strErr));
    QVERIFY(RunCli({"rules", m_strFile, "--gifts", "2"}).m_strOut.contains("gifts per giver: 2"));
    QCOMPARE(RunCli({"draw", m_strFile, "--yes"}).m_nExit, 0);

    QHash<QString, QStringList> giftsTo;
    QHash<QString, int> received;
    for (const QString& strLine :
         RunCli({"report", m_strFile, "--gift-to"}).m_strOut.split(u'\n')) {
        if (!strLine.contains(" --> "))
            continue;
        QStringList names = strLine.section(" --> ", 1).split(", ", Qt::SkipEmptyParts);
        giftsTo.insert(strLine.section(" --> ", 0, 0), names);
        for (const QString& strName : std::as_const(names))
            ++received[strName];
    }
    for (const char* pGiver : {"Ann", "Bob", "Cid", "Dan"})
        QCOMPARE(giftsTo.value(pGiver).size(), 2);
    QVERIFY(giftsTo.value("Eve").isEmpty());
    QCOMPARE(received, (QHash<QString, int>{{"Ann", 2}, {"Bob", 2}, {"Cid", 2}, {"Eve", 2}}));

    // One card per giver, with both names and each one's suggestions; none for Eve, who is
    // told nothing.
    const QString strPdf = m_pDir->filePath("cards.pdf");
    const CRun cards = RunCli({"cards", m_strFile, "--pdf", strPdf});
    QVERIFY2(cards.m_strOut.startsWith("4 cards "), qPrintable(cards.m_strOut + cards.m_strErr));
    const QString strText = PdfText(strPdf);
    for (const char* pGiver : {"Ann", "Bob", "Cid", "Dan"}) {
        for (const QString& strName : giftsTo.value(pGiver))
            QVERIFY2(strText.contains(strName + ": " + strName + "'s wish"), qPrintable(strText));
    }
    const CRun eve = RunCli({"notification", m_strFile, "Eve"});
    QCOMPARE(eve.m_nExit, 1);
    QVERIFY2(eve.m_strErr.contains("nothing to tell"), qPrintable(eve.m_strErr));

    // Eve leaves: the repair says that givers got other recipients for some of their gifts.
    QCOMPARE(RunCli({"remove", m_strFile, "Eve"}).m_nExit, 0);
    const CRun repair = RunCli({"repair", m_strFile, "--yes"});
    QVERIFY2(repair.m_nExit == 0 && repair.m_strOut.startsWith("The drawing was repaired: ") &&
                 repair.m_strOut.contains(" of the givers got other recipients for some of "
                                          "their gifts; everybody else keeps the ones he drew."),
             qPrintable(repair.m_strOut + repair.m_strErr));
}
