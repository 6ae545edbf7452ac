// The program on a desktop: its window and dialogs on a small screen (the scale factor comes
// from the environment the test runs in), its keys and icons, and its command line.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/AboutDlg.h"
#include "desktop/CommandLine.h"
#include "desktop/DrawNamesDlg.h"
#include "desktop/Icons.h"
#include "desktop/KivvoView.h"
#include "desktop/MainFrame.h"
#include "desktop/PersonDlg.h"
#include "desktop/ScreenFit.h"
#include "desktop/SendProgressDlg.h"
#include "desktop/SettingsDlg.h"
#include "model/NameList.h"
#include "notify/SendRun.h"
#include "support/DocumentNotation.h"
#include "support/ListNotation.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TreeRows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>

#include <sys/stat.h>

namespace {

using DialogMaker = std::function<QDialog*(CKivvoDoc& doc, CKivvoApp& app, QWidget* pParent)>;

QRect Available(const QWidget* pWidget)
{
    return pWidget->screen()->availableGeometry();
}

// Every button of a window lies inside it, where a person can reach it.
QStringList ButtonsOutside(const QWidget* pWindow)
{
    QStringList outside;
    for (const QAbstractButton* pButton : pWindow->findChildren<QAbstractButton*>()) {
        const QRect rect(pButton->mapTo(pWindow, QPoint()), pButton->size());
        if (pButton->isVisible() && !pWindow->rect().contains(rect))
            outside.append(pButton->text());
    }
    return outside;
}

QString TreeLabels(const QModelIndex& index)
{
    QStringList labels{index.data().toString()};
    for (int i = 0; i < index.model()->rowCount(index); ++i)
        labels.append(TreeLabels(index.model()->index(i, 0, index)));
    return labels.join(u' ');
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstWindowShowsEveryCommand_data();
    void firstWindowShowsEveryCommand();
    void windowStateRemembered_data();
    void windowStateRemembered();
    void dialogsFitTheScreen_data();
    void dialogsFitTheScreen();
    void treeKeys_data();
    void treeKeys();
    void personDialogKeys();
    void menuKeys_data();
    void menuKeys();
    void iconsDrawnAtDevicePixels_data();
    void iconsDrawnAtDevicePixels();
    void commandLine_data();
    void commandLine();

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<CMainFrame> NewFrame();
    // Runs the action on the next modal dialog that comes up, then closes it.
    void WhenDialogIsUp(std::function<void(QDialog*)> action);

    CScreenFit m_screenFit;
    std::unique_ptr<QTimer> m_pDialogWatch;
    CRecordingSoundPlayer m_sounds;
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<CKivvoApp> m_pApp;
    std::unique_ptr<CKivvoDoc> m_pDoc;
};

void TestDesktop::initTestCase()
{
    // Closing the window stores its size: keep that in a folder of this process's own, so
    // test programs running side by side do not read each other's windows.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvale"));
    QCoreApplication::setApplicationName(QStringLiteral("Kivvo"));
    qApp->installEventFilter(&m_screenFit);
}

void TestDesktop::init()
{
    QSettings().clear();
    m_pDir = std::make_unique<QTemporaryDir>();
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_strFolder = m_pDir->path() + QDir::separator();
    m_pDoc = std::make_unique<CKivvoDoc>();
    m_pDoc->OnNewDocument();
}

void TestDesktop::cleanup()
{
    m_pDialogWatch.reset();
    m_pDoc.reset();
    m_pApp.reset();
    m_pDir.reset();
}

std::unique_ptr<CMainFrame> TestDesktop::NewFrame()
{
    auto pFrame = std::make_unique<CMainFrame>(m_pDoc.get(), m_pApp.get());
    pFrame->RestoreWindowState();
    return pFrame;
}

void TestDesktop::WhenDialogIsUp(std::function<void(QDialog*)> action)
{
    m_pDialogWatch = std::make_unique<QTimer>();
    connect(m_pDialogWatch.get(), &QTimer::timeout, this, [this, action] {
        auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog || !pDialog->isVisible())
            return;
        m_pDialogWatch->stop();
        action(pDialog);
        pDialog->reject();
    });
    m_pDialogWatch->start(5);
}

void TestDesktop::firstWindowShowsEveryCommand_data()
{
    QTest::addColumn<bool>("documentList");
    QTest::newRow("document list at start") << true;
    QTest::newRow("document at start") << false;
}

void TestDesktop::firstWindowShowsEveryCommand()
{
    QFETCH(bool, documentList);
    auto pFrame = std::make_unique<CMainFrame>(m_pDoc.get(), m_pApp.get());
    if (documentList)
        pFrame->ShowDocumentList(); // as at start: the bars are hidden while it is up
    pFrame->RestoreWindowState();
    pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(pFrame.get()));
    pFrame->CloseDocumentList();
    QCoreApplication::processEvents();
    for (QToolBar* pBar : pFrame->findChildren<QToolBar*>()) {
        auto* pMore = pBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY2(!pMore || !pMore->isVisible(), qPrintable(pBar->objectName()));
    }
    QVERIFY(Available(pFrame.get()).contains(pFrame->frameGeometry()));
}

void TestDesktop::windowStateRemembered_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::newRow("moved and resized") << false;
    QTest::newRow("maximised") << true;
}

void TestDesktop::windowStateRemembered()
{
    QFETCH(bool, maximised);
    QRect geometry;
    {
        auto pFrame = NewFrame();
        pFrame->show();
        QVERIFY(QTest::qWaitForWindowExposed(pFrame.get()));
        pFrame->setGeometry(QRect(Available(pFrame.get()).topLeft() + QPoint(40, 50),
                                  pFrame->size() - QSize(10, 20)));
        if (maximised)
            pFrame->showMaximized();
        QCoreApplication::processEvents();
        geometry = pFrame->normalGeometry();
        QVERIFY(pFrame->close());
    }
    auto pFrame = NewFrame();
    pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(pFrame.get()));
    QCOMPARE(pFrame->isMaximized(), maximised);
    QCOMPARE(pFrame->normalGeometry(), geometry);
    // Closed as it was opened: the settings file is not written again.
    const QByteArray settingsFile = QFile::encodeName(QSettings().fileName());
    struct stat before = {};
    QCOMPARE(::stat(settingsFile.constData(), &before), 0);
    QVERIFY(pFrame->close());
    struct stat after = {};
    QCOMPARE(::stat(settingsFile.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

void TestDesktop::dialogsFitTheScreen_data()
{
    QTest::addColumn<DialogMaker>("make");
    const QString strLong = QStringLiteral("Ann Smith, who has a rather long name");
    QTest::newRow("pass-around, draw mode")
        << DialogMaker([](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
               return new CDrawNamesDlg(doc.GetCurrentList(), CDrawNamesDlg::kDrawMode, pParent);
           });
    QTest::newRow("pass-around, show mode")
        << DialogMaker([](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
               return new CDrawNamesDlg(doc.GetCurrentList(), CDrawNamesDlg::kShowMode, pParent);
           });
    QTest::newRow("person") << DialogMaker([](CKivvoDoc& doc, CKivvoApp&, QWidget* pParent) {
        return new CPersonDlg(doc.GetNewestList()->GetPersonAt(0), &doc, pParent);
    });
    QTest::newRow("about") << DialogMaker([](CKivvoDoc&, CKivvoApp&, QWidget* pParent) {
        return new CAboutDlg(pParent, [](const QUrl&) { return true; });
    });
    QTest::newRow("message box") << DialogMaker(
        [strLong](CKivvoDoc&, CKivvoApp&, QWidget* pParent) {
            return new QMessageBox(QMessageBox::Question, QStringLiteral("Kivvo"),
                                   QStringList(12, strLong).join(QStringLiteral("\n")),
                                   QMessageBox::Yes | QMessageBox::No, pParent);
        });
    QTest::newRow("settings") << DialogMaker([](CKivvoDoc&, CKivvoApp& app, QWidget* pParent) {
        app.LoadSettings();
        return new CSettingsDlg(&app, pParent);
    });
    QTest::newRow("sending") << DialogMaker([strLong](CKivvoDoc&, CKivvoApp&, QWidget* pParent) {
        QList<CMailJob> jobs(40, CMailJob{strLong, {}, {}, {}, {}});
        return new CSendProgressDlg(new CSendRun(CSettings(), jobs), pParent);
    });
}

void TestDesktop::dialogsFitTheScreen()
{
    QFETCH(DialogMaker, make);
    LoadDocument(*m_pDoc, {"Ann Smith>Bob, Smiths[Bob>Carl, Carl>Dora], Dora>Ann Smith"});
    auto pFrame = NewFrame();
    pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(pFrame.get()));
    std::unique_ptr<QDialog> pDialog(make(*m_pDoc, *m_pApp, pFrame.get()));
    pDialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(pDialog.get()));
    const QRect available = Available(pDialog.get());
    QVERIFY2(available.contains(pDialog->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4 on a screen of %5x%6")
                            .arg(pDialog->frameGeometry().x())
                            .arg(pDialog->frameGeometry().y())
                            .arg(pDialog->frameGeometry().width())
                            .arg(pDialog->frameGeometry().height())
                            .arg(available.width())
                            .arg(available.height())));
    QCOMPARE(ButtonsOutside(pDialog.get()), QStringList());
}

void TestDesktop::treeKeys_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("dialogFor"); // the person whose dialog came up, or ""

    const QString strStart = QStringLiteral("List Ann Fam Bob");
    // The dialog is cancelled: the person added goes again.
    QTest::newRow("Insert adds a person") << "Fam" << int(Qt::Key_Insert) << "List Ann Fam Bob"
                                          << "Person";
    QTest::newRow("Delete deletes a person") << "Ann" << int(Qt::Key_Delete) << "List Fam Bob"
                                             << "";
    QTest::newRow("Delete asks before a group goes with its persons: No by default")
        << "Fam" << int(Qt::Key_Delete) << strStart << "";
    QTest::newRow("Delete spares the root") << "List" << int(Qt::Key_Delete) << strStart << "";
    QTest::newRow("Enter opens a person") << "Bob" << int(Qt::Key_Return) << strStart << "Bob";
    QTest::newRow("Enter on a group opens nothing")
        << "Fam" << int(Qt::Key_Return) << strStart << "";
}

void TestDesktop::treeKeys()
{
    QFETCH(QString, selected);
    QFETCH(int, key);
    QFETCH(QString, tree);
    QFETCH(QString, dialogFor);
    auto pFrame = NewFrame();
    LoadDocument(*m_pDoc, {"Ann, Fam[Bob]"});
    pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(pFrame.get()));
    CKivvoView* pView = pFrame->View();
    const QModelIndex row = RowNamed(pView->model(), selected);
    QVERIFY(row.isValid());
    pView->setCurrentIndex(row);
    pView->setFocus();

    QString strDialogFor;
    WhenDialogIsUp([&](QDialog* pDialog) {
        strDialogFor = pDialog->findChild<QLineEdit*>(QStringLiteral("name"))->text();
    });
    QTest::keyClick(pView, Qt::Key(key));
    QTest::qWait(50); // a dialog comes up after the key's command has finished
    QCOMPARE(TreeLabels(pView->RootIndex()), tree);
    QCOMPARE(strDialogFor, dialogFor);
    QCoreApplication::processEvents();
    m_pDoc->SetModifiedFlag(false);
}

void TestDesktop::personDialogKeys()
{
    // Focus starts in the name; Tab and Shift+Tab leave the suggestions; Enter adds a line.
    CKivvoDoc doc;
    BuildDocument(doc, {QStringLiteral("Ann")});
    CPersonDlg dialog(doc.GetNewestList()->GetPersonAt(0), &doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget()->objectName(), "name");
    auto* pSuggestions = dialog.findChild<QWidget*>(QStringLiteral("suggestions"));
    pSuggestions->setFocus();
    QTest::keyClicks(pSuggestions, QStringLiteral("Socks"));
    QTest::keyClick(pSuggestions, Qt::Key_Return);
    QTest::keyClicks(pSuggestions, QStringLiteral("Tea"));
    QTest::keyClick(pSuggestions, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != pSuggestions);
    pSuggestions->setFocus();
    QTest::keyClick(pSuggestions, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != pSuggestions);
    dialog.accept();
    QCOMPARE(doc.GetNewestList()->GetPersonAt(0)->m_strSuggestions, "Socks\nTea");
}

void TestDesktop::menuKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::newRow("Alt+S") << int(Qt::Key_S) << "settingsMenu";
    QTest::newRow("Alt+X") << int(Qt::Key_X) << "exchangeMenu";
    QTest::newRow("Alt+T") << int(Qt::Key_T) << "toolsMenu";
}

void TestDesktop::menuKeys()
{
    QFETCH(int, key);
    QFETCH(QString, button);
    auto pFrame = NewFrame();
    pFrame->show();
    QVERIFY(QTest::qWaitForWindowActive(pFrame.get()));
    QWidget* pOpened = nullptr;
    QTimer::singleShot(50, this, [&] {
        pOpened = QApplication::activePopupWidget();
        if (pOpened)
            pOpened->close();
    });
    QTest::keyClick(pFrame->View(), Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(pOpened);
    QCOMPARE(pOpened, pFrame->findChild<QToolButton*>(button)->menu());
}

void TestDesktop::iconsDrawnAtDevicePixels_data()
{
    QTest::addColumn<QIcon>("icon");
    QTest::newRow("program") << CIcons::AppIcon();
    QTest::newRow("Draw Names") << CIcons::DrawNamesIcon();
    QTest::newRow("Send Emails") << CIcons::SendEmailsIcon();
    QTest::newRow("person") << CIcons::PersonIcon();
    QTest::newRow("group") << CIcons::GroupIcon();
}

void TestDesktop::iconsDrawnAtDevicePixels()
{
    // At a scale factor the picture is drawn with as many pixels as the screen shows, not
    // blown up from a smaller one.
    QFETCH(QIcon, icon);
    for (const qreal rRatio : {1.0, 1.5, 2.0}) {
        const QPixmap scaled = icon.pixmap(QSize(24, 24), rRatio);
        const int nPixels = qRound(24 * rRatio);
        QCOMPARE(scaled.size(), QSize(nPixels, nPixels));
        QCOMPARE(scaled.deviceIndependentSize(), QSizeF(24, 24));
        QImage image = scaled.toImage().convertToFormat(QImage::Format_ARGB32);
        image.setDevicePixelRatio(1.0);
        QCOMPARE(image, icon.pixmap(QSize(nPixels, nPixels), 1.0)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32));
    }
}

void TestDesktop::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("qtOption"); // one only the window system takes away

    QTest::newRow("nothing") << QStringList{} << int(CCommandLine::kRun) << ""
                             << "" << false;
    QTest::newRow("a document") << QStringList{"a.kv"} << int(CCommandLine::kRun) << "a.kv"
                                << "" << false;
    QTest::newRow("a document named like an option")
        << QStringList{"--", "--help.kv"} << int(CCommandLine::kRun) << "--help.kv"
        << "" << false;
    QTest::newRow("help") << QStringList{"--help"} << int(CCommandLine::kHelp) << ""
                          << "[FILE]" << false;
    QTest::newRow("version") << QStringList{"-v"} << int(CCommandLine::kVersion) << ""
                             << "kivvo " KIVVO_VERSION << false;
    QTest::newRow("unknown option")
        << QStringList{"--bogus", "a.kv"} << int(CCommandLine::kUsageError) << ""
        << "kivvo: Unknown option 'bogus'; see kivvo --help" << false;
    QTest::newRow("two documents")
        << QStringList{"a.kv", "b.kv"} << int(CCommandLine::kUsageError) << ""
        << "only one" << false;
    QTest::newRow("Qt's own option")
        << QStringList{"-style", "fusion"} << int(CCommandLine::kUsageError) << ""
        << "style" << true;
}

void TestDesktop::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(bool, qtOption);
    CCommandLine commandLine;
    QCOMPARE(int(commandLine.Parse(QStringList{"kivvo"} + arguments)), action);
    QCOMPARE(commandLine.File(), file);
    QVERIFY2(commandLine.Text().contains(text), qPrintable(commandLine.Text()));
    QCOMPARE(commandLine.NamesQtOption(), qtOption);
}

QTEST_MAIN(TestDesktop)
#include "tst_Desktop.moc"
