// The main window driven through its real actions, tree, in-place editor and list bar.
#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "app/ParticipantExport.h"
#include "app/ParticipantImport.h"
#include "desktop/DocListWidget.h"
#include "desktop/DrawNamesDlg.h"
#include "desktop/ImportDlg.h"
#include "desktop/KivvoView.h"
#include "desktop/ListBar.h"
#include "desktop/MainFrame.h"
#include "desktop/PersonDlg.h"
#include "desktop/RulesDlg.h"
#include "model/NameList.h"
#include "support/DocumentNotation.h"
#include "support/ListNotation.h"
#include "support/PairShown.h"
#include "support/RecordingMessageHandler.h"
#include "support/RecordingSoundPlayer.h"
#include "support/SmtpTestServer.h"
#include "support/TreeRows.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// "Root[Ann, Fam[Bob]]": the tree's labels.
QModelIndex ItemNamed(const CKivvoView* pTree, const QString& strName)
{
    return RowNamed(pTree->model(), strName);
}

} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void bandsAtTheBottom();
    void enableRules_data();
    void enableRules();
    void addPersonThreeTimes();
    void addToGroupAndDelete();
    void renameInPlace_data();
    void renameInPlace();
    void renameRootUpdatesListBar();
    void escapeCancelsRename();
    void drawNamesThroughTheMenu_data();
    void drawNamesThroughTheMenu();
    void rulesAndExclusionMarks();
    void viewNotificationsChecksTheDrawing_data();
    void viewNotificationsChecksTheDrawing();
    void printCardsChecksTheDrawing_data();
    void printCardsChecksTheDrawing();
    void copyAndChooseDrawing();
    void listBarReachesDrawingsOfTheSameName();
    void saveCloseReopen();
    void saveQuestion_data();
    void saveQuestion();
    void fileChangedElsewhereIsNotOverwrittenSilently();
    void openRecentReopensAndForgetsWhatIsGone();
    void actionsFollowTheDocument();
    void selectionAndClosedGroupsSurviveUndo_data();
    void selectionAndClosedGroupsSurviveUndo();
    void documentListAtStartUp();
    void contextMenuFollowsTheItem_data();
    void contextMenuFollowsTheItem();
    void menusHaveOneMnemonicPerLetter_data();
    void menusHaveOneMnemonicPerLetter();
    void dialogsHaveOneMnemonicPerLetter_data();
    void dialogsHaveOneMnemonicPerLetter();
    void sendEmailsSetsUpMailFirst_data();
    void sendEmailsSetsUpMailFirst();
    void longPressOpensTheMenu();
    void closingWhileRenaming();
    void undoGivesBackTheSavedBytes_data();
    void undoGivesBackTheSavedBytes();
    void newPersonDialog_data();
    void newPersonDialog();
    void moveBetweenGroups_data();
    void moveBetweenGroups();
    void pastExchangeIsReadOnly_data();
    void pastExchangeIsReadOnly();
    void importPreview_data();
    void importPreview();
    void exportParticipants_data();
    void exportParticipants();
    void sealedDrawingShowsNoPair_data();
    void sealedDrawingShowsNoPair();
    void breakingTheSealAsksFirst_data();
    void breakingTheSealAsksFirst();
    void drawNamesOffersTheRepair_data();
    void drawNamesOffersTheRepair();
    void drawingIsSavedBeforeAnyNameGoesOut();
    void roundAfterARepair_data();
    void roundAfterARepair();
    void emptyListAndGreyedDrawSayWhy();
    void rolesAndGiftsInTheWindow();
    void fileWithAnotherDrawingStopsTheCards_data();
    void fileWithAnotherDrawingStopsTheCards();
    void screenshot();

private:
    QTemporaryDir m_settingsDir;
    void Load(const QStringList& lists);
    void Select(const QString& strLabel);
    bool Enabled(EAction action);
    void Trigger(EAction action) { m_pFrame->Action(action)->trigger(); }
    // Closes each person dialog as soon as it appears; returns how many came up.
    void AnswerPersonDialogs(bool bAccept);
    // Runs fn on the next modal dialog of that class as soon as it is up.
    template <typename Dialog> void WhenUp(std::function<void(Dialog*)> fn);
    // One change of the document made through the window, by its name in the undo tests.
    void Change(const QString& strChange);
    QString WriteFile(const QString& strName, const QByteArray& content);
    void Rename(const QString& strLabel, const QString& strText);
    QString Tree() { return TreeText(m_pFrame->View()->RootIndex()); }

    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<CRecordingMessageHandler> m_pMessages;
    std::unique_ptr<CRecordingSoundPlayer> m_pSounds;
    std::unique_ptr<CKivvoApp> m_pApp;
    std::unique_ptr<CKivvoDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    QTimer* m_pDialogCloser = nullptr;
    int m_nPersonDialogs = 0;
    QString m_strSaveAs; // what the file dialogs answer
    QString m_strToOpen;
};

void TestMainFrame::initTestCase()
{
    // Closing the window stores its size: keep that in a folder of this process's own, so
    // test programs running side by side do not read each other's windows.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestMainFrame::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    m_pMessages = std::make_unique<CRecordingMessageHandler>();
    m_pSounds = std::make_unique<CRecordingSoundPlayer>();
    m_pApp = std::make_unique<CKivvoApp>();
    m_pApp->m_strFolder = m_pDir->path() + QDir::separator();
    m_pDoc = std::make_unique<CKivvoDoc>();
    m_pFrame = std::make_unique<CMainFrame>(m_pDoc.get(), m_pApp.get());
    m_pFrame->SetFileChooser(
        [this](bool bSave, const QString&) { return bSave ? m_strSaveAs : m_strToOpen; });
    m_pDoc->OnNewDocument();
    m_pFrame->resize(480, 420);
    m_pFrame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFrame.get()));
    m_nPersonDialogs = 0;
}

void TestMainFrame::cleanup()
{
    delete m_pDialogCloser;
    m_pDialogCloser = nullptr;
    m_pDoc->SetModifiedFlag(false);
    m_pFrame.reset();
    m_pDoc.reset();
    m_pApp.reset();
    m_pSounds.reset();
    m_pMessages.reset();
    m_pDir.reset();
}

void TestMainFrame::Load(const QStringList& lists)
{
    LoadDocument(*m_pDoc, lists);
}

void TestMainFrame::Select(const QString& strLabel)
{
    const QModelIndex item = ItemNamed(m_pFrame->View(), strLabel);
    QVERIFY2(item.isValid(), qPrintable(strLabel));
    const QRect rect = m_pFrame->View()->visualRect(item);
    QTest::mouseClick(m_pFrame->View()->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(m_pFrame->View()->selectionModel()->selectedIndexes(), QModelIndexList{item});
}

bool TestMainFrame::Enabled(EAction action)
{
    m_pFrame->UpdateActions();
    return m_pFrame->Action(action)->isEnabled();
}

void TestMainFrame::AnswerPersonDialogs(bool bAccept)
{
    m_pDialogCloser = new QTimer;
    connect(m_pDialogCloser, &QTimer::timeout, this, [this, bAccept] {
        if (auto* pDialog = qobject_cast<CPersonDlg*>(QApplication::activeModalWidget())) {
            ++m_nPersonDialogs;
            bAccept ? pDialog->accept() : pDialog->reject();
        }
    });
    m_pDialogCloser->start(5);
}

template <typename Dialog> void TestMainFrame::WhenUp(std::function<void(Dialog*)> fn)
{
    auto* pTimer = new QTimer(this);
    connect(pTimer, &QTimer::timeout, this, [pTimer, fn] {
        if (auto* pDialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            pTimer->deleteLater();
            pTimer->stop();
            fn(pDialog);
        }
    });
    pTimer->start(5);
}

QString TestMainFrame::WriteFile(const QString& strName, const QByteArray& content)
{
    const QString strPath = m_pDir->filePath(strName);
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return strPath;
}

void TestMainFrame::Change(const QString& strChange)
{
    CKivvoView* pView = m_pFrame->View();
    if (strChange == "add person") {
        AnswerPersonDialogs(true);
        Trigger(EAction::AddPerson);
        QTRY_COMPARE(m_nPersonDialogs, 1);
    } else if (strChange == "add group") {
        Trigger(EAction::AddGroup);
        // The name open for typing is left as it was given.
        QTRY_VERIFY(pView->indexWidget(pView->currentIndex()));
        pView->EndEditing();
    } else if (strChange == "add group and name it") {
        Trigger(EAction::AddGroup);
        QTRY_VERIFY(pView->indexWidget(pView->currentIndex()));
        auto* pEditor = qobject_cast<QLineEdit*>(pView->indexWidget(pView->currentIndex()));
        pEditor->setText("Smiths");
        QTest::keyClick(pEditor, Qt::Key_Return);
        QTRY_VERIFY2(Tree().endsWith("Fam[Dan, Eve], Smiths]"), qPrintable(Tree()));
    } else if (strChange == "add person and fill in") {
        WhenUp<CPersonDlg>([](CPersonDlg* pDialog) {
            pDialog->findChild<QLineEdit*>("name")->setText("Gus");
            pDialog->findChild<QLineEdit*>("neverDraws")->setText("Ann");
            pDialog->accept();
        });
        Trigger(EAction::AddPerson);
        QTRY_VERIFY(m_pDoc->GetNewestList()->FindPerson("Gus"));
    } else if (strChange == "delete") {
        Select("Dan");
        Trigger(EAction::DeleteItem);
    } else if (strChange == "rename") {
        Rename("Ann", "Anna");
    } else if (strChange == "properties") {
        WhenUp<CPersonDlg>([](CPersonDlg* pDialog) {
            pDialog->findChild<QLineEdit*>("neverDraws")->setText("Bob");
            pDialog->findChild<QPushButton*>("addNeverDraws")->click();
            pDialog->findChild<QTableWidget*>("neverDrawsTable")
                ->item(0, 1)
                ->setCheckState(Qt::Checked);
            pDialog->accept();
        });
        Select("Ann");
        Trigger(EAction::PersonProperties);
    } else if (strChange == "move") {
        Select("Ann");
        emit pView->MoveMenu()->aboutToShow();
        pView->MoveMenu()->actions().first()->trigger(); // the group Fam
    } else if (strChange == "drop") {
        Select("Dan");
        QVERIFY(pView->DropOn(ItemNamed(pView, "Dan"), pView->viewport()->rect().bottomLeft()));
    } else if (strChange == "rules") {
        WhenUp<CRulesDlg>([](CRulesDlg* pDialog) {
            pDialog->findChild<QCheckBox*>("noMutual")->setChecked(true);
            pDialog->accept();
        });
        Trigger(EAction::Rules);
    } else if (strChange == "rules, two at once") {
        WhenUp<CRulesDlg>([](CRulesDlg* pDialog) {
            pDialog->findChild<QCheckBox*>("oneCircle")->setChecked(true);
            pDialog->findChild<QCheckBox*>("quoteHistory")->setChecked(false);
            pDialog->accept();
        });
        Trigger(EAction::Rules);
    } else if (strChange == "draw") {
        m_pMessages->Answer(IDS_ASK_DRAW_NOW, EAnswer::Yes);
        Trigger(EAction::DrawNames);
        // Drawn in the background: done once the offer to send is made.
        QTRY_VERIFY(m_pMessages->Ids().contains(IDS_ASK_SEND_NOW));
    } else if (strChange == "copy") {
        m_pMessages->Answer(IDS_ASK_COPY_LIST, EAnswer::Yes);
        Trigger(EAction::CopyForNext);
    } else if (strChange == "import") {
        const QString strPath = WriteFile("in.csv", "Gus,gus@example.com,,Fam\nHal\n");
        m_pFrame->SetImportChooser([strPath] { return strPath; });
        WhenUp<CImportDlg>([](CImportDlg* pDialog) { pDialog->accept(); });
        Trigger(EAction::Import);
    }
}

void TestMainFrame::Rename(const QString& strLabel, const QString& strText)
{
    Select(strLabel);
    QTest::keyClick(m_pFrame->View(), Qt::Key_F2);
    auto* pEditor = m_pFrame->View()->viewport()->findChild<QLineEdit*>();
    QVERIFY(pEditor);
    pEditor->selectAll();
    QTest::keyClick(pEditor, Qt::Key_Backspace);
    QTest::keyClicks(pEditor, strText);
    QTest::keyClick(pEditor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor hands its text over after the key
}

void TestMainFrame::bandsAtTheBottom()
{
    const QList<QToolBar*> bars = m_pFrame->findChildren<QToolBar*>();
    QStringList order;
    for (QToolBar* pBar : bars) {
        QCOMPARE(m_pFrame->toolBarArea(pBar), Qt::BottomToolBarArea);
        order.append(pBar->objectName());
    }
    QCOMPARE(order, (QStringList{"commandBar", "toolBar", "listBand"}));
    QVERIFY(m_pFrame->findChild<QObject*>("settingsMenu"));
    QVERIFY(m_pFrame->findChild<QObject*>("exchangeMenu"));
    QVERIFY(m_pFrame->findChild<QObject*>("toolsMenu"));
    QCOMPARE(m_pFrame->Action(EAction::SendEmails)->toolTip(), "Send emails");
    QCOMPARE(m_pFrame->Action(EAction::Save)->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(m_pFrame->ListBar()->Combo()->currentText(), "List");
}

void TestMainFrame::enableRules_data()
{
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QString>("selected"); // label, or "" for nothing
    QTest::addColumn<QList<EAction>>("enabled");
    QTest::addColumn<QList<EAction>>("disabled");

    QTest::newRow("new document, nothing selected")
        << QStringList{""} << ""
        << QList<EAction>{EAction::AddPerson,         EAction::AddGroup,  EAction::RenameItem,
                          EAction::ViewNotifications, EAction::Configure, EAction::DeleteItem,
                          EAction::PersonProperties}
        << QList<EAction>{EAction::DrawNames,         EAction::CopyForNext,
                          EAction::SendEmails,        EAction::AddPersonToGroup,
                          EAction::SendEmailToPerson, EAction::PrintCards};
    QTest::newRow("root selected")
        << QStringList{"Ann, Bob"} << "List"
        << QList<EAction>{EAction::AddPerson, EAction::RenameItem}
        << QList<EAction>{EAction::AddPersonToGroup, EAction::DeleteItem, EAction::PersonProperties,
                          EAction::SendEmailToPerson, EAction::DrawNames};
    QTest::newRow("top-level group selected")
        << QStringList{"Ann, Fam[Bob, Cid]"} << "Fam"
        << QList<EAction>{EAction::AddPersonToGroup, EAction::DeleteItem, EAction::DrawNames,
                          EAction::CopyForNext}
        << QList<EAction>{EAction::PersonProperties, EAction::SendEmailToPerson,
                          EAction::SendEmails};
    QTest::newRow("grouped person selected")
        << QStringList{"Ann, Fam[Bob, Cid]"} << "Bob"
        << QList<EAction>{EAction::AddPersonToGroup, EAction::DeleteItem, EAction::PersonProperties}
        << QList<EAction>{EAction::SendEmailToPerson};
    QTest::newRow("top-level person selected")
        << QStringList{"Ann, Fam[Bob, Cid]"} << "Ann"
        << QList<EAction>{EAction::DeleteItem, EAction::PersonProperties}
        << QList<EAction>{EAction::AddPersonToGroup, EAction::SendEmailToPerson};
    QTest::newRow("drawn person with address")
        << QStringList{"Ann>Bob, Fam[Bob>Cid, Cid>Ann]"} << "Cid"
        << QList<EAction>{EAction::SendEmailToPerson, EAction::SendEmails, EAction::DrawNames,
                          EAction::PrintCards}
        << QList<EAction>{};
    QTest::newRow("drawn person without address")
        << QStringList{"Ann>Bob, Fam[Bob>Cid, Cid>Ann]"} << "Bob"
        << QList<EAction>{EAction::SendEmails} << QList<EAction>{EAction::SendEmailToPerson};
    QTest::newRow("only the newest list counts")
        << QStringList{"Ann, Bob", "Ann>Bob, Bob>Cid, Cid>Ann"} << "" << QList<EAction>{}
        << QList<EAction>{EAction::DrawNames, EAction::CopyForNext, EAction::SendEmails,
                          EAction::PrintCards};
}

void TestMainFrame::enableRules()
{
    QFETCH(QStringList, lists);
    QFETCH(QString, selected);
    QFETCH(QList<EAction>, enabled);
    QFETCH(QList<EAction>, disabled);
    Load(lists);
    m_pDoc->GetCurrentList()->FirstPersonWhere([](CPerson* pPerson) {
        if (pPerson->m_strName == u"Cid")
            pPerson->m_strAddress = QStringLiteral("cid@example.com");
        return false;
    });
    if (!selected.isEmpty())
        Select(selected);
    for (const EAction action : enabled)
        QVERIFY2(Enabled(action), qPrintable(QString::number(int(action))));
    for (const EAction action : disabled)
        QVERIFY2(!Enabled(action), qPrintable(QString::number(int(action))));
}

void TestMainFrame::addPersonThreeTimes()
{
    AnswerPersonDialogs(true);
    for (int i = 1; i <= 3; ++i) {
        Trigger(EAction::AddPerson);
        QTRY_COMPARE(m_nPersonDialogs, i);
    }
    QCOMPARE(Tree(), "List[Person, Person1, Person2]");
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), "Person, Person1, Person2");
    QCOMPARE(m_pFrame->View()->SelectedEntry()->m_strName, "Person2");
    QVERIFY(m_pDoc->IsModified());
    QVERIFY(m_pFrame->windowTitle().startsWith("Untitled"));
    QVERIFY(m_pFrame->isWindowModified());
}

void TestMainFrame::addToGroupAndDelete()
{
    Load({"Ann, Fam[Bob], Solo[Dan]"});
    AnswerPersonDialogs(true);
    Select("Bob");
    Trigger(EAction::AddPersonToGroup);
    QTRY_COMPARE(m_nPersonDialogs, 1);
    Select("Fam");
    Trigger(EAction::AddPersonToGroup);
    QTRY_COMPARE(m_nPersonDialogs, 2);
    Select("Bob");
    Trigger(EAction::AddPerson); // at the top level, whatever is selected
    QTRY_COMPARE(m_nPersonDialogs, 3);
    Trigger(EAction::AddGroup);
    Trigger(EAction::AddGroup);
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()),
             "Ann, Fam[Bob, Person, Person1], Solo[Dan], Person2, New Group[], New Group[]");

    Select("Fam");
    Trigger(EAction::DeleteItem); // asked, and No is the default
    QCOMPARE(m_pMessages->m_boxes.size(), 1);
    QCOMPARE(m_pMessages->m_boxes.at(0).m_strText, "Delete the group Fam with its 3 persons?");
    QVERIFY(m_pMessages->m_boxes.at(0).m_kind == EBoxKind::YesNoDefaultNo);
    QCOMPARE(Tree(), "List[Ann, Fam[Bob, Person, Person1], Solo[Dan], Person2, New Group, "
                     "New Group]");
    m_pMessages->Answer(IDS_ASK_DELETE_GROUP, EAnswer::Yes);
    Trigger(EAction::DeleteItem);
    Select("Dan");
    Trigger(EAction::DeleteItem);
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()),
             "Ann, Solo[], Person2, New Group[], New Group[]");
    QCOMPARE(Tree(), "List[Ann, Solo, Person2, New Group, New Group]");
}

void TestMainFrame::renameInPlace_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<bool>("madeUnique"); // told that the name was taken

    QTest::newRow("new name") << "Ann"
                              << "Anna"
                              << "Anna, Bob, Fam[Cid], Fam2[]"
                              << "List[Anna, Bob, Fam[Cid], Fam2]" << false;
    QTest::newRow("case-only change") << "Ann"
                                      << "ANN"
                                      << "ANN, Bob, Fam[Cid], Fam2[]"
                                      << "List[ANN, Bob, Fam[Cid], Fam2]" << false;
    QTest::newRow("another person's name") << "Cid"
                                           << "bob"
                                           << "Ann, Bob, Fam[bob1], Fam2[]"
                                           << "List[Ann, Bob, Fam[bob1], Fam2]" << true;
    QTest::newRow("unchanged") << "Bob"
                               << "Bob"
                               << "Ann, Bob, Fam[Cid], Fam2[]"
                               << "List[Ann, Bob, Fam[Cid], Fam2]" << false;
    QTest::newRow("group to another group's name") << "Fam2"
                                                   << "Fam"
                                                   << "Ann, Bob, Fam[Cid], Fam[]"
                                                   << "List[Ann, Bob, Fam[Cid], Fam]" << false;
    QTest::newRow("person to nothing keeps his name") << "Ann"
                                                      << ""
                                                      << "Ann, Bob, Fam[Cid], Fam2[]"
                                                      << "List[Ann, Bob, Fam[Cid], Fam2]" << false;
    QTest::newRow("group to nothing") << "Fam"
                                      << ""
                                      << "Ann, Bob, [Cid], Fam2[]"
                                      << "List[Ann, Bob, [Cid], Fam2]" << false;
}

void TestMainFrame::renameInPlace()
{
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(QString, list);
    QFETCH(QString, tree);
    QFETCH(bool, madeUnique);
    Load({"Ann, Bob, Fam[Cid], Fam2[]"});
    // A box shown while the name's editor is still open took the focus from it, and the view
    // closed the editor twice: a crash.
    bool bBoxWhileEditing = false;
    m_pMessages->m_fnOnShow = [&] {
        const auto* pEditor = m_pFrame->View()->viewport()->findChild<QLineEdit*>();
        bBoxWhileEditing |= pEditor && pEditor->isVisible();
    };
    Rename(item, typed);
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), list);
    QCOMPARE(Tree(), tree);
    QCOMPARE(m_pDoc->IsModified(), list != "Ann, Bob, Fam[Cid], Fam2[]");
    QTRY_COMPARE(m_pMessages->Ids().contains(IDS_NAME_MADE_UNIQUE), madeUnique);
    QVERIFY(!bBoxWhileEditing);
    m_pMessages->m_fnOnShow = nullptr;
}

void TestMainFrame::renameRootUpdatesListBar()
{
    Load({"Ann", "Bob"});
    Rename("List", "Christmas 2026");
    QCOMPARE(m_pDoc->GetCurrentList()->m_strName, "Christmas 2026");
    QComboBox* pCombo = m_pFrame->ListBar()->Combo();
    QCOMPARE(pCombo->itemText(0), "Christmas 2026");
    QCOMPARE(pCombo->currentIndex(), 0);
}

void TestMainFrame::escapeCancelsRename()
{
    Load({"Ann, Bob"});
    Select("Ann");
    QTest::keyClick(m_pFrame->View(), Qt::Key_F2);
    auto* pEditor = m_pFrame->View()->viewport()->findChild<QLineEdit*>();
    QVERIFY(pEditor);
    QTest::keyClicks(pEditor, "xyz");
    QTest::keyClick(pEditor, Qt::Key_Escape);
    QCOMPARE(Tree(), "List[Ann, Bob]");
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), "Ann, Bob");
    QVERIFY(!m_pDoc->IsModified());
}

void TestMainFrame::drawNamesThroughTheMenu_data()
{
    QTest::addColumn<EAnswer>("passAround");
    QTest::addColumn<int>("looked"); // participants who saw their name in the round
    QTest::addColumn<int>("sendQuestion");
    QTest::newRow("no round") << EAnswer::No << 0 << int(IDS_ASK_SEND_NOW);
    QTest::newRow("everybody looked") << EAnswer::Yes << 4 << int(IDS_ASK_SEND_NOW);
    // Not "complete" to those who are still waiting for their name.
    QTest::newRow("round ended early") << EAnswer::Yes << 3 << int(IDS_ASK_SEND_NOT_ALL_LOOKED);
}

void TestMainFrame::drawNamesThroughTheMenu()
{
    QFETCH(EAnswer, passAround);
    QFETCH(int, looked);
    QFETCH(int, sendQuestion);
    Load({"Ann, Dan, Fam[Bob, Cid]"});
    QVERIFY(m_pDoc->OnSaveDocument(m_pDir->filePath("circle.kv")));
    m_pMessages->Answer(IDS_ASK_DRAW_NOW, EAnswer::Yes);
    m_pMessages->Answer(IDS_ASK_PASS_AROUND, passAround);
    m_pMessages->Answer(IDS_ASK_END_ROUND_ONE, EAnswer::Yes);
    if (passAround == EAnswer::Yes)
        WhenUp<CDrawNamesDlg>([looked](CDrawNamesDlg* pDialog) {
            for (int i = 0; i < looked; ++i) {
                for (const char* pButton : {"reveal", "done", "next"})
                    pDialog->findChild<QPushButton*>(pButton)->click();
            }
            pDialog->findChild<QPushButton*>("ok")->click();
        });
    Trigger(EAction::DrawNames);
    // Drawn in the background; the offers come once it is done.
    QList<int> boxes{IDS_ASK_DRAW_NOW, IDS_ASK_PASS_AROUND};
    if (passAround == EAnswer::Yes && looked < 4)
        boxes.append(IDS_ASK_END_ROUND_ONE);
    boxes.append(sendQuestion);
    QTRY_COMPARE(m_pMessages->Ids(), boxes);
    QVERIFY(m_pDoc->GetNewestList()->HasDrawnNames());
    QVERIFY(Enabled(EAction::SendEmails));
}

void TestMainFrame::viewNotificationsChecksTheDrawing_data()
{
    QTest::addColumn<EAnswer>("answer"); // to "This shows every participant's drawn name..."
    QTest::addColumn<QList<int>>("boxes");
    QTest::newRow("not shown") << EAnswer::No << QList<int>{IDS_ASK_VIEW_NOTIFICATIONS};
    QTest::newRow("shown, checked first")
        << EAnswer::Yes << QList<int>{IDS_ASK_VIEW_NOTIFICATIONS, IDS_DRAWING_INVALID};
}

void TestMainFrame::viewNotificationsChecksTheDrawing()
{
    QFETCH(EAnswer, answer);
    QFETCH(QList<int>, boxes);
    Load({"Ann>Bob, Bob>Cid, Cid>Ann, Eve"});
    m_pMessages->Answer(IDS_ASK_VIEW_NOTIFICATIONS, answer);
    Trigger(EAction::ViewNotifications);
    QCOMPARE(m_pMessages->Ids(), boxes);
    QVERIFY(m_pMessages->m_boxes.at(0).m_kind == EBoxKind::YesNoDefaultNo);
    if (answer == EAnswer::Yes)
        QVERIFY(m_pMessages->m_boxes.at(1).m_strText.contains("Eve has no drawn name"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestMainFrame::printCardsChecksTheDrawing_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("givers"); // on the cards; none: nothing printed
    QTest::newRow("drawn") << "Ann>Bob, Fam[Bob>Dan, Cid>Ann], Dan>Cid"
                           << QStringList{"Ann", "Bob", "Cid", "Dan"};
    QTest::newRow("added since the drawing") << "Ann>Bob, Bob>Cid, Cid>Ann, Eve" << QStringList{};
}

void TestMainFrame::printCardsChecksTheDrawing()
{
    QFETCH(QString, list);
    QFETCH(QStringList, givers);
    Load({list});
    QVERIFY(m_pDoc->OnSaveDocument(m_pDir->filePath("circle.kv")));
    const QString strPdf = m_pDir->filePath("cards.pdf");
    QString strTitle;
    m_pFrame->SetPrinterChooser([&](QPrinter& printer, const QString& strDialogTitle) {
        strTitle = strDialogTitle;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(strPdf);
        return true;
    });
    QVERIFY(Enabled(EAction::PrintCards));
    Trigger(EAction::PrintCards);
    if (givers.isEmpty()) {
        QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_DRAWING_INVALID});
        QVERIFY(strTitle.isEmpty());
        QVERIFY(!QFile::exists(strPdf));
        return;
    }
    QVERIFY2(m_pMessages->m_boxes.isEmpty(), qPrintable(m_pMessages->m_boxes.value(0).m_strText));
    QCOMPARE(strTitle, "Print Cards — List");
    QCOMPARE(QFile::permissions(strPdf) & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());
    QProcess text;
    text.start("pdftotext", {strPdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString strText = QString::fromUtf8(text.readAllStandardOutput());
    QCOMPARE(strText.count("For "), givers.size());
    for (const QString& strGiver : std::as_const(givers))
        QVERIFY2(strText.contains("For " + strGiver), qPrintable(strText));
}

void TestMainFrame::copyAndChooseDrawing()
{
    Load({"Ann>Bob, Fam[Bob>Cid, Cid>Ann]"});
    m_pDoc->GetNewestList()->m_strName = QStringLiteral("Christmas 2025");
    m_pDoc->NotifyListsChanged();
    m_pMessages->Answer(IDS_ASK_COPY_LIST, EAnswer::Yes);
    Trigger(EAction::CopyForNext);
    QCOMPARE(m_pMessages->Ids(), (QList<int>{IDS_ASK_COPY_LIST, IDS_COPY_DONE}));
    QComboBox* pCombo = m_pFrame->ListBar()->Combo();
    QCOMPARE(pCombo->count(), 2);
    QCOMPARE(pCombo->itemText(0), "Christmas 2025 New Copy");
    QCOMPARE(pCombo->currentIndex(), 0);
    QCOMPARE(Tree(), "Christmas 2025 New Copy[Ann, Fam[Bob, Cid]]");
    QVERIFY(m_pDoc->IsModified());

    // Picking the older drawing in the list bar shows it, groups expanded, nothing selected.
    pCombo->setCurrentIndex(1);
    emit pCombo->activated(1);
    QTRY_COMPARE(Tree(), "Christmas 2025[Ann, Fam[Bob, Cid]]");
    QCOMPARE(m_pDoc->GetCurrentList(), m_pDoc->GetHeadNode()->m_pNext->m_pList);
    QVERIFY(m_pFrame->View()->isExpanded(ItemNamed(m_pFrame->View(), "Fam")));
    QVERIFY(!m_pFrame->View()->selectionModel()->hasSelection());
}

void TestMainFrame::listBarReachesDrawingsOfTheSameName()
{
    Load({"Ann", "Bob", "Cid"}); // all three named "List"
    QComboBox* pCombo = m_pFrame->ListBar()->Combo();
    for (const auto& [nIndex, strTree] :
         {std::pair{2, "List[Cid]"}, std::pair{1, "List[Bob]"}, std::pair{0, "List[Ann]"}}) {
        pCombo->setCurrentIndex(nIndex);
        emit pCombo->activated(nIndex);
        QTRY_COMPARE(Tree(), QString(strTree));
    }
}

void TestMainFrame::rulesAndExclusionMarks()
{
    Load({"Ann, Bob, Cid"});
    m_pDoc->GetNewestList()->m_exclusions.Add("Ann", "Bob");
    m_pDoc->UpdateAllViews(HINT_LIST_CHANGED);
    const QString strMark = CStringTable::Load(IDS_TIP_HAS_EXCLUSIONS);
    QVERIFY(ItemNamed(m_pFrame->View(), "Ann").data(Qt::ToolTipRole).toString().contains(strMark));
    QVERIFY(!ItemNamed(m_pFrame->View(), "Bob").data(Qt::ToolTipRole).toString().contains(strMark));

    QTimer::singleShot(0, this, [] {
        auto* pDialog = qobject_cast<CRulesDlg*>(QApplication::activeModalWidget());
        QVERIFY(pDialog);
        QCOMPARE(pDialog->findChild<QSpinBox*>("history")->value(), 1);
        pDialog->findChild<QSpinBox*>("history")->setValue(3);
        pDialog->findChild<QCheckBox*>("noMutual")->setChecked(true);
        pDialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Trigger(EAction::Rules);
    QCOMPARE(m_pDoc->GetRules().m_nHistory, 3);
    QVERIFY(m_pDoc->GetRules().m_bNoMutual);
    QVERIFY(!m_pDoc->GetRules().m_bOneCircle);
    QVERIFY(m_pDoc->IsModified());
}

void TestMainFrame::saveCloseReopen()
{
    Load({"Ann>Cid, Fam[Bob>Ann, Cid>Bob], Empty[]", "Ann, Fam[Bob, Cid]"});
    m_pDoc->SetModifiedFlag();
    const QString strTree = Tree();
    m_strSaveAs = m_pDir->filePath("circle"); // ".kv" is added
    QTest::keyClick(m_pFrame.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!m_pDoc->IsModified());
    QCOMPARE(m_pDoc->GetPathName(), m_pDir->filePath("circle.kv"));
    QVERIFY(m_pFrame->windowTitle().startsWith("circle"));
    QVERIFY(m_pFrame->close());

    CKivvoDoc reopenedDoc;
    CMainFrame reopened(&reopenedDoc, m_pApp.get());
    QVERIFY(reopened.OpenDocument(m_pDir->filePath("circle.kv")));
    QCOMPARE(TreeText(reopened.View()->RootIndex()), strTree);
    QCOMPARE(reopened.ListBar()->Combo()->count(), 2);
    QVERIFY(m_pMessages->m_boxes.isEmpty());
}

void TestMainFrame::openRecentReopensAndForgetsWhatIsGone()
{
    QSettings().remove("MainWindow/recentFiles");
    const QString strAnn = m_pDir->filePath("ann.kv");
    const QString strBob = m_pDir->filePath("bob.kv");
    for (const QString& strPath : {strAnn, strBob}) {
        CKivvoDoc other;
        LoadDocument(other, {QFileInfo(strPath).baseName() == "ann" ? "Ann" : "Bob"});
        QVERIFY(other.OnSaveDocument(strPath));
        QVERIFY(m_pFrame->OpenDocument(strPath));
    }
    QCOMPARE(CMainFrame::RecentFiles(), (QStringList{strBob, strAnn}));
    auto* pRecent = m_pFrame->findChild<QMenu*>("recentMenu");
    const auto entry = [pRecent](int nIndex) {
        emit qobject_cast<QMenu*>(pRecent->parent())->aboutToShow();
        return pRecent->actions().value(nIndex);
    };
    QCOMPARE(entry(1)->text(), "&2 ann.kv");
    entry(1)->trigger();
    QCOMPARE(DescribeList(*m_pDoc->GetNewestList()), "Ann");
    QCOMPARE(CMainFrame::RecentFiles(), (QStringList{strAnn, strBob}));

    QVERIFY(QFile::remove(strBob));
    entry(1)->trigger();
    QCOMPARE(m_pMessages->m_boxes.size(), 1); // why it could not be opened
    QCOMPARE(DescribeList(*m_pDoc->GetNewestList()), "Ann");
    QCOMPARE(CMainFrame::RecentFiles(), QStringList{strAnn});
}

void TestMainFrame::actionsFollowTheDocument()
{
    // No call to set the states: the document's and the stack's signals do.
    QAction* pDraw = m_pFrame->Action(EAction::DrawNames);
    QAction* pUndo = m_pFrame->Action(EAction::Undo);
    QVERIFY(!pDraw->isEnabled() && !pUndo->isEnabled());
    for (const char* pName : {"Ann", "Bob", "Cid"})
        QVERIFY(m_pDoc->AddPerson(nullptr, {pName, {}, {}}));
    QVERIFY(pDraw->isEnabled() && pUndo->isEnabled());
    QCOMPARE(pUndo->text(), "&Undo Add Person");
    pUndo->trigger();
    QVERIFY(!pDraw->isEnabled());
    QVERIFY(m_pFrame->Action(EAction::Redo)->isEnabled());
}

void TestMainFrame::selectionAndClosedGroupsSurviveUndo_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("wholeList"); // the tree is refilled rather than changed row by row
    QTest::newRow("a person removed") << "remove Ann"
                                      << "Bob" << false;
    QTest::newRow("the selected person removed") << "remove Ann"
                                                 << "Ann" << false;
    QTest::newRow("the closed group removed") << "remove Kin"
                                              << "Kin" << false;
    QTest::newRow("a person moved") << "move Dan"
                                    << "Bob" << false;
    QTest::newRow("an import") << "import"
                               << "Bob" << true;
}

void TestMainFrame::selectionAndClosedGroupsSurviveUndo()
{
    QFETCH(QString, change);
    QFETCH(QString, selected);
    QFETCH(bool, wholeList);
    Load({"Ann, Dan, Fam[Bob], Kin[Cid]"});
    CKivvoView* pView = m_pFrame->View();
    pView->collapse(ItemNamed(pView, "Kin"));
    Select(selected);
    QSignalSpy resets(pView->model(), &QAbstractItemModel::modelReset);
    CNameList* pList = m_pDoc->GetCurrentList();
    if (change == "remove Ann") {
        QVERIFY(m_pDoc->RemoveEntry(pList->FindPerson("Ann")));
    } else if (change == "remove Kin") {
        QVERIFY(m_pDoc->RemoveEntry(pList->FindGroup("Kin")));
    } else if (change == "move Dan") {
        QVERIFY(m_pDoc->MovePerson(pList->FindPerson("Dan"), pList->FindGroup("Fam")));
    } else {
        CParticipantImport import;
        QString strError;
        QVERIFY(import.ReadBytes("Eve,eve@example.com\n", false, strError));
        import.Check(*pList);
        QVERIFY(m_pDoc->ImportParticipants(import));
    }
    QVERIFY(m_pDoc->Undo());
    QCOMPARE(resets.count(), wholeList ? 2 : 0);
    QCOMPARE(Tree(), "List[Ann, Dan, Fam[Bob], Kin[Cid]]");
    QCOMPARE(pView->SelectedEntry()->m_strName, selected);
    QVERIFY(pView->isExpanded(ItemNamed(pView, "Fam")));
    QVERIFY(!pView->isExpanded(ItemNamed(pView, "Kin")));
}

void TestMainFrame::fileChangedElsewhereIsNotOverwrittenSilently()
{
    const QString strPath = m_pDir->filePath("circle.kv");
    CKivvoDoc other;
    LoadDocument(other, {"Ann"});
    QVERIFY(other.OnSaveDocument(strPath));
    QVERIFY(m_pFrame->OpenDocument(strPath));
    other.GetNewestList()->Append(new CPerson("Theirs", {}, {}));
    QVERIFY(other.OnSaveDocument(strPath));
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray theirs = file.readAll();
    file.close();

    m_pDoc->GetNewestList()->Append(new CPerson("Mine", {}, {}));
    m_pDoc->SetModifiedFlag();
    m_pMessages->Answer(IDS_ASK_OVERWRITE_CHANGED, EAnswer::No);
    QTest::keyClick(m_pFrame.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_ASK_OVERWRITE_CHANGED});
    QVERIFY(m_pMessages->m_boxes.at(0).m_kind == EBoxKind::YesNoDefaultNo);
    QVERIFY(m_pMessages->m_boxes.at(0).m_strText.contains("circle.kv"));
    QVERIFY(m_pDoc->IsModified());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), theirs);
}

void TestMainFrame::saveQuestion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<EAnswer>("answer");
    QTest::addColumn<bool>("kept"); // the modified document is still there afterwards

    for (const char* pCommand : {"new", "open", "close"}) {
        QTest::addRow("%s, Cancel", pCommand) << pCommand << EAnswer::Cancel << true;
        QTest::addRow("%s, No", pCommand) << pCommand << EAnswer::No << false;
        QTest::addRow("%s, Yes", pCommand) << pCommand << EAnswer::Yes << false;
    }
}

void TestMainFrame::saveQuestion()
{
    QFETCH(QString, command);
    QFETCH(EAnswer, answer);
    QFETCH(bool, kept);
    Load({"Ann, Bob, Cid"});
    m_pDoc->SetModifiedFlag();
    // Open picks another document; Yes saves under a name chosen the same way.
    CKivvoDoc other;
    LoadDocument(other, {"Zed"});
    other.OnSaveDocument(m_pDir->filePath("other.kv"));
    m_strToOpen = m_pDir->filePath("other.kv");
    m_strSaveAs = m_pDir->filePath("saved.kv");
    m_pMessages->Answer(IDS_ASK_SAVE_CHANGES, answer);

    bool bClosed = false;
    if (command == "new")
        QTest::keyClick(m_pFrame.get(), Qt::Key_N, Qt::ControlModifier);
    else if (command == "open")
        QTest::keyClick(m_pFrame.get(), Qt::Key_O, Qt::ControlModifier);
    else
        bClosed = m_pFrame->close();

    QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_ASK_SAVE_CHANGES});
    QCOMPARE(m_pMessages->m_boxes.at(0).m_strText, "Save changes to Untitled?");
    QCOMPARE(m_pMessages->m_boxes.at(0).m_kind, EBoxKind::YesNoCancelQuestion);
    if (kept) {
        QCOMPARE(Tree(), "List[Ann, Bob, Cid]");
        QVERIFY(m_pDoc->IsModified());
        QVERIFY(!bClosed);
        QVERIFY(m_pFrame->isVisible());
        QVERIFY(!m_pApp->m_bClosing); // the address book keeps loading
        return;
    }
    if (answer == EAnswer::Yes) {
        CKivvoDoc saved;
        QVERIFY(saved.OnOpenDocument(m_pDir->filePath("saved.kv")));
        QCOMPARE(DescribeDocument(saved), QStringList{"List: Ann, Bob, Cid"});
    }
    if (command == "new")
        QCOMPARE(Tree(), "List");
    if (command == "open")
        QCOMPARE(Tree(), "List[Zed]");
    if (command == "close")
        QVERIFY(bClosed);
    QVERIFY(m_pApp->m_bClosing == (command == "close"));
}

void TestMainFrame::documentListAtStartUp()
{
    QDir(m_pDir->path()).mkpath("2025");
    CKivvoDoc saved;
    LoadDocument(saved, {"Ann"});
    saved.OnSaveDocument(m_pDir->filePath("2025/old.kv"));
    QFile old(m_pDir->filePath("2025/old.kv"));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime(QDate(2025, 12, 1), QTime(12, 0)),
                            QFileDevice::FileModificationTime));
    old.close();
    LoadDocument(saved, {"Bob"});
    saved.OnSaveDocument(m_pDir->filePath("new.kv"));

    m_pFrame->ShowDocumentList();
    QVERIFY(m_pFrame->IsDocumentListUp());
    for (const char* pBar : {"commandBar", "toolBar", "listBand"})
        QVERIFY(!m_pFrame->findChild<QToolBar*>(pBar)->isVisible());
    QTreeWidget* pList = m_pFrame->DocumentList()->List();
    QCOMPARE(pList->topLevelItemCount(), 2);
    QCOMPARE(pList->topLevelItem(0)->text(0), "new"); // newest first
    QCOMPARE(pList->topLevelItem(1)->text(1), "2025");

    QTest::keyClick(pList, Qt::Key_Down);
    QTest::keyClick(pList, Qt::Key_Return);
    QVERIFY(!m_pFrame->IsDocumentListUp());
    QCOMPARE(Tree(), "List[Ann]");
    for (const char* pBar : {"commandBar", "toolBar", "listBand"})
        QVERIFY(m_pFrame->findChild<QToolBar*>(pBar)->isVisible());
}

void TestMainFrame::contextMenuFollowsTheItem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("menu");
    QTest::newRow("root") << "List"
                          << "rootMenu";
    QTest::newRow("group") << "Fam"
                           << "groupMenu";
    QTest::newRow("grouped person") << "Bob"
                                    << "personMenu";
    QTest::newRow("top-level person") << "Ann"
                                      << "personMenu";
    QTest::newRow("empty space") << ""
                                 << "emptyMenu";
}

void TestMainFrame::contextMenuFollowsTheItem()
{
    QFETCH(QString, item);
    QFETCH(QString, menu);
    Load({"Ann, Fam[Bob]"});
    CKivvoView* pView = m_pFrame->View();
    Select("Ann"); // a click on empty space leaves no selection behind
    const QPoint pt = item.isEmpty() ? pView->viewport()->rect().bottomLeft() + QPoint(8, -8)
                                     : pView->visualRect(ItemNamed(pView, item)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pt, pView->viewport()->mapToGlobal(pt));
    QApplication::sendEvent(pView->viewport(), &event);
    auto* pMenu = pView->findChild<QMenu*>(menu);
    QTRY_VERIFY(pMenu->isVisible());
    const QModelIndexList selected = pView->selectionModel()->selectedIndexes();
    QCOMPARE(selected.isEmpty() ? QString() : selected.first().data().toString(), item);
    if (menu == "personMenu") {
        // The enable rules hold in the context menu too.
        const QList<QAction*> actions = pMenu->actions();
        QCOMPARE(actions.at(2)->text(), CStringTable::Load(IDS_MENU_PERSON_SEND));
        QVERIFY(!actions.at(2)->isEnabled());
    }
    pMenu->close();
}

void TestMainFrame::dialogsHaveOneMnemonicPerLetter_data()
{
    menusHaveOneMnemonicPerLetter_data();
}

// In the person and the Rules dialogs, Alt and a letter reaches one control in every language.
void TestMainFrame::dialogsHaveOneMnemonicPerLetter()
{
    QFETCH(QString, language);
    CTextLanguage ui;
    QVERIFY(CTextLanguage::ForCode(language, ui));
    CTextLanguage::SetUi(ui);
    const auto english = qScopeGuard([] { CTextLanguage::SetUi(CTextLanguage()); });
    Load({"Ann, Bob, Cid"});
    CPersonDlg person(m_pDoc->GetNewestList()->FindPerson(QStringLiteral("Ann")), m_pDoc.get());
    CRulesDlg rules(CDrawRules(), true, false, QString());
    for (const QDialog* pDialog : std::initializer_list<const QDialog*>{&person, &rules}) {
        QStringList texts;
        for (const QLabel* pLabel : pDialog->findChildren<QLabel*>())
            texts.append(pLabel->text());
        for (const QAbstractButton* pButton : pDialog->findChildren<QAbstractButton*>())
            texts.append(pButton->text());
        QHash<QChar, QString> owners;
        for (const QString& strText : std::as_const(texts)) {
            const QString strPlain = QString(strText).remove(QStringLiteral("&&"));
            const qsizetype nAmp = strPlain.indexOf(u'&');
            if (nAmp < 0 || nAmp + 1 >= strPlain.size())
                continue;
            const QChar chLetter = strPlain.at(nAmp + 1).toLower();
            QVERIFY2(!owners.contains(chLetter),
                     qPrintable(owners.value(chLetter) + QStringLiteral(" | ") + strText));
            owners.insert(chLetter, strText);
        }
        QVERIFY(owners.size() >= 2); // the texts were read: both dialogs have letters
    }
}

void TestMainFrame::menusHaveOneMnemonicPerLetter_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& strCode : CTextLanguage::Codes())
        QTest::newRow(qPrintable(strCode)) << strCode;
}

void TestMainFrame::menusHaveOneMnemonicPerLetter()
{
    QFETCH(QString, language);
    CTextLanguage ui;
    QVERIFY(CTextLanguage::ForCode(language, ui));
    const auto english = qScopeGuard([] { CTextLanguage::SetUi(CTextLanguage()); });
    if (language != u"en") {
        // The menus take their texts when the window is made.
        CTextLanguage::SetUi(ui);
        cleanup();
        init();
    }
    QStringList faults;
    QList<QMenu*> menus = m_pFrame->findChildren<QMenu*>();
    for (QMenu* pMenu : std::as_const(menus)) {
        QSet<QChar> letters;
        for (QAction* pAction : pMenu->actions()) {
            if (pAction->isSeparator())
                continue;
            const QString strText = QString(pAction->text()).remove(QStringLiteral("&&"));
            const qsizetype nAmp = strText.indexOf(u'&');
            if (nAmp < 0 || strText.indexOf(u'&', nAmp + 1) >= 0 ||
                letters.contains(strText.at(nAmp + 1).toLower()))
                faults.append(pAction->text());
            else
                letters.insert(strText.at(nAmp + 1).toLower());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(" | ")));
    QSet<QChar> bar;
    QStringList keys; // of the bar's menus, in their order
    for (QToolButton* pButton : m_pFrame->findChildren<QToolButton*>()) {
        if (!pButton->menu())
            continue;
        const qsizetype nAmp = pButton->text().indexOf(u'&');
        QVERIFY2(nAmp >= 0, qPrintable(pButton->text()));
        QVERIFY2(!bar.contains(pButton->text().at(nAmp + 1).toLower()),
                 qPrintable(pButton->text()));
        bar.insert(pButton->text().at(nAmp + 1).toLower());
        keys.append(QStringLiteral("Alt+") + pButton->text().at(nAmp + 1).toUpper());
    }
    // The README and the manual page tell these keys as they are in each language.
    QFile readme(QStringLiteral(KIVVO_SOURCE_DIR "/README.md"));
    QFile manual(QStringLiteral(KIVVO_SOURCE_DIR "/src/res/man/kivvo.1.in"));
    QVERIFY(readme.open(QIODevice::ReadOnly) && manual.open(QIODevice::ReadOnly));
    const QString strKeys = keys.join(QStringLiteral(", "));
    QVERIFY2(QString::fromUtf8(readme.readAll())
                 .contains(QStringLiteral("| ") + language + QStringLiteral(" | ") + strKeys),
             qPrintable(strKeys));
    QVERIFY2(
        QString::fromUtf8(manual.readAll()).contains(u'\n' + language + u' ' + strKeys + u'\n'),
        qPrintable(strKeys));
    // The keys the tree takes are shown beside their commands, named in English here.
    if (language != u"en")
        return;
    for (const auto& [nID, strKey] : {std::pair{EAction::AddPerson, "Ins"},
                                      {EAction::DeleteItem, "Del"},
                                      {EAction::RenameItem, "F2"},
                                      {EAction::PersonProperties, "Enter"}})
        QVERIFY2(m_pFrame->Action(nID)->text().endsWith(u'\t' + QString(strKey)),
                 qPrintable(m_pFrame->Action(nID)->text()));
}

void TestMainFrame::sendEmailsSetsUpMailFirst_data()
{
    QTest::addColumn<bool>("setUp");
    QTest::newRow("cancelled: nothing is sent") << false;
    QTest::newRow("set up: the e-mails go out") << true;
}

void TestMainFrame::sendEmailsSetsUpMailFirst()
{
    QFETCH(bool, setUp);
    CSmtpTestServer server;
    QVERIFY(server.IsReady());
    Load({"Ann>Bob, Bob>Cid, Cid>Ann"});
    for (int i = 0; i < 3; ++i)
        m_pDoc->GetNewestList()->GetPersonAt(i)->m_strAddress =
            QStringLiteral("p%1@example.org").arg(i);
    QVERIFY(m_pDoc->OnSaveDocument(m_pDir->filePath("circle.kv")));
    m_pMessages->Answer(IDS_ASK_SEND_ALL, EAnswer::Yes);
    QStringList shown; // the fields as Configure came up, and their hints
    QTimer::singleShot(0, this, [&] {
        auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(pDialog && pDialog->objectName() == "settingsDialog");
        for (const char* pField : {"server", "from", "user"}) {
            auto* pEdit = pDialog->findChild<QLineEdit*>(pField);
            shown << pEdit->text() + "|" + pEdit->placeholderText();
        }
        if (!setUp) {
            pDialog->reject();
            return;
        }
        pDialog->findChild<QLineEdit*>("server")->setText("127.0.0.1");
        pDialog->findChild<QLineEdit*>("port")->setText(QString::number(server.Port()));
        pDialog->findChild<QLineEdit*>("from")->setText("santa@example.org");
        pDialog->accept();
    });
    Trigger(EAction::SendEmails);
    QCOMPARE(shown, (QStringList{"|smtp.example.org", "|Your Name <you@example.org>",
                                 "|you@example.org \u2014 empty: no login"}));
    QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_ASK_SEND_ALL});
    QCOMPARE(m_pApp->m_settings.IsMailSetUp(), setUp);
    if (setUp)
        QVERIFY(server.WaitForMessages(3));
    else
        QVERIFY(!m_pDoc->IsSending());
}

void TestMainFrame::longPressOpensTheMenu()
{
    Load({"Ann, Fam[Bob]"});
    CKivvoView* pView = m_pFrame->View();
    const QPoint ptFam = pView->visualRect(ItemNamed(pView, "Fam")).center();
    QTest::mousePress(pView->viewport(), Qt::LeftButton, {}, ptFam);
    auto* pMenu = pView->findChild<QMenu*>("groupMenu");
    QTRY_VERIFY(pMenu->isVisible());
    pMenu->close();
    QTest::mouseRelease(pView->viewport(), Qt::LeftButton, {}, ptFam);

    // A short click opens nothing.
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, {}, ptFam);
    QTest::qWait(700);
    QVERIFY(!pMenu->isVisible());
}

void TestMainFrame::closingWhileRenaming()
{
    // The typed name is taken before the save question, so it is saved with the rest.
    Load({"Ann, Bob"});
    Select("Ann");
    QTest::keyClick(m_pFrame->View(), Qt::Key_F2);
    auto* pEditor = m_pFrame->View()->viewport()->findChild<QLineEdit*>();
    QVERIFY(pEditor);
    pEditor->selectAll();
    QTest::keyClicks(pEditor, "Anna");
    m_pMessages->Answer(IDS_ASK_SAVE_CHANGES, EAnswer::Yes);
    m_strSaveAs = m_pDir->filePath("renamed.kv");
    QVERIFY(m_pFrame->close());
    QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_ASK_SAVE_CHANGES});
    CKivvoDoc saved;
    QVERIFY(saved.OnOpenDocument(m_strSaveAs));
    QCOMPARE(DescribeDocument(saved), QStringList{"List: Anna, Bob"});
    m_pFrame.reset(); // with the editor gone, nothing reaches the frame any more
}

void TestMainFrame::undoGivesBackTheSavedBytes_data()
{
    QTest::addColumn<QString>("change");
    // Each one action of the user, however many things it changes: one Undo takes it back.
    for (const char* pChange : {"add person", "add person and fill in", "add group",
                                "add group and name it", "delete", "rename", "properties", "move",
                                "drop", "rules", "rules, two at once", "draw", "copy", "import"})
        QTest::newRow(pChange) << QString(pChange);
}

void TestMainFrame::undoGivesBackTheSavedBytes()
{
    QFETCH(QString, change);
    Load({"Ann, Bob, Cid, Fam[Dan, Eve]", "Ann, Bob, Cid"});
    const QString strPath = m_pDir->filePath("saved.kv");
    QVERIFY(m_pDoc->OnSaveDocument(strPath));
    QFile file(strPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    const QString strTree = Tree();

    Change(change);
    const QByteArray changed = DocumentBytes(*m_pDoc);
    QVERIFY(changed != saved);
    QVERIFY(m_pDoc->IsModified());
    QVERIFY(Enabled(EAction::Undo));

    Trigger(EAction::Undo);
    QCOMPARE(DocumentBytes(*m_pDoc), saved);
    QVERIFY(!m_pDoc->IsModified());
    QCOMPARE(Tree(), strTree);
    QVERIFY(!Enabled(EAction::Undo));

    // A dialog that was up may have left another window active.
    QApplication::setActiveWindow(m_pFrame.get());
    QTest::keySequence(m_pFrame.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    QCOMPARE(DocumentBytes(*m_pDoc), changed);
    QVERIFY(m_pDoc->IsModified());
    // Every item the tree shows is an entry of the list again.
    const CNameList* pList = m_pDoc->GetCurrentList();
    const QAbstractItemModel* pModel = m_pFrame->View()->model();
    for (const QModelIndex& row : pModel->match(m_pFrame->View()->RootIndex(), Qt::DisplayRole, "*",
                                                -1, Qt::MatchWildcard | Qt::MatchRecursive)) {
        if (row != m_pFrame->View()->RootIndex())
            QVERIFY2(pList->Contains(m_pFrame->View()->EntryOf(row)),
                     qPrintable(row.data().toString()));
    }
    // Saving makes this the clean state: undoing leaves it modified, redoing comes back.
    QVERIFY(m_pDoc->OnSaveDocument(strPath));
    QTest::keySequence(m_pFrame.get(), QKeySequence::Undo);
    QVERIFY(m_pDoc->IsModified());
    Trigger(EAction::Redo);
    QVERIFY(!m_pDoc->IsModified());
}

void TestMainFrame::newPersonDialog_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("list");

    const QString strStart = "Ann, Fam[Bob]";
    QTest::newRow("OK, top level") << "Ann" << true << "Ann, Fam[Bob], Person";
    QTest::newRow("OK, group selected") << "Fam" << true << "Ann, Fam[Bob, Person]";
    QTest::newRow("OK, grouped person selected") << "Bob" << true << "Ann, Fam[Bob, Person]";
    QTest::newRow("Cancel, top level") << "Ann" << false << strStart;
    QTest::newRow("Cancel, group") << "Bob" << false << strStart;
}

void TestMainFrame::newPersonDialog()
{
    QFETCH(QString, selected);
    QFETCH(bool, accept);
    QFETCH(QString, list);
    Load({"Ann, Fam[Bob]"});
    AnswerPersonDialogs(accept);
    Select(selected);
    QTest::keyClick(m_pFrame->View(), Qt::Key_Insert);
    QTRY_COMPARE(m_nPersonDialogs, 1);
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), list);
    QCOMPARE(Tree(), "List[" + QString(list).remove("[]").replace(", Fam[", ", Fam[") + "]");
    // Taken back without a trace: nothing to undo, nothing to save.
    QCOMPARE(m_pDoc->IsModified(), accept);
    QCOMPARE(Enabled(EAction::Undo), accept);
    QVERIFY(!Enabled(EAction::Redo));
    QCOMPARE(m_pDoc->UndoStack()->count(), accept ? 1 : 0); // the addition and the dialog
}

void TestMainFrame::moveBetweenGroups_data()
{
    QTest::addColumn<QString>("how"); // "menu" or "drop"
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("target"); // a group, a person or "" for the menu's No group
    QTest::addColumn<QString>("list");   // "" when refused

    QTest::newRow("menu: into a group") << "menu"
                                        << "Ann"
                                        << "Kin"
                                        << "Fam[Bob], Kin[Cid, Ann]";
    QTest::newRow("menu: out of a group") << "menu"
                                          << "Bob"
                                          << ""
                                          << "Ann, Fam[], Kin[Cid], Bob";
    QTest::newRow("menu: to another group") << "menu"
                                            << "Bob"
                                            << "Kin"
                                            << "Ann, Fam[], Kin[Cid, Bob]";
    QTest::newRow("drop on a group") << "drop"
                                     << "Ann"
                                     << "Fam"
                                     << "Fam[Bob, Ann], Kin[Cid]";
    QTest::newRow("drop on a grouped person") << "drop"
                                              << "Cid"
                                              << "Bob"
                                              << "Ann, Fam[Bob, Cid], Kin[]";
    QTest::newRow("drop on the list") << "drop"
                                      << "Bob"
                                      << "List"
                                      << "Ann, Fam[], Kin[Cid], Bob";
    QTest::newRow("drop on a top-level person") << "drop"
                                                << "Cid"
                                                << "Ann"
                                                << "Ann, Fam[Bob], Kin[], Cid";
    QTest::newRow("drop into its own group") << "drop"
                                             << "Bob"
                                             << "Fam"
                                             << "";
    QTest::newRow("drop a group") << "drop"
                                  << "Kin"
                                  << "Fam"
                                  << "";
}

void TestMainFrame::moveBetweenGroups()
{
    QFETCH(QString, how);
    QFETCH(QString, person);
    QFETCH(QString, target);
    QFETCH(QString, list);
    const QString strStart = "Ann, Fam[Bob], Kin[Cid]";
    Load({strStart});
    CKivvoView* pView = m_pFrame->View();
    Select(person);
    bool bMoved = false;
    if (how == "menu") {
        QVERIFY(Enabled(EAction::MoveToGroup));
        emit pView->MoveMenu()->aboutToShow();
        const QString strEntry = target.isEmpty() ? CStringTable::Load(IDS_MENU_NO_GROUP) : target;
        for (QAction* pAction : pView->MoveMenu()->actions()) {
            if (pAction->text() == strEntry) {
                QVERIFY(pAction->isEnabled());
                pAction->trigger();
                bMoved = true;
            }
        }
    } else {
        const QPoint pt = pView->visualRect(ItemNamed(pView, target)).center();
        bMoved = pView->DropOn(ItemNamed(pView, person), pt);
    }
    QCOMPARE(bMoved, !list.isEmpty());
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), list.isEmpty() ? strStart : list);
    QCOMPARE(m_pDoc->IsModified(), bMoved);
    if (bMoved) {
        // The moved item is the person's own, selected where it went.
        CPerson* pMoved = m_pDoc->GetCurrentList()->FindPerson(person);
        QCOMPARE(pView->selectionModel()->selectedIndexes(),
                 QModelIndexList{pView->IndexOf(pMoved)});
        QCOMPARE(pView->SelectedEntry()->m_strName, person);
    }
}

void TestMainFrame::pastExchangeIsReadOnly_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<EAction>("command");
    QTest::addColumn<bool>("onPastList");

    QTest::newRow("rename the list") << "List" << EAction::RenameItem << true;
    QTest::newRow("rename a person") << "Ann" << EAction::RenameItem << false;
    QTest::newRow("add a person") << "List" << EAction::AddPerson << false;
    QTest::newRow("add a group") << "List" << EAction::AddGroup << false;
    QTest::newRow("add to a group") << "Fam" << EAction::AddPersonToGroup << false;
    QTest::newRow("delete") << "Ann" << EAction::DeleteItem << false;
    QTest::newRow("properties") << "Ann" << EAction::PersonProperties << false;
    QTest::newRow("move") << "Ann" << EAction::MoveToGroup << false;
    QTest::newRow("import") << "Ann" << EAction::Import << true; // into the newest
}

void TestMainFrame::pastExchangeIsReadOnly()
{
    QFETCH(QString, selected);
    QFETCH(EAction, command);
    QFETCH(bool, onPastList);
    Load({"Ann, Fam[Bob]", "Ann, Fam[Bob]"});
    m_pDoc->GetLists().back()->m_strName = "Christmas 2025";
    m_pDoc->NotifyListsChanged();
    QLabel* pNote = m_pFrame->HistoryNote();
    QVERIFY(!pNote->isVisible());
    Select(selected == "List" ? m_pDoc->GetNewestList()->m_strName : selected);
    QVERIFY(Enabled(command));

    m_pFrame->ListBar()->Combo()->setCurrentIndex(1);
    emit m_pFrame->ListBar()->Combo()->activated(1);
    QTRY_VERIFY(pNote->isVisible());
    QVERIFY(pNote->text().startsWith("Christmas 2025 \u2014 a past exchange"));
    Select(selected == "List" ? "Christmas 2025" : selected);
    QCOMPARE(Enabled(command), onPastList);
    // Neither the keys nor the mouse get round it.
    QTest::keyClick(m_pFrame->View(), Qt::Key_F2);
    CKivvoView* pView = m_pFrame->View();
    QCOMPARE(pView->indexWidget(pView->currentIndex()) != nullptr, selected == "List");
    m_pFrame->View()->EndEditing();
    QTest::keyClick(m_pFrame->View(), Qt::Key_Delete);
    QTest::keyClick(m_pFrame->View(), Qt::Key_Insert);
    QVERIFY(!m_pFrame->View()->DropOn(ItemNamed(m_pFrame->View(), "Ann"),
                                      m_pFrame->View()->viewport()->rect().bottomLeft()));
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), "Ann, Fam[Bob]");
    QVERIFY(!m_pDoc->IsModified());
}

void TestMainFrame::importPreview_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("rows"); // "name|address|group" as the preview lists them
    QTest::addColumn<QString>("leftOut");  // the duplicates line, "" when hidden
    QTest::addColumn<QString>("error");    // a part of the message, "" when read
    QTest::addColumn<QString>("list");     // after OK, or "" when OK is not offered

    QTest::newRow("CSV with a header and a group")
        << "p.csv" << QByteArray("name;email;group\nGus;gus@example.com;Fam\nHal;;\n")
        << QStringList{"Gus|gus@example.com|Fam", "Hal||"} << ""
        << ""
        << "Ann, Fam[Bob, Gus], Hal";
    QTest::newRow("names in the list already")
        << "p.csv" << QByteArray("ANN,a@example.com\nIda,ida@example.com\n")
        << QStringList{"Ida|ida@example.com|"} << "ANN"
        << ""
        << "Ann, Fam[Bob], Ida";
    QTest::newRow("nobody new") << "p.csv" << QByteArray("Bob\n") << QStringList{} << "Bob"
                                << ""
                                << "";
    QTest::newRow("vCard") << "p.vcf"
                           << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jo Kim\r\n"
                                         "EMAIL;TYPE=INTERNET:jo@example.com\r\nEND:VCARD\r\n")
                           << QStringList{"Jo Kim|jo@example.com|"} << ""
                           << ""
                           << "Ann, Fam[Bob], Jo Kim";
    QTest::newRow("bad row") << "p.csv" << QByteArray("Gus\n\"Hal,\n") << QStringList{} << ""
                             << "2"
                             << "";
    QTest::newRow("missing file") << "" << QByteArray() << QStringList{} << ""
                                  << "nowhere.csv"
                                  << "";
    QTest::newRow("headings it does not know: said, and no person")
        << "p.csv" << QByteArray("Who,Mail\nGus,gus@example.com\n")
        << QStringList{"Gus|gus@example.com|"} << ""
        << "Line 1 looks like column headings"
        << "Ann, Fam[Bob], Gus";
}

void TestMainFrame::importPreview()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, rows);
    QFETCH(QString, leftOut);
    QFETCH(QString, error);
    QFETCH(QString, list);
    Load({"Ann, Fam[Bob]"});
    const QString strPath =
        file.isEmpty() ? m_pDir->filePath("nowhere.csv") : WriteFile(file, content);
    m_pFrame->SetImportChooser([strPath] { return strPath; });
    QStringList shown;
    QString strSummary;
    QString strLeftOut;
    bool bOkEnabled = false;
    WhenUp<CImportDlg>([&](CImportDlg* pDialog) {
        auto* pTable = pDialog->findChild<QTableWidget*>("importRows");
        for (int n = 0; n < pTable->rowCount(); ++n)
            shown.append(pTable->item(n, 0)->text() + u'|' + pTable->item(n, 1)->text() + u'|' +
                         pTable->item(n, 2)->text());
        strSummary = pDialog->findChild<QLabel*>("importSummary")->text();
        if (auto* pWarning = pDialog->findChild<QLabel*>("importWarning");
            pWarning->isVisibleTo(pDialog))
            strSummary += u'\n' + pWarning->text();
        auto* pLeftOut = pDialog->findChild<QLabel*>("importDuplicates");
        strLeftOut = pLeftOut->isVisibleTo(pDialog) ? pLeftOut->text() : QString();
        auto* pOk = pDialog->findChild<QPushButton*>("ok");
        bOkEnabled = pOk->isEnabled();
        bOkEnabled ? pOk->click() : pDialog->reject();
    });
    Trigger(EAction::Import);
    QCOMPARE(shown, rows);
    QCOMPARE(strLeftOut.isEmpty(), leftOut.isEmpty());
    QVERIFY2(leftOut.isEmpty() || strLeftOut.endsWith(leftOut), qPrintable(strLeftOut));
    QVERIFY2(strSummary.contains(error), qPrintable(strSummary));
    QCOMPARE(bOkEnabled, !list.isEmpty());
    QCOMPARE(DescribeList(*m_pDoc->GetCurrentList()), list.isEmpty() ? "Ann, Fam[Bob]" : list);
    QCOMPARE(m_pDoc->IsModified(), !list.isEmpty());
}

void TestMainFrame::exportParticipants_data()
{
    using F = CParticipantExport::EForm;
    QTest::addColumn<F>("form");
    QTest::addColumn<QString>("chosen"); // in the test's folder
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("fails");

    QTest::newRow("for spreadsheets") << F::Spreadsheet << "out.csv"
                                      << "out.csv" << false;
    QTest::newRow("plain, the suffix added") << F::Plain << "out"
                                             << "out.csv" << false;
    QTest::newRow("a folder that is not there") << F::Plain << "nowhere/out.csv"
                                                << "" << true;
}

void TestMainFrame::exportParticipants()
{
    QFETCH(CParticipantExport::EForm, form);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(bool, fails);
    // The list shown is exported, a past one too.
    Load({"Ann, Fam[Bob]", "Old, Fam[Cid]"});
    m_pDoc->SelectList(1);
    QString strSuggested;
    m_pFrame->SetExportChooser([&](const QString& strName, CParticipantExport::EForm& chosenForm) {
        strSuggested = strName;
        chosenForm = form;
        return m_pDir->filePath(chosen);
    });
    Trigger(EAction::Export);
    QVERIFY2(strSuggested.endsWith(".csv"), qPrintable(strSuggested));
    QCOMPARE(m_pMessages->Ids(), fails ? QList<int>{IDS_EXPORT_ERROR} : QList<int>{});
    if (fails) {
        QVERIFY2(m_pMessages->m_boxes.at(0).m_strText.contains("nowhere"),
                 qPrintable(m_pMessages->m_boxes.at(0).m_strText));
        return;
    }
    QFile file(m_pDir->filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), CParticipantExport::Csv(*m_pDoc->GetLists().at(1), form));
    QCOMPARE(file.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());
    QVERIFY(!m_pDoc->IsModified());
}

void TestMainFrame::screenshot()
{
    const QString strPath = qEnvironmentVariable("KIVVO_SCREENSHOT");
    if (strPath.isEmpty())
        QSKIP("set KIVVO_SCREENSHOT to a PNG path to write the README's screenshot");
    Load({"Ann>Carl, Smiths[Bob>Ann, Carl>Dora], Dora>Bob", "Ann, Smiths[Bob, Carl], Dora"});
    m_pDoc->GetNewestList()->m_strName = QStringLiteral("Christmas 2026");
    m_pDoc->NotifyListsChanged();
    m_pDoc->UpdateAllViews(HINT_LIST_CHANGED);
    Select("Carl");
    QVERIFY(m_pFrame->grab().save(strPath));
}

QTEST_MAIN(TestMainFrame)
#include "tst_MainFrame.moc"

namespace {

// Every text a window shows: its title, labels, fields and buttons.
QStringList TextsOf(const QWidget* pWindow)
{
    QStringList texts{pWindow->windowTitle()};
    for (const QLabel* pLabel : pWindow->findChildren<QLabel*>())
        texts.append(pLabel->text());
    for (const QLineEdit* pField : pWindow->findChildren<QLineEdit*>())
        texts.append(pField->text());
    for (const QAbstractButton* pButton : pWindow->findChildren<QAbstractButton*>())
        texts.append(pButton->text());
    for (const QTextEdit* pText : pWindow->findChildren<QTextEdit*>())
        texts.append(pText->toPlainText());
    for (const QPlainTextEdit* pText : pWindow->findChildren<QPlainTextEdit*>())
        texts.append(pText->toPlainText());
    return texts;
}

// Every text of the tree's items and their tips.
void CollectTreeTexts(const QAbstractItemModel* pModel, const QModelIndex& parent,
                      QStringList& texts)
{
    for (int nRow = 0; nRow < pModel->rowCount(parent); ++nRow) {
        const QModelIndex item = pModel->index(nRow, 0, parent);
        texts << item.data().toString() << item.data(Qt::ToolTipRole).toString();
        CollectTreeTexts(pModel, item, texts);
    }
}

} // namespace

void TestMainFrame::sealedDrawingShowsNoPair_data()
{
    QTest::addColumn<bool>("sealed");
    QTest::newRow("sealed") << true;
    QTest::newRow("not sealed") << false;
}

void TestMainFrame::sealedDrawingShowsNoPair()
{
    QFETCH(bool, sealed);
    // Names that no help text uses as an example.
    Load({"Quinn>Ravi, Ravi>Sana, Sana>Tomas, Tomas>Uma, Uma>Quinn"});
    m_pDoc->SetSealed(sealed);
    m_strSaveAs = m_pDir->filePath("saved.kv");
    m_pFrame->SetImportChooser([] { return QString(); });
    m_pFrame->SetPrinterChooser([this](QPrinter& printer, const QString&) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pDir->filePath("cards.pdf"));
        return true;
    });
    m_pMessages->AnswerAllQuestions(EAnswer::Yes);
    m_pMessages->Answer(IDS_ASK_PASS_AROUND, EAnswer::No);
    QStringList shown;
    QSet<QPair<QString, QString>> pairs;
    const auto takePairs = [this, &pairs] {
        m_pDoc->GetNewestList()->ForEachPerson([&pairs](const CPerson* pPerson) {
            pairs.insert({pPerson->m_strName, pPerson->m_strGiftTo});
        });
    };
    // Every dialog that comes up is read, then closed.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&shown] {
        if (auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown << TextsOf(pDialog);
            pDialog->reject();
        }
    });
    closer.start(5);

    // Every command of the window over the drawn list, then over one that no longer fits it.
    using A = EAction;
    const QList<EAction> commands{A::Save,
                                  A::SaveAs,
                                  A::PrintCards,
                                  A::About,
                                  A::Configure,
                                  A::Import,
                                  A::AddPerson,
                                  A::AddGroup,
                                  A::RenameItem,
                                  A::SendEmailToPerson,
                                  A::PersonProperties,
                                  A::DrawNames,
                                  A::SendEmails,
                                  A::ViewNotifications,
                                  A::Rules,
                                  A::Details};
    for (int nPass = 0; nPass < 2; ++nPass) {
        for (const EAction command : commands) {
            if (nPass == 1 && command == A::DrawNames)
                continue; // the stale drawing stays
            takePairs();
            Select("Quinn");
            const qsizetype nAskedToSend = m_pMessages->Ids().count(IDS_ASK_SEND_NOW);
            Trigger(command);
            if (command == A::DrawNames) // drawn in the background: done once sending is offered
                QTRY_VERIFY(m_pMessages->Ids().count(IDS_ASK_SEND_NOW) > nAskedToSend);
            QTRY_VERIFY(!QApplication::activeModalWidget());
            m_pFrame->View()->EndEditing();
            CollectTreeTexts(m_pFrame->View()->model(), m_pFrame->View()->RootIndex(), shown);
            shown << m_pFrame->findChild<QLabel*>("historyNote")->text();
        }
        takePairs();
        if (nPass == 0) {
            Select("Uma");
            Trigger(A::DeleteItem);
        }
    }
    for (const CRecordingMessageHandler::CBox& box : std::as_const(m_pMessages->m_boxes))
        shown << box.m_strText;

    const QString strLeak = PairShown(shown.join(u'\n'), pairs.values());
    QVERIFY2(strLeak.isEmpty() == sealed, qPrintable(strLeak));
    QVERIFY(m_pMessages->Ids().contains(IDS_SEALED_REFUSED) == sealed);
}

void TestMainFrame::breakingTheSealAsksFirst_data()
{
    QTest::addColumn<EAnswer>("answer");
    QTest::newRow("No keeps the seal") << EAnswer::No;
    QTest::newRow("Yes breaks it for good") << EAnswer::Yes;
}

void TestMainFrame::breakingTheSealAsksFirst()
{
    QFETCH(EAnswer, answer);
    Load({"Ann>Bob, Bob>Cid, Cid>Ann"});
    m_pDoc->SetSealed(true);
    auto* pNote = m_pFrame->findChild<QLabel*>("historyNote");
    QTRY_VERIFY(pNote->isVisible());
    QCOMPARE(pNote->text(), CStringTable::Load(IDS_SEALED_NOTE));
    m_pMessages->Answer(IDS_ASK_BREAK_SEAL, answer);
    WhenUp<CRulesDlg>([](CRulesDlg* pDialog) {
        pDialog->findChild<QCheckBox*>("noMutual")->setChecked(true);
        pDialog->findChild<QCheckBox*>("seal")->setChecked(false);
        pDialog->accept();
    });
    Trigger(EAction::Rules);
    QTRY_VERIFY(m_pMessages->Ids().contains(IDS_ASK_BREAK_SEAL));
    QCOMPARE(m_pMessages->m_boxes.at(0).m_kind, EBoxKind::YesNoDefaultNo);
    QVERIFY(m_pDoc->GetRules().m_bNoMutual); // the other rules change either way
    const bool bBroken = answer == EAnswer::Yes;
    QCOMPARE(m_pDoc->IsSealed(), !bBroken);
    QCOMPARE(m_pDoc->GetNewestList()->m_sealBroken.isValid(), bBroken);
    QCOMPARE(pNote->text().startsWith("The seal of this drawing was broken on "), bBroken);
    // Undone, the rules go back; the record stays.
    QVERIFY(m_pDoc->Undo());
    QCOMPARE(m_pDoc->GetNewestList()->m_sealBroken.isValid(), bBroken);
}

void TestMainFrame::drawNamesOffersTheRepair_data()
{
    QTest::addColumn<EAnswer>("answer");
    QTest::addColumn<QString>("drawing"); // after Dan dropped out; empty: a new drawing
    QTest::newRow("repair") << EAnswer::Yes << "Ann>Bob, Bob>Cid, Cid>Eve, Eve>Ann";
    QTest::newRow("draw again") << EAnswer::No << "";
    QTest::newRow("cancel") << EAnswer::Cancel << "Ann>Bob, Bob>Cid, Cid>Dan, Eve>Ann";
}

void TestMainFrame::drawNamesOffersTheRepair()
{
    QFETCH(EAnswer, answer);
    QFETCH(QString, drawing);
    Load({"Ann>Bob, Bob>Cid, Cid>Dan, Dan>Eve, Eve>Ann"});
    Select("Dan");
    Trigger(EAction::DeleteItem);
    m_pMessages->Answer(IDS_ASK_REPAIR, answer);
    m_pMessages->Answer(IDS_ASK_PASS_AROUND, EAnswer::No);
    m_pMessages->Answer(IDS_ASK_SEND_NOW, EAnswer::No);
    Trigger(EAction::DrawNames);
    QCOMPARE(m_pMessages->m_boxes.at(0).m_kind, EBoxKind::RepairOrDrawAgain);
    if (answer == EAnswer::Cancel) {
        QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_ASK_REPAIR});
        QCOMPARE(DescribeList(*m_pDoc->GetNewestList()), drawing);
        return;
    }
    QTRY_VERIFY(m_pMessages->Ids().contains(IDS_ASK_SEND_NOW));
    QVERIFY(m_pDoc->CheckNewestDrawing());
    QCOMPARE(m_pMessages->Ids().contains(IDS_REPAIR_DONE), answer == EAnswer::Yes);
    if (!drawing.isEmpty()) {
        QCOMPARE(DescribeList(*m_pDoc->GetNewestList()), drawing);
        QVERIFY(m_pMessages->m_boxes.at(1).m_strText.contains(": 1 of the givers"));
    }
}

void TestMainFrame::drawingIsSavedBeforeAnyNameGoesOut()
{
    // Drawn in a window never saved: the cards are printed only once the drawing is in a
    // file, and who got a card is kept there at once, whatever the window says later.
    Load({"Ann>Bob, Bob>Cid, Cid>Ann"});
    m_pDoc->SetModifiedFlag();
    m_strSaveAs = m_pDir->filePath("circle.kv");
    m_pFrame->SetPrinterChooser([this](QPrinter& printer, const QString&) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pDir->filePath("cards.pdf"));
        return true;
    });
    Trigger(EAction::PrintCards);
    QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_SAVE_BEFORE_TELLING});
    QVERIFY(QFile::exists(m_pDir->filePath("cards.pdf")));
    QVERIFY(!m_pDoc->IsModified());
    CKivvoDoc saved;
    QVERIFY(saved.OnOpenDocument(m_strSaveAs));
    QCOMPARE(DescribeList(*saved.GetNewestList()), "Ann>Bob, Bob>Cid, Cid>Ann");
    QCOMPARE(saved.GetNewestList()->GetPersonAt(2)->m_told.m_strGiftTo, "Ann");
    QCOMPARE(saved.GetNewestList()->GetPersonAt(2)->m_told.m_nHow, CTold::onCard);
}

void TestMainFrame::fileWithAnotherDrawingStopsTheCards_data()
{
    QTest::addColumn<EAnswer>("answer"); // to "...Open the file as it is now?"
    QTest::newRow("keep the window") << EAnswer::No;
    QTest::newRow("open the file") << EAnswer::Yes;
}

void TestMainFrame::fileWithAnotherDrawingStopsTheCards()
{
    // Another program drew again and saved while the window was open: its old pairs are
    // never printed, nor sent.
    QFETCH(EAnswer, answer);
    const QString strFile = m_pDir->filePath("circle.kv");
    Load({"Ann>Bob, Bob>Cid, Cid>Dan, Dan>Ann"});
    QVERIFY(m_pDoc->OnSaveDocument(strFile));
    {
        CKivvoDoc elsewhere;
        QVERIFY(elsewhere.OnOpenDocument(strFile));
        LoadDocument(elsewhere, {"Ann>Cid, Bob>Dan, Cid>Bob, Dan>Ann"});
        QVERIFY(elsewhere.OnSaveDocument(strFile));
    }
    bool bPrinterAsked = false;
    m_pFrame->SetPrinterChooser([&bPrinterAsked](QPrinter&, const QString&) {
        bPrinterAsked = true;
        return false;
    });
    m_pMessages->Answer(IDS_FILE_OTHER_DRAWING, answer);
    Trigger(EAction::PrintCards);
    QCOMPARE(m_pMessages->Ids(), QList<int>{IDS_FILE_OTHER_DRAWING});
    QCOMPARE(DescribeList(*m_pDoc->GetNewestList()), answer == EAnswer::Yes
                                                         ? "Ann>Cid, Bob>Dan, Cid>Bob, Dan>Ann"
                                                         : "Ann>Bob, Bob>Cid, Cid>Dan, Dan>Ann");
    QVERIFY(!bPrinterAsked);
}

void TestMainFrame::roundAfterARepair_data()
{
    QTest::addColumn<EAnswer>("answer"); // to "Tell only them, or everybody?"
    QTest::addColumn<int>("inRound");
    QTest::newRow("only them") << EAnswer::Yes << 1;
    QTest::newRow("everybody") << EAnswer::No << 4;
    QTest::newRow("cancel") << EAnswer::Cancel << -1;
}

void TestMainFrame::roundAfterARepair()
{
    QFETCH(EAnswer, answer);
    QFETCH(int, inRound);
    Load({"Ann>Bob, Bob>Cid, Cid>Dan, Dan>Eve, Eve>Ann"});
    QVERIFY(m_pDoc->OnSaveDocument(m_pDir->filePath("circle.kv")));
    m_pDoc->RecordTold(m_pDoc->NewestGivers(), CTold::byMail);
    Select("Dan");
    Trigger(EAction::DeleteItem);
    QVERIFY(m_pDoc->DrawNames(true)); // Cid now gives to Eve
    m_pMessages->Answer(IDS_ASK_TELL_CHANGED, answer);
    int nShown = -1;
    if (inRound >= 0)
        WhenUp<CDrawNamesDlg>([&nShown](CDrawNamesDlg* pDialog) {
            nShown = pDialog->CountNotLooked();
            pDialog->done(QDialog::Rejected);
        });
    m_pMessages->Answer(IDS_ASK_END_ROUND, EAnswer::Yes);
    m_pFrame->RunDrawNamesDialog(m_pDoc->GetNewestList(), CDrawNamesDlg::kDrawMode);
    QCOMPARE(m_pMessages->Ids().first(), IDS_ASK_TELL_CHANGED);
    QCOMPARE(nShown, inRound);
}

void TestMainFrame::rolesAndGiftsInTheWindow()
{
    // A role shows after the name; with roles in the list one circle is out, and the gifts
    // per giver are set in the rules.
    Load({"Ann, Bob, Cid:r, Dan"});
    QVERIFY2(Tree().contains("Cid (receives only)"), qPrintable(Tree()));
    bool bCircleOffered = true;
    WhenUp<CRulesDlg>([&bCircleOffered](CRulesDlg* pDialog) {
        bCircleOffered = pDialog->findChild<QCheckBox*>("oneCircle")->isEnabled();
        pDialog->findChild<QSpinBox*>("gifts")->setValue(2);
        pDialog->accept();
    });
    Trigger(EAction::Rules);
    QTRY_COMPARE(m_pDoc->GetRules().m_nGifts, 2);
    QVERIFY(!bCircleOffered);
    QVERIFY(m_pDoc->DrawNames());
    QCOMPARE(m_pDoc->GetNewestList()->GetPersonAt(0)->GiftsTo().size(), 2);
    QVERIFY(m_pDoc->GetNewestList()->FindPerson("Cid")->GiftsTo().isEmpty());
}

void TestMainFrame::emptyListAndGreyedDrawSayWhy()
{
    auto* pNote = m_pFrame->findChild<QLabel*>("historyNote");
    m_pDoc->OnNewDocument();
    QTRY_COMPARE(pNote->text(), "This list is empty. Add the first person with Ins or Exchange → "
                                "Add Person.");
    Load({"Ann, Bob"});
    QVERIFY(!Enabled(EAction::DrawNames));
    QCOMPARE(m_pFrame->Action(EAction::DrawNames)->toolTip(),
             "Draw Names needs at least three persons in the list");
    Load({"Ann, Bob, Cid"});
    QVERIFY(Enabled(EAction::DrawNames));
    QVERIFY(m_pFrame->Action(EAction::DrawNames)->toolTip() !=
            "Draw Names needs at least three persons in the list");
    QTRY_VERIFY(!pNote->isVisible());
}
