// kivvo-cli end to end: the real program on real files.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct CRun
{
    int m_nExit;
    QString m_strOut;
    QString m_strErr;
};

CRun RunCli(const QStringList& arguments)
{
    QProcess process;
    process.setProgram(QStringLiteral(KIVVO_CLI_PATH));
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice()); // no terminal: questions are No
    process.start();
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_strFile;
};

void TestCli::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    m_strFile = m_pDir->filePath(QStringLiteral("circle.kv"));
}

void TestCli::buildDrawCopy()
{
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
    QVERIFY(drawn.m_strErr.contains("pass around the PocketPC"));
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
    QTest::newRow("missing name") << QStringList{"add", "FILE"} << 2 << "add takes FILE NAME";
    QTest::newRow("option of another command")
        << QStringList{"lists", "FILE", "--yes"} << 2 << "does not take --yes";
    QTest::newRow("bad list number") << QStringList{"report", "FILE", "--list", "x"} << 2
                                     << "not a number";
    QTest::newRow("list out of range") << QStringList{"report", "FILE", "--list", "1"} << 1
                                       << "no drawing number 1";
    QTest::newRow("new refuses to overwrite") << QStringList{"new", "FILE"} << 1
                                              << "exists already";
    QTest::newRow("no such group") << QStringList{"add", "FILE", "Cid", "--group", "X"} << 1
                                   << "no group named \"X\"";
    QTest::newRow("draw needs three persons") << QStringList{"draw", "FILE", "--yes"} << 1
                                              << "more than two persons";
    QTest::newRow("remove unknown") << QStringList{"remove", "FILE", "Nobody"} << 1
                                    << "no person or group named";
    QTest::newRow("copy declined without terminal") << QStringList{"copy", "FILE"} << 1
                                                    << "nothing was copied";
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

QTEST_GUILESS_MAIN(TestCli)
#include "tst_Cli.moc"
