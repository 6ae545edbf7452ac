// Desktop message boxes and the about box.
#include "desktop/AboutDlg.h"
#include "desktop/DetailsDlg.h"
#include "desktop/QtMessageHandler.h"
#include "desktop/QtSoundPlayer.h"
#include "text/Resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>

namespace {

// Acts on the message box as soon as it is up.
void WhenBoxIsUp(std::function<void(QMessageBox*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) {
            WhenBoxIsUp(action);
            return;
        }
        action(pBox);
    });
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void questionAnswers_data();
    void questionAnswers();
    void boxKinds_data();
    void boxKinds();
    void boxFromAnotherThread();
    void aboutBoxOpensTheWebAddress_data();
    void aboutBoxOpensTheWebAddress();
    void soundsAreFoundBesideTheProgram();
    void boxOverTheMainWindowWhenNoneIsActive();
    void boxCentredOnItsWindow_data();
    void boxCentredOnItsWindow();
    void detailsDialog_data();
    void detailsDialog();
};

void TestDialogs::questionAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<EAnswer>("answer");

    QTest::newRow("Yes") << "yes" << EAnswer::Yes;
    QTest::newRow("No") << "no" << EAnswer::No;
    QTest::newRow("window closed") << "close" << EAnswer::No;
    QTest::newRow("Escape") << "escape" << EAnswer::No;
}

void TestDialogs::questionAnswers()
{
    QFETCH(QString, action);
    QFETCH(EAnswer, answer);
    QString strShown;
    QString strTitle;
    WhenBoxIsUp([&](QMessageBox* pBox) {
        strShown = pBox->text();
        strTitle = pBox->windowTitle();
        if (action == "yes")
            pBox->button(QMessageBox::Yes)->click();
        else if (action == "no")
            pBox->button(QMessageBox::No)->click();
        else if (action == "close")
            pBox->close();
        else
            QTest::keyClick(pBox, Qt::Key_Escape);
    });
    CQtMessageHandler handler;
    QCOMPARE(handler.Show(IDS_ASK_DRAW_NOW, EBoxKind::YesNoQuestion, "Sure?\r\n\r\nReally?"),
             answer);
    QCOMPARE(strShown, "Sure?\n\nReally?");
    QCOMPARE(strTitle, "Kivvo");
}

void TestDialogs::boxKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("defaultButton"); // what Enter answers

    QTest::newRow("information") << int(EBoxKind::OkInformation) << int(QMessageBox::Information)
                                 << int(QMessageBox::NoButton);
    QTest::newRow("exclamation") << int(EBoxKind::OkExclamation) << int(QMessageBox::Warning)
                                 << int(QMessageBox::NoButton);
    QTest::newRow("no icon") << int(EBoxKind::OkPlain) << int(QMessageBox::NoIcon)
                             << int(QMessageBox::NoButton);
    QTest::newRow("question") << int(EBoxKind::YesNoQuestion) << int(QMessageBox::Question)
                              << int(QMessageBox::Yes);
    QTest::newRow("question, default No")
        << int(EBoxKind::YesNoDefaultNo) << int(QMessageBox::Question) << int(QMessageBox::No);
}

void TestDialogs::boxKinds()
{
    QFETCH(int, kind);
    QFETCH(int, icon);
    QFETCH(int, defaultButton);
    int nIcon = -1;
    int nButtons = 0;
    int nDefault = -1;
    WhenBoxIsUp([&](QMessageBox* pBox) {
        nIcon = pBox->icon();
        nButtons = static_cast<int>(pBox->buttons().size());
        nDefault = pBox->standardButton(pBox->defaultButton());
        pBox->buttons().first()->click();
    });
    CQtMessageHandler handler;
    handler.Show(0, static_cast<EBoxKind>(kind), "Text");
    QCOMPARE(nIcon, icon);
    QCOMPARE(nButtons, IsQuestion(static_cast<EBoxKind>(kind)) ? 2 : 1);
    if (defaultButton != QMessageBox::NoButton)
        QCOMPARE(nDefault, defaultButton);
}

void TestDialogs::boxFromAnotherThread()
{
    QThread* pBoxThread = nullptr;
    WhenBoxIsUp([&](QMessageBox* pBox) {
        pBoxThread = pBox->thread();
        pBox->button(QMessageBox::Yes)->click();
    });
    CQtMessageHandler handler;
    EAnswer answer = EAnswer::Cancel;
    QThread* pWorker = QThread::create(
        [&] { answer = handler.Show(0, EBoxKind::YesNoQuestion, "From the loader"); });
    pWorker->start();
    QTRY_VERIFY(pWorker->isFinished());
    delete pWorker;
    QCOMPARE(answer, EAnswer::Yes);
    QCOMPARE(pBoxThread, QThread::currentThread());
}

void TestDialogs::aboutBoxOpensTheWebAddress_data()
{
    QTest::addColumn<bool>("browserStarts");
    QTest::newRow("browser starts") << true;
    QTest::newRow("no browser") << false;
}

void TestDialogs::aboutBoxOpensTheWebAddress()
{
    QFETCH(bool, browserStarts);
    QList<QUrl> opened;
    CAboutDlg about(nullptr, [&](const QUrl& url) {
        opened.append(url);
        return browserStarts;
    });
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), "About Kivvo");
    auto* pLink = about.findChild<QPushButton*>("webLink");
    QTest::mouseClick(pLink, Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl(pLink->text())});
    QVERIFY(about.isVisible()); // stays open, whatever the browser did
    QTest::mouseClick(about.findChild<QPushButton*>("close"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

void TestDialogs::boxOverTheMainWindowWhenNoneIsActive()
{
    // As right after another box closed, before the window system has made a window active.
    QMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(nullptr);
    const QWidget* pParent = nullptr;
    WhenBoxIsUp([&](QMessageBox* pBox) {
        pParent = pBox->parentWidget();
        pBox->close();
    });
    CQtMessageHandler().Show(IDS_COPY_DONE, EBoxKind::OkInformation, "Done");
    QCOMPARE(pParent, &window);
}

void TestDialogs::boxCentredOnItsWindow_data()
{
    QTest::addColumn<QString>("over"); // the window active when the box comes
    QTest::addColumn<int>("lines");
    QTest::newRow("main window") << "main" << 1;
    QTest::newRow("main window, a long text") << "main" << 6;
    QTest::newRow("none active") << "none" << 1;
    QTest::newRow("a dialog") << "dialog" << 2;
}

void TestDialogs::boxCentredOnItsWindow()
{
    QFETCH(QString, over);
    QFETCH(int, lines);
    // Far from the screen's centre, where a box centred on the screen would not be.
    QMainWindow window;
    const QRect available = window.screen()->availableGeometry();
    window.setGeometry(QRect(available.topLeft() + QPoint(20, 40), available.size() / 2));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QDialog dialog(&window);
    dialog.setGeometry(QRect(available.center(), available.size() / 3));
    if (over == u"dialog") {
        dialog.open(); // as the pass-around round is: modal
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    } else if (over == u"none") {
        QApplication::setActiveWindow(nullptr);
    }
    const QWidget* pOver = over == u"dialog" ? static_cast<QWidget*>(&dialog) : &window;
    QPoint offCentre;
    WhenBoxIsUp([&](QMessageBox* pBox) {
        offCentre = pBox->frameGeometry().center() - pOver->frameGeometry().center();
        pBox->close();
    });
    const QString strLine = QStringLiteral("A line of a message that takes some room.");
    CQtMessageHandler().Show(IDS_COPY_DONE, EBoxKind::OkInformation,
                             QStringList(lines, strLine).join(u'\n'));
    // The frame of a window not yet mapped is only estimated: a few pixels either way.
    QVERIFY2(offCentre.manhattanLength() <= 8,
             qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void TestDialogs::soundsAreFoundBesideTheProgram()
{
    CQtSoundPlayer player;
    for (const char* pSound :
         {"kvstart.wav", "kvnext.wav", "kvprev.wav", "kvshow.wav", "kvend.wav"})
        QVERIFY2(!player.Locate(pSound).isEmpty(), pSound);
    QVERIFY(player.Locate("missing.wav").isEmpty());
    player.Play("missing.wav");         // silently nothing
    QVERIFY(!player.IsBackendLoaded()); // the audio libraries wait for the first sound
    player.Play("kvnext.wav");          // returns at once, with or without an audio device
    QVERIFY(player.IsBackendLoaded());
}

void TestDialogs::detailsDialog_data()
{
    QTest::addColumn<bool>("past");
    QTest::newRow("the newest exchange: edited") << false;
    QTest::newRow("a past exchange: shown only") << true;
}

void TestDialogs::detailsDialog()
{
    QFETCH(bool, past);
    const CExchangeDetails details{QDate(2026, 12, 24), "25 €", "Home", "Wrap it"};
    CDetailsDlg dialog("Christmas", details, past);
    QCOMPARE(dialog.Details(), details);
    auto* pHasDate = dialog.findChild<QCheckBox*>("hasDate");
    QCOMPARE(pHasDate->isEnabled(), !past);
    QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok) != nullptr, !past);
    if (past)
        return;
    // Spaces around a text are not kept; no date is no date, whatever the field shows.
    pHasDate->setChecked(false);
    QVERIFY(!dialog.findChild<QDateEdit*>("date")->isEnabled());
    dialog.findChild<QLineEdit*>("budget")->setText("  30 €  ");
    dialog.findChild<QPlainTextEdit*>("note")->clear();
    QCOMPARE(dialog.Details(), (CExchangeDetails{{}, "30 €", "Home", {}}));
}

QTEST_MAIN(TestDialogs)
#include "tst_Dialogs.moc"
