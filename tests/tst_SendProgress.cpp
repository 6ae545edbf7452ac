// Sending from the main window: the window stays live, the progress dialog shows each outcome,
// Cancel and closing the window stop the run.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/KivvoView.h"
#include "desktop/MainFrame.h"
#include "desktop/SendProgressDlg.h"
#include "model/NameList.h"
#include "notify/SendRun.h"
#include "support/DocumentNotation.h"
#include "support/ListNotation.h"
#include "support/RecordingMessageHandler.h"
#include "support/SmtpTestServer.h"
#include "support/TreeRows.h"
#include "text/Resource.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class TestSendProgress : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowLiveWhileSendingAndCancel_data();
    void windowLiveWhileSendingAndCancel();
    void closingWhileSending_data();
    void closingWhileSending();
    void drawingStaysWhileSending();
    void retryComposesAfresh_data();
    void retryComposesAfresh();
    void printCardsForThoseSkipped();

private:
    // A row of the table: participant, address, outcome, reason.
    QStringList Row(int nRow)
    {
        const QTreeWidgetItem* pRow = m_pDialog->Table()->topLevelItem(nRow);
        QStringList cells;
        for (int i = 0; i < CSendProgressDlg::kColumnCount; ++i)
            cells.append(pRow->text(i));
        return cells;
    }
    QString Outcome(int nRow) { return Row(nRow).at(CSendProgressDlg::kOutcomeColumn); }
    void StartSending();
    // Waits for the end of the run as the user sees it: Close can be clicked.
    bool WaitForEnd()
    {
        return QTest::qWaitFor([this] { return m_pDialog->CloseButton()->isEnabled(); },
                               kRunTimeout);
    }
    // Generous: the machine may be busy with other work.
    static constexpr int kRunTimeout = 30000;

    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<CSmtpTestServer> m_pServer;
    std::unique_ptr<CRecordingMessageHandler> m_pMessages;
    std::unique_ptr<CKivvoApp> m_pApp;
    std::unique_ptr<CKivvoDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    CSendProgressDlg* m_pDialog = nullptr;
};

void TestSendProgress::init()
{
    // Every message takes the server a second to confirm.
    m_pServer = std::make_unique<CSmtpTestServer>(QStringList{"--data-delay", "1.0"});
    QVERIFY(m_pServer->IsReady());
    m_pDir = std::make_unique<QTemporaryDir>();
    m_pMessages = std::make_unique<CRecordingMessageHandler>();
    m_pMessages->AnswerAllQuestions(EAnswer::Yes);
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_strFolder = m_pDir->path() + u'/';
    m_pApp->m_settings.m_strServer = QStringLiteral("127.0.0.1");
    m_pApp->m_settings.m_nPort = m_pServer->Port();
    m_pApp->m_settings.m_strUser.clear();
    m_pApp->m_settings.m_strFrom = QStringLiteral("santa@example.com");
    m_pDoc = std::make_unique<CKivvoDoc>();
    m_pFrame = std::make_unique<CMainFrame>(m_pDoc.get(), m_pApp.get());
    m_pDoc->OnNewDocument();
    m_pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFrame.get()));
    LoadDocument(*m_pDoc, {"Ann>Bob, Bob>Cid, Cid>Dan, Dan>Ann"});
    const QStringList addresses{"ann@example.com", "Bob <bob@example.com>", "cid@example.com", ""};
    int i = 0;
    m_pDoc->GetCurrentList()->ForEachPerson(
        [&](CPerson* pPerson) { pPerson->m_strAddress = addresses.at(i++); });
    // Kept in a file, as a drawing is before any name goes out.
    QVERIFY(m_pDoc->OnSaveDocument(m_pDir->filePath("circle.kv")));
}

void TestSendProgress::cleanup()
{
    m_pFrame.reset();
    m_pDoc.reset();
    m_pApp.reset();
    m_pMessages.reset();
    m_pServer.reset();
    m_pDir.reset();
}

void TestSendProgress::StartSending()
{
    m_pFrame->UpdateActions();
    QVERIFY(m_pFrame->Action(EAction::SendEmails)->isEnabled());
    m_pFrame->Action(EAction::SendEmails)->trigger();
    m_pDialog = m_pFrame->findChild<CSendProgressDlg*>();
    QVERIFY(m_pDialog);
    QVERIFY(m_pDialog->isVisible());
    QVERIFY(m_pDoc->IsSending());
    QVERIFY(!m_pFrame->Action(EAction::SendEmails)->isEnabled());
}

void TestSendProgress::windowLiveWhileSendingAndCancel_data()
{
    QTest::addColumn<bool>("stopNow"); // Cancel clicked a second time
    QTest::addColumn<QString>("bobsLine");
    QTest::addColumn<EAnswer>("sendBobAgain"); // the answer when asked; Ok: not asked
    const QString strBobUnconfirmed = "Bob | Bob <bob@example.com> | Not sent | sending was "
                                      "stopped before the server confirmed the message; it may "
                                      "have arrived";
    QTest::newRow("after the message in flight")
        << false << "Bob | Bob <bob@example.com> | Sent | " << EAnswer::Ok;
    QTest::newRow("stop now, Bob's message not sent again")
        << true << strBobUnconfirmed << EAnswer::No;
    QTest::newRow("stop now, Bob's message again on the user's word")
        << true << strBobUnconfirmed << EAnswer::Yes;
}

void TestSendProgress::windowLiveWhileSendingAndCancel()
{
    QFETCH(bool, stopNow);
    QFETCH(QString, bobsLine);
    QFETCH(EAnswer, sendBobAgain);
    if (sendBobAgain != EAnswer::Ok)
        m_pMessages->Answer(IDS_ASK_SEND_AGAIN, sendBobAgain);
    QElapsedTimer clock;
    qint64 nLongestGap = 0;
    qint64 nLastTick = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        nLongestGap = qMax(nLongestGap, clock.elapsed() - nLastTick);
        nLastTick = clock.elapsed();
    });
    clock.start();
    ticker.start(20);
    StartSending();
    QCOMPARE(Row(0), (QStringList{"Ann", "ann@example.com", "Waiting", ""}));

    QTRY_COMPARE_WITH_TIMEOUT(Outcome(0), "Sent", kRunTimeout);
    // Bob's message is in flight now: it is finished, Cid's is never begun.
    m_pDialog->CancelButton()->click();
    QCOMPARE(m_pDialog->Status()->text(), "Stopping after the message being sent...");
    if (stopNow) {
        m_pDialog->CancelButton()->click();
        QVERIFY(m_pDialog->CloseButton()->isEnabled()); // stopped at once
    }
    QVERIFY(WaitForEnd());
    QVERIFY(m_pDialog->RetryButton()->isEnabled());
    QCOMPARE(Row(1).join(" | "), bobsLine);
    QCOMPARE(Row(2), (QStringList{"Cid", "cid@example.com", "Not sent", "sending was stopped"}));
    QCOMPARE(Row(3), (QStringList{"Dan", "", "Skipped", "no email address"}));
    if (!stopNow) {
        QCOMPARE(m_pDialog->Status()->text(), "Sent emails to 2 out of 4 participants");
        QVERIFY(m_pFrame->Action(EAction::SendEmails)->isEnabled());
        // The timer kept its pace although each message took the server a second: never a
        // whole message long without events, however busy the machine.
        QVERIFY2(nLongestGap < 900, qPrintable(QString::number(nLongestGap)));
    }

    // Cid, and Bob, whose message may have arrived, only when the user says so for him.
    m_pDialog->RetryButton()->click();
    QCOMPARE(m_pMessages->Ids().contains(IDS_ASK_SEND_AGAIN), sendBobAgain != EAnswer::Ok);
    QVERIFY(WaitForEnd());
    QCOMPARE(Outcome(2), "Sent");
    const int nBodies = sendBobAgain == EAnswer::Yes ? 4 : 3;
    QVERIFY(m_pServer->WaitForMessages(nBodies - (stopNow ? 1 : 0)));
    QTest::qWait(200);
    QCOMPARE(m_pServer->DataCount(), nBodies);
    QCOMPARE(Outcome(1) == "Sent", sendBobAgain != EAnswer::No);
    QVERIFY(!m_pMessages->Ids().contains(IDS_SEND_ERROR)); // no box per participant
}

void TestSendProgress::closingWhileSending_data()
{
    QTest::addColumn<EAnswer>("answer");
    QTest::newRow("stop and close") << EAnswer::Yes;
    QTest::newRow("keep sending") << EAnswer::No;
}

void TestSendProgress::closingWhileSending()
{
    QFETCH(EAnswer, answer);
    StartSending();
    m_pMessages->Answer(IDS_ASK_STOP_SENDING, answer);
    QTRY_COMPARE_WITH_TIMEOUT(Outcome(0), "Sent", kRunTimeout);
    m_pFrame->close();
    QVERIFY(m_pMessages->Ids().contains(IDS_ASK_STOP_SENDING));
    QCOMPARE(m_pFrame->isVisible(), answer != EAnswer::Yes);
    if (answer == EAnswer::Yes) {
        QVERIFY(!m_pDoc->IsSending());        // stopped at once, Bob's confirmation not waited for
        QTRY_COMPARE(Outcome(1), "Not sent"); // nothing half-sent counts as sent
        QCOMPARE(Row(2),
                 (QStringList{"Cid", "cid@example.com", "Not sent", "sending was stopped"}));
        QCOMPARE(m_pServer->DataCount(), 2);
    } else {
        QVERIFY(WaitForEnd());
        QCOMPARE(m_pServer->DataCount(), 3);
    }
}

void TestSendProgress::drawingStaysWhileSending()
{
    const QString strDrawing = DescribeList(*m_pDoc->GetNewestList());
    // Something to undo and to redo, which would bring back every list.
    for (const int nHistory : {2, 3})
        m_pDoc->SetRules(CDrawRules{nHistory});
    m_pDoc->UndoStack()->undo();
    StartSending();
    const QModelIndex ann = RowNamed(m_pFrame->View()->model(), "Ann");
    QVERIFY(ann.isValid());
    m_pFrame->View()->setCurrentIndex(ann);
    m_pFrame->UpdateActions();
    // Each refused: its action is disabled, and the command itself, reached another way, says
    // why. The answers Yes would let every one of them go ahead.
    for (const EAction action : {EAction::DrawNames, EAction::CopyForNext, EAction::AddPerson,
                                 EAction::AddGroup, EAction::AddPersonToGroup, EAction::DeleteItem,
                                 EAction::RenameItem, EAction::PersonProperties, EAction::New,
                                 EAction::Open, EAction::Undo, EAction::Redo, EAction::Import}) {
        QAction* pAction = m_pFrame->Action(action);
        QVERIFY2(!pAction->isEnabled(), qPrintable(QString::number(int(action))));
        m_pMessages->Clear();
        // Reached with its state not yet updated, as a key or a stale menu would.
        pAction->setEnabled(true);
        pAction->trigger();
        QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_BUSY_SENDING});
    }
    m_pFrame->View()->edit(ann); // F2
    QVERIFY(!m_pFrame->View()->indexWidget(m_pFrame->View()->currentIndex()));
    QCOMPARE(DescribeList(*m_pDoc->GetNewestList()), strDrawing);
    QCOMPARE(m_pDoc->GetListCount(), 1);

    QVERIFY(WaitForEnd());
    QVERIFY(m_pServer->WaitForMessages(3));
    QVERIFY(m_pServer->Messages().at(0).Body().contains("Ann to give a gift to is Bob"));
    QVERIFY(m_pServer->Messages().at(2).Body().contains("Cid to give a gift to is Dan"));
    m_pFrame->UpdateActions();
    QVERIFY(m_pFrame->Action(EAction::DrawNames)->isEnabled());
    QVERIFY(m_pFrame->Action(EAction::AddPerson)->isEnabled());
}

void TestSendProgress::retryComposesAfresh_data()
{
    QTest::addColumn<QString>("change"); // made between the run and the retry
    QTest::addColumn<int>("refusal");    // the message that refuses the retry, or 0
    QTest::newRow("address corrected") << "address" << 0;
    QTest::newRow("drawn again") << "draw" << int(IDS_RETRY_REDRAWN);
    QTest::newRow("list changed") << "add" << int(IDS_DRAWING_INVALID);
}

void TestSendProgress::retryComposesAfresh()
{
    QFETCH(QString, change);
    QFETCH(int, refusal);
    CPerson* pCid = m_pDoc->GetNewestList()->GetPersonAt(2);
    pCid->m_strAddress = QStringLiteral("Cid in no address book");
    StartSending();
    QVERIFY(WaitForEnd());
    QVERIFY(m_pDialog->RetryButton()->isEnabled());
    // The name the address book does not know stands where the address would.
    const QString strNotFound =
        "no e-mail address: \"Cid in no address book\" is not in the address book";
    QCOMPARE(Row(2), (QStringList{"Cid", "Cid in no address book", "Failed", strNotFound}));
    QCOMPARE(m_pDialog->Run()->OutcomeLine(2),
             "Error sending to [Cid] email address [Cid in no address book]: " + strNotFound);
    if (change == u"address") {
        pCid->m_strAddress = QStringLiteral("cid@example.com");
    } else if (change == u"draw") {
        m_pMessages->Answer(IDS_ASK_PASS_AROUND, EAnswer::No);
        m_pMessages->Answer(IDS_ASK_SEND_NOW, EAnswer::No);
        // A new drawing may by chance be the one mailed; only another one counts as redrawn.
        const QString strMailed = DescribeList(*m_pDoc->GetNewestList());
        do {
            m_pMessages->Clear();
            m_pFrame->Action(EAction::DrawNames)->trigger();
            // Drawn in the background: done once the offer to send is made.
            QTRY_VERIFY(m_pMessages->Ids().contains(IDS_ASK_SEND_NOW));
        } while (DescribeList(*m_pDoc->GetNewestList()) == strMailed);
        pCid->m_strAddress = QStringLiteral("cid@example.com");
    } else {
        m_pDoc->GetNewestList()->Append(new CPerson("Eve", {}, {}));
    }
    m_pMessages->Clear();
    m_pDialog->RetryButton()->click();
    QVERIFY(WaitForEnd());
    if (refusal) {
        QCOMPARE(m_pMessages->Ids(), QList<int>{refusal});
        QTest::qWait(100);
        QCOMPARE(m_pServer->DataCount(), 2);
        QVERIFY(m_pDialog->RetryButton()->isEnabled());
        return;
    }
    QCOMPARE(Row(2), (QStringList{"Cid", "cid@example.com", "Sent", ""}));
    QVERIFY(m_pServer->WaitForMessages(3));
    QCOMPARE(m_pServer->Messages().at(2).m_recipients, QStringList{"cid@example.com"});
}

void TestSendProgress::printCardsForThoseSkipped()
{
    const QString strPdf = m_pDir->filePath("skipped.pdf");
    m_pFrame->SetPrinterChooser([&](QPrinter& printer, const QString&) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(strPdf);
        return true;
    });
    StartSending();
    QVERIFY(!m_pDialog->PrintSkippedButton()->isVisible());
    QVERIFY(WaitForEnd());
    QVERIFY(m_pDialog->PrintSkippedButton()->isVisible()); // Dan has no address
    m_pDialog->PrintSkippedButton()->click();
    QProcess text;
    text.start("pdftotext", {strPdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString strText = QString::fromUtf8(text.readAllStandardOutput());
    QCOMPARE(strText.count("For "), 1);
    QVERIFY2(strText.contains("For Dan"), qPrintable(strText));
    QVERIFY(strText.contains("Dan gives a gift to\n\nAnn"));
}

QTEST_MAIN(TestSendProgress)
#include "tst_SendProgress.moc"
