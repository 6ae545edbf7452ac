#include "desktop/MainFrame.h"

#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "app/ParticipantImport.h"
#include "desktop/AboutDlg.h"
#include "desktop/DetailsDlg.h"
#include "desktop/DocFlow.h"
#include "desktop/DocListWidget.h"
#include "desktop/DrawNamesDlg.h"
#include "desktop/Icons.h"
#include "desktop/ImportDlg.h"
#include "desktop/KivvoView.h"
#include "desktop/ListBar.h"
#include "desktop/MessageBox.h"
#include "desktop/RulesDlg.h"
#include "desktop/ScreenFit.h"
#include "desktop/SendProgressDlg.h"
#include "desktop/SettingsDlg.h"
#include "model/NameList.h"
#include "notify/CardSheet.h"
#include "notify/SendRun.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr qsizetype kMaxTitleNameLength = 60;
constexpr int kFirstHeight = 480;
constexpr int kBarSlack = 24; // the bars' line: margins, separators and a little air
const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
const QString kRecentKey = QStringLiteral("MainWindow/recentFiles");
constexpr qsizetype kMaxRecent = 8;

QString FileFilter()
{
    return CStringTable::Load(IDS_FILE_FILTER);
}

QString DefaultChooser(QWidget* pParent, bool bSave, const QString& strSuggested)
{
    return bSave ? QFileDialog::getSaveFileName(pParent, {}, strSuggested, FileFilter())
                 : QFileDialog::getOpenFileName(pParent, {}, strSuggested, FileFilter());
}

// The form is chosen by the file type: the spreadsheet's comes first, as most open it there.
QString DefaultExportChooser(QWidget* pParent, const QString& strSuggested,
                             CParticipantExport::EForm& form)
{
    const QString strSpreadsheet = CStringTable::Load(IDS_EXPORT_FILTER_SPREADSHEET);
    QString strFilter = strSpreadsheet;
    const QString strPath = QFileDialog::getSaveFileName(
        pParent, CStringTable::Load(IDS_EXPORT_TITLE), strSuggested,
        strSpreadsheet + QStringLiteral(";;") + CStringTable::Load(IDS_EXPORT_FILTER_PLAIN),
        &strFilter);
    form = strFilter == strSpreadsheet ? CParticipantExport::EForm::Spreadsheet
                                       : CParticipantExport::EForm::Plain;
    return strPath;
}

bool DefaultPrinterChooser(QWidget* pParent, QPrinter& printer, const QString& strTitle)
{
    QPrintDialog dialog(&printer, pParent);
    dialog.setWindowTitle(strTitle);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

CMainFrame::CMainFrame(CKivvoDoc* pDoc, CKivvoApp* pApp, QWidget* pParent)
    : QMainWindow(pParent), m_pDoc(pDoc), m_pApp(pApp)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(CIcons::AppIcon());
    m_chooseFile = [this](bool bSave, const QString& strSuggested) {
        return DefaultChooser(this, bSave, strSuggested);
    };
    m_choosePrinter = [this](QPrinter& printer, const QString& strTitle) {
        return DefaultPrinterChooser(this, printer, strTitle);
    };
    m_chooseImport = [this] {
        return QFileDialog::getOpenFileName(this, CStringTable::Load(IDS_EDIT_IMPORT),
                                            m_pApp->m_strFolder,
                                            CStringTable::Load(IDS_IMPORT_FILTER));
    };

    m_chooseExport = [this](const QString& strSuggested, CParticipantExport::EForm& form) {
        return DefaultExportChooser(this, strSuggested, form);
    };

    m_pView = new CKivvoView(pDoc);
    m_pHistoryNote = new QLabel;
    m_pHistoryNote->setObjectName(QStringLiteral("historyNote"));
    m_pHistoryNote->setWordWrap(true);
    m_pHistoryNote->setMargin(4);
    m_pHistoryNote->hide();
    m_pListPage = new QWidget;
    auto* pPageLayout = new QVBoxLayout(m_pListPage);
    pPageLayout->setContentsMargins(0, 0, 0, 0);
    pPageLayout->setSpacing(0);
    pPageLayout->addWidget(m_pHistoryNote);
    pPageLayout->addWidget(m_pView);
    m_pDocList = new CDocListWidget;
    m_pStack = new QStackedWidget;
    m_pStack->addWidget(m_pListPage);
    m_pStack->addWidget(m_pDocList);
    setCentralWidget(m_pStack);
    BuildBars();
    m_pFlow = std::make_unique<CDocFlow>(m_pDoc, this);
    connect(m_pView, &CKivvoView::SendEmailRequested, this,
            [this](const CPerson* pPerson) { m_pFlow->SendEmailTo(pPerson); });

    connect(m_pView, &CKivvoView::StateChanged, this, &CMainFrame::UpdateActions);
    connect(m_pDoc, &CDocument::ViewsUpdated, this, &CMainFrame::UpdateActions);
    connect(m_pDoc, &CDocument::ViewsUpdated, this, &CMainFrame::UpdateHistoryNote);
    connect(m_pDoc, &CKivvoDoc::BusyChanged, this, &CMainFrame::UpdateActions);
    for (const auto pSignal :
         {&CKivvoDoc::EntryAdded, &CKivvoDoc::EntryRemoved, &CKivvoDoc::EntryChanged})
        connect(m_pDoc, pSignal, this, &CMainFrame::UpdateActions);
    connect(m_pDoc, &CKivvoDoc::DrawingChanged, this, &CMainFrame::UpdateActions);
    // A past list's name may change: the note names it.
    connect(m_pDoc, &CDocument::ModifiedChanged, this, &CMainFrame::UpdateHistoryNote);
    connect(m_pDoc, &CKivvoDoc::SealChanged, this, &CMainFrame::UpdateHistoryNote);
    // After the stack's own actions have followed it: busy or not is for the frame to say.
    QUndoStack* pStack = m_pDoc->UndoStack();
    connect(pStack, &QUndoStack::indexChanged, this, &CMainFrame::UpdateHistoryNote);
    for (const auto pSignal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(pStack, pSignal, this, &CMainFrame::UpdateActions);
    for (const auto pSignal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(pStack, pSignal, this,
                [this] { m_pActions->UpdateUndoTexts(*m_pDoc->UndoStack()); });
    connect(m_pDoc, &CDocument::ModifiedChanged, this, &CMainFrame::UpdateTitle);
    connect(m_pDoc, &CDocument::PathNameChanged, this, &CMainFrame::UpdateTitle);
    connect(m_pDocList, &CDocListWidget::OpenRequested, this, &CMainFrame::OpenDocument);
    connect(m_pDocList, &CDocListWidget::NewRequested, this, &CMainFrame::OnFileNew);

    UpdateTitle();
    UpdateActions();
    // The contacts loader starts once the window exists and the message loop runs.
    QTimer::singleShot(0, m_pApp, &CKivvoApp::LoadContacts);
}

CListBar* CMainFrame::ListBar()
{
    EnsureBars();
    return m_wndListBar;
}

void CMainFrame::showEvent(QShowEvent* pEvent)
{
    if (!IsDocumentListUp())
        EnsureBars();
    ArrangeBars();
    QMainWindow::showEvent(pEvent);
}

void CMainFrame::resizeEvent(QResizeEvent* pEvent)
{
    ArrangeBars();
    QMainWindow::resizeEvent(pEvent);
}

void CMainFrame::SetBarBreak(QToolBar* pBefore, bool bBreak)
{
    if (toolBarBreak(pBefore) == bBreak)
        return;
    if (bBreak)
        insertToolBarBreak(pBefore);
    else
        removeToolBarBreak(pBefore);
}

void CMainFrame::ArrangeBars()
{
    if (!m_wndCommandBar)
        return;
    const int nCommands = m_wndCommandBar->sizeHint().width();
    const int nTools = m_wndToolBar->sizeHint().width();
    const int nList = m_wndListBand->sizeHint().width();
    const int nListLeast = m_wndListBand->minimumSizeHint().width();
    // Never so narrow that the menus, or the toolbar beside the shortest list, would not fit.
    setMinimumWidth(std::max(nCommands, nTools + nListLeast) + kBarSlack);
    const bool bToolsApart = nCommands + nTools + kBarSlack > width();
    const bool bListApart = !bToolsApart && nCommands + nTools + nList + kBarSlack > width();
    SetBarBreak(m_wndToolBar, bToolsApart);
    SetBarBreak(m_wndListBand, bListApart);
}

CMainFrame::~CMainFrame()
{
    // The document outlives the frame: nothing it says may reach a frame half gone.
    disconnect(m_pDoc, nullptr, this, nullptr);
}

QMenu* CMainFrame::BuildMenu(const QString& strTitle, const QList<EAction>& actions)
{
    auto* pMenu = new QMenu(strTitle, this);
    for (QAction* pAction : m_pActions->Of(actions)) {
        if (!pAction)
            pMenu->addSeparator();
        else
            pMenu->addAction(pAction);
    }
    return pMenu;
}

void CMainFrame::ConnectActions()
{
    const CMainActions& actions = *m_pActions;
    const auto on = [this, &actions](EAction action, auto slot) {
        connect(actions[action], &QAction::triggered, this, slot);
    };
    on(EAction::New, [this] {
        if (CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
            OnFileNew();
    });
    on(EAction::Open, [this] {
        if (CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
            OnFileOpen();
    });
    on(EAction::Save, [this] { DoSave(m_pDoc->GetPathName().isEmpty()); });
    on(EAction::SaveAs, [this] { DoSave(true); });
    on(EAction::PrintCards, [this] {
        QList<const CPerson*> persons;
        if (!m_pFlow->ChooseWhomToTell(persons))
            return;
        // Everybody's cards are asked for by no names at all.
        QStringList names;
        if (persons.size() != m_pDoc->NewestGivers().size()) {
            for (const CPerson* pPerson : std::as_const(persons))
                names.append(pPerson->m_strName);
        }
        PrintCards(names);
    });
    on(EAction::Exit, &CMainFrame::close);
    on(EAction::About, [this] { CAboutDlg(this).exec(); });
    on(EAction::Configure, [this] { CSettingsDlg(m_pApp, this, m_pDoc).exec(); });
    on(EAction::Import, [this] {
        if (CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
            OnImportParticipants();
    });
    on(EAction::Export, &CMainFrame::OnExportParticipants);
    on(EAction::Rules, &CMainFrame::OnRules);
    on(EAction::Details, &CMainFrame::OnDetails);
    on(EAction::Undo, [this] { m_pFlow->OnUndo(); });
    on(EAction::Redo, [this] { m_pFlow->OnRedo(); });
    on(EAction::DrawNames, [this] { m_pFlow->OnDrawNames(); });
    on(EAction::CopyForNext, [this] { m_pFlow->OnCopyForNextExchange(); });
    on(EAction::SendEmails, [this] { m_pFlow->OnSendEmails(); });
    CKivvoView* pView = m_pView;
    const auto onView = [&actions, pView](EAction action, void (CKivvoView::*slot)()) {
        connect(actions[action], &QAction::triggered, pView, slot);
    };
    onView(EAction::AddPerson, &CKivvoView::OnAddPerson);
    onView(EAction::AddGroup, &CKivvoView::OnAddGroup);
    onView(EAction::AddPersonToGroup, &CKivvoView::OnAddPersonToGroup);
    onView(EAction::DeleteItem, &CKivvoView::OnDeleteItem);
    onView(EAction::RenameItem, &CKivvoView::OnRenameItem);
    onView(EAction::SendEmailToPerson, &CKivvoView::OnSendEmailToPerson);
    onView(EAction::PersonProperties, &CKivvoView::OnPersonProperties);
    onView(EAction::ViewNotifications, &CKivvoView::OnViewNotifications);
}

void CMainFrame::BuildBars()
{
    m_pActions = std::make_unique<CMainActions>(this, m_pDoc->UndoStack(), m_pView->MoveMenu());
    ConnectActions();
    using A = EAction;
    constexpr A kSeparator = A::Count;
    QMenu* pFileMenu = BuildMenu(
        CStringTable::Load(IDS_FILE_MENU),
        {A::New, A::Open, A::Save, A::SaveAs, kSeparator, A::PrintCards, kSeparator, A::Exit});
    m_pRecentMenu = new QMenu(CStringTable::Load(IDS_MENU_OPEN_RECENT), pFileMenu);
    m_pRecentMenu->setObjectName(QStringLiteral("recentMenu"));
    pFileMenu->insertMenu(Action(A::Save), m_pRecentMenu);
    connect(pFileMenu, &QMenu::aboutToShow, this, &CMainFrame::FillRecentMenu);
    const QList<QMenu*> menus = {
        pFileMenu,
        BuildMenu(CStringTable::Load(IDS_SETTINGS_MENU), {A::Configure}),
        BuildMenu(CStringTable::Load(IDS_EXCHANGE_MENU),
                  {A::Undo, A::Redo, kSeparator, A::AddPerson, A::AddGroup, A::AddPersonToGroup,
                   A::DeleteItem, A::RenameItem, A::MoveToGroup, A::SendEmailToPerson,
                   A::PersonProperties, kSeparator, A::DrawNames, A::SendEmails,
                   A::ViewNotifications, kSeparator, A::Rules, A::Details, A::CopyForNext}),
        BuildMenu(CStringTable::Load(IDS_TOOLS_MENU), {A::Import, A::Export, kSeparator, A::About}),
    };
    m_menus = menus;
}

void CMainFrame::EnsureBars()
{
    // Built when first shown: the chooser of documents, the first window, has none.
    using A = EAction;
    if (m_wndCommandBar)
        return;
    m_wndCommandBar = new QToolBar(this);
    m_wndCommandBar->setObjectName(QStringLiteral("commandBar"));
    for (QMenu* pMenu : std::as_const(m_menus)) {
        const QString strTitle = pMenu->title();
        auto* pButton = new QToolButton;
        pButton->setText(strTitle);
        pButton->setObjectName(QString(strTitle).remove(u'&').toLower() + QStringLiteral("Menu"));
        pButton->setMenu(pMenu);
        pButton->setPopupMode(QToolButton::InstantPopup);
        // A title without a mnemonic still opens with Alt and its first letter.
        if (!strTitle.contains(u'&'))
            pButton->setShortcut(QKeySequence(QStringLiteral("Alt+") + strTitle.left(1)));
        m_wndCommandBar->addWidget(pButton);
    }
    m_wndCommandBar->addAction(Action(A::New));

    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(24, 24));
    m_wndToolBar->addAction(Action(A::DrawNames));
    m_wndToolBar->addAction(Action(A::SendEmails));

    m_wndListBar = new CListBar;
    m_wndListBand = new QToolBar(this);
    m_wndListBand->setObjectName(QStringLiteral("listBand"));
    m_wndListBand->addWidget(m_wndListBar);

    for (QToolBar* pBar : {m_wndCommandBar, m_wndToolBar, m_wndListBand}) {
        pBar->setMovable(false);
        addToolBar(Qt::BottomToolBarArea, pBar);
        pBar->setVisible(!IsDocumentListUp());
    }
    connect(m_wndListBar, &CListBar::ListPicked, this, [this](int nIndex) {
        // Posted, as the list bar's own message must finish first.
        QTimer::singleShot(0, this, [this, nIndex] { m_pDoc->SelectList(nIndex); });
    });
    connect(m_pDoc, &CKivvoDoc::ListsChanged, this, [this] {
        m_wndListBar->SetLists(m_pDoc->ListNames(), m_pDoc->CurrentListIndex());
        ArrangeBars(); // a longer name asks more of the list's line
    });
    m_wndListBar->SetLists(m_pDoc->ListNames(), m_pDoc->CurrentListIndex());
}

QStringList CMainFrame::RecentFiles()
{
    return QSettings().value(kRecentKey).toStringList();
}

void CMainFrame::RememberRecent(const QString& strPath)
{
    const QString strFull = QFileInfo(strPath).absoluteFilePath();
    QStringList recent = RecentFiles();
    recent.removeAll(strFull);
    recent.prepend(strFull);
    QSettings().setValue(kRecentKey, recent.mid(0, kMaxRecent));
}

void CMainFrame::FillRecentMenu()
{
    m_pRecentMenu->clear();
    const QStringList recent = RecentFiles();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString strName =
            QFileInfo(recent.at(i)).fileName().replace(u'&', QStringLiteral("&&"));
        QAction* pAction =
            m_pRecentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(strName));
        pAction->setToolTip(recent.at(i));
        pAction->setStatusTip(recent.at(i));
        connect(pAction, &QAction::triggered, this,
                [this, strPath = recent.at(i)] { OnOpenRecent(strPath); });
    }
    m_pRecentMenu->menuAction()->setEnabled(!recent.isEmpty() && !m_pDoc->IsBusy());
}

void CMainFrame::OnOpenRecent(const QString& strPath)
{
    if (!CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
        return;
    m_pView->EndEditing();
    if (!SaveModified())
        return;
    // A file that is gone leaves the list; one that could not be read stays for another try.
    if (!OpenDocument(strPath) && !QFileInfo::exists(strPath)) {
        QStringList recent = RecentFiles();
        recent.removeAll(strPath);
        QSettings().setValue(kRecentKey, recent);
    }
}

QSize CMainFrame::FirstSize()
{
    EnsureBars();
    // The bars share one line at the bottom: the window is as wide as all of them together.
    int nWidth = kBarSlack;
    for (const QToolBar* pBar : {m_wndCommandBar, m_wndToolBar, m_wndListBand})
        nWidth += pBar->sizeHint().width();
    const QSize size(nWidth, std::max(kFirstHeight, nWidth * 3 / 4));
    const QRect room = CScreenFit::Room(this);
    return room.isEmpty() ? size : size.boundedTo(room.size());
}

void CMainFrame::RestoreWindowState()
{
    const QByteArray geometry = QSettings().value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(FirstSize());
}

void CMainFrame::SaveWindowState() const
{
    // Written only when it changed: an unchanged window costs no file write at every exit.
    QSettings settings;
    const QByteArray geometry = saveGeometry();
    if (settings.value(kGeometryKey).toByteArray() != geometry)
        settings.setValue(kGeometryKey, geometry);
}

void CMainFrame::UpdateActions()
{
    const bool bListUp = IsDocumentListUp();
    const bool bBusy = m_pDoc->IsBusy();
    const QUndoStack* pStack = m_pDoc->UndoStack();
    const CKivvoView::SCommands view = m_pView->Commands();
    using A = EAction;
    const std::initializer_list<std::pair<EAction, bool>> states = {
        // The drawing being mailed stays open until its run has ended.
        {A::New, !bBusy},
        {A::Open, !bBusy},
        {A::Save, !bListUp},
        {A::SaveAs, !bListUp},
        {A::PrintCards, m_pDoc->CanSendEmails() && !bListUp},
        {A::Import, !bListUp && !bBusy},
        {A::Export, !bListUp},
        // A drawing under way keeps the rules it began with.
        {A::Rules, !bListUp && !m_pDoc->IsDrawing()},
        {A::Details, !bListUp && !m_pDoc->IsDrawing()},
        {A::Undo, pStack->canUndo() && !bBusy},
        {A::Redo, pStack->canRedo() && !bBusy},
        {A::DrawNames, m_pDoc->CanDrawNames() && !bBusy},
        {A::CopyForNext, m_pDoc->CanDrawNames() && !bBusy},
        {A::SendEmails, m_pDoc->CanSendEmails() && !bBusy},
        {A::AddPerson, view.bAddPerson},
        {A::AddGroup, view.bAddGroup},
        {A::AddPersonToGroup, view.bAddPersonToGroup},
        {A::DeleteItem, view.bDeleteItem},
        {A::RenameItem, view.bRenameItem},
        {A::MoveToGroup, view.bMoveToGroup},
        {A::SendEmailToPerson, view.bSendEmailToPerson},
        {A::PersonProperties, view.bPersonProperties},
        {A::ViewNotifications, view.bViewNotifications},
    };
    for (const auto& [action, bEnabled] : states)
        Action(action)->setEnabled(bEnabled);
    m_pActions->SayWhyDrawIsOff(!m_pDoc->CanDrawNames());
}

void CMainFrame::UpdateHistoryNote()
{
    // Whether the list shown is a past one, sealed, or was unsealed: each a line of its own.
    const CNameList* pList = m_pDoc->GetCurrentList();
    QStringList lines;
    if (m_pDoc->IsHistory(pList))
        lines.append(CStringTable::Format(IDS_HISTORY_NOTE, {pList->m_strName}));
    if (m_pDoc->IsSealedDrawing(pList))
        lines.append(CStringTable::Load(IDS_SEALED_NOTE));
    // Where to start, in a list still empty.
    if (pList && pList == m_pDoc->GetNewestList() && !pList->m_pFirst) {
        const auto menu = [](int nId) { return CStringTable::Load(nId).remove(u'&'); };
        lines.append(CStringTable::Format(
            IDS_EMPTY_LIST_HINT, {QKeySequence(Qt::Key_Insert).toString(QKeySequence::NativeText),
                                  menu(IDS_EXCHANGE_MENU), menu(IDS_MENU_ADD_PERSON)}));
    }
    if (const QString strRecord = CKivvoDoc::SealRecord(pList); !strRecord.isEmpty())
        lines.append(strRecord + u'.');
    m_pHistoryNote->setText(lines.join(u'\n'));
    m_pHistoryNote->setVisible(!lines.isEmpty());
}

void CMainFrame::UpdateTitle()
{
    QString strName = QFileInfo(m_pDoc->GetPathName()).completeBaseName();
    if (strName.isEmpty())
        strName = CStringTable::Load(IDS_UNTITLED);
    if (strName.size() > kMaxTitleNameLength)
        strName = strName.left(kMaxTitleNameLength) + u'…';
    setWindowTitle(CStringTable::Format(IDS_WINDOW_TITLE, {strName}));
    setWindowModified(m_pDoc->IsModified());
}

void CMainFrame::OnRules()
{
    CRulesDlg rules(m_pDoc->GetRules(), m_pDoc->QuotesHistory(), m_pDoc->IsSealed(),
                    CKivvoDoc::SealRecord(m_pDoc->GetNewestList()), this);
    rules.SetListHasRoles(m_pDoc->GetNewestList() && m_pDoc->GetNewestList()->HasRoles());
    if (rules.exec() != QDialog::Accepted)
        return;
    // The other rules change even when the seal is kept, as one step for Undo.
    {
        const CKivvoDoc::CStep step(m_pDoc, IDS_EDIT_RULES);
        CMessageBox::Tell(m_pDoc->SetRules(rules.Rules()));
        CMessageBox::Tell(m_pDoc->SetQuoteHistory(rules.QuotesHistory()));
    }
    const bool bSealed = rules.Sealed();
    if (!bSealed && m_pDoc->WouldBreakSeal() &&
        CMessageBox::Show(IDS_ASK_BREAK_SEAL, EBoxKind::YesNoDefaultNo,
                          {m_pDoc->GetNewestList()->m_strName}) != EAnswer::Yes)
        return;
    CMessageBox::Tell(m_pDoc->SetSealed(bSealed));
}

bool CMainFrame::SaveModified()
{
    if (!m_pDoc->IsModified())
        return true;
    QString strName = QFileInfo(m_pDoc->GetPathName()).fileName();
    if (strName.isEmpty())
        strName = CStringTable::Load(IDS_UNTITLED);
    switch (CMessageBox::Show(IDS_ASK_SAVE_CHANGES, EBoxKind::YesNoCancelQuestion, {strName})) {
    case EAnswer::Yes:
        return DoSave(m_pDoc->GetPathName().isEmpty());
    case EAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CMainFrame::DoSave(bool bAskName)
{
    QString strPath = m_pDoc->GetPathName();
    if (bAskName || strPath.isEmpty()) {
        const QString strSuggested =
            strPath.isEmpty() ? m_pApp->m_strFolder + CStringTable::Load(IDS_UNTITLED) + ".kv"
                              : strPath;
        strPath = m_chooseFile(true, strSuggested);
        if (strPath.isEmpty())
            return false;
        if (QFileInfo(strPath).suffix().isEmpty())
            strPath += QStringLiteral(".kv");
    }
    // Another program's change is not thrown away without asking; No is the default.
    const CDocResult result = m_pDoc->OnSaveDocument(strPath, [](const CDocResult& question) {
        return CMessageBox::ShowText(question.MessageId(), EBoxKind::YesNoDefaultNo,
                                     question.Message()) == EAnswer::Yes;
    });
    if (result.MessageId() == IDS_ASK_OVERWRITE_CHANGED || !CMessageBox::Tell(result))
        return false;
    RememberRecent(strPath);
    return true;
}

bool CMainFrame::KeepDrawingBeforeTelling()
{
    const CDocResult onDisk = m_pDoc->CheckFileHoldsDrawing();
    if (!onDisk) {
        // Reloaded, the window shows what the file holds; nothing goes out this time.
        if (CMessageBox::ShowText(onDisk.MessageId(), EBoxKind::YesNoQuestion, onDisk.Message()) ==
                EAnswer::Yes &&
            SaveModified())
            CMessageBox::Tell(m_pDoc->OnOpenDocument(m_pDoc->GetPathName()));
        return false;
    }
    if (!m_pDoc->IsModified() && !m_pDoc->GetPathName().isEmpty())
        return true;
    if (m_pDoc->GetPathName().isEmpty())
        CMessageBox::Show(IDS_SAVE_BEFORE_TELLING, EBoxKind::OkInformation);
    return DoSave(false);
}

void CMainFrame::KeepWhoWasTold()
{
    // Saved just before the names went out: only the record of who was told is new. A file
    // changed elsewhere meanwhile is not written over unasked; the window stays modified.
    if (m_pDoc->IsModified() && !m_pDoc->GetPathName().isEmpty() && !m_pDoc->ChangedOnDisk())
        CMessageBox::Tell(m_pDoc->OnSaveDocument(m_pDoc->GetPathName()));
}

void CMainFrame::OnImportParticipants()
{
    m_pView->EndEditing();
    const QString strPath = m_chooseImport();
    if (strPath.isEmpty())
        return;
    // Always into the newest list: the past ones stay as they were.
    const CNameList* pNewest = m_pDoc->GetNewestList();
    CParticipantImport import;
    QString strError;
    if (import.Read(strPath, strError))
        import.Check(*pNewest);
    CImportDlg preview(import, strError, pNewest->m_strName, this);
    if (preview.exec() == QDialog::Accepted)
        CMessageBox::Tell(m_pDoc->ImportParticipants(import));
}

void CMainFrame::OnExportParticipants()
{
    // The list shown, past exchanges too: a name still being typed belongs to it.
    m_pView->EndEditing();
    const CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList)
        return;
    CParticipantExport::EForm form = CParticipantExport::EForm::Spreadsheet;
    QString strPath = m_chooseExport(
        m_pApp->m_strFolder + QString(pList->m_strName).replace(u'/', u'-') + ".csv", form);
    if (strPath.isEmpty())
        return;
    if (QFileInfo(strPath).suffix().isEmpty())
        strPath += QStringLiteral(".csv");
    QString strError;
    if (!CParticipantExport::Write(*pList, strPath, form, strError))
        CMessageBox::Show(IDS_EXPORT_ERROR, EBoxKind::OkExclamation,
                          {QDir::toNativeSeparators(strPath), strError});
}

void CMainFrame::OnFileNew()
{
    m_pView->EndEditing();
    if (!SaveModified())
        return;
    m_pDoc->OnNewDocument();
    CloseDocumentList();
}

void CMainFrame::OnFileOpen()
{
    m_pView->EndEditing();
    if (!SaveModified())
        return;
    const QString strPath = m_chooseFile(false, m_pApp->m_strFolder);
    if (!strPath.isEmpty())
        OpenDocument(strPath);
}

bool CMainFrame::OpenDocument(const QString& strPath)
{
    if (!CMessageBox::Tell(m_pDoc->OnOpenDocument(strPath)))
        return false; // the document that was open stays as it was
    RememberRecent(strPath);
    CloseDocumentList();
    return true;
}

void CMainFrame::ShowDocumentList()
{
    m_pDocList->Refresh(m_pApp->m_strFolder);
    m_pStack->setCurrentWidget(m_pDocList);
    if (m_wndCommandBar) {
        m_wndCommandBar->hide();
        m_wndToolBar->hide();
        m_wndListBand->hide();
    }
    UpdateActions();
}

void CMainFrame::CloseDocumentList()
{
    m_pStack->setCurrentWidget(m_pListPage);
    EnsureBars();
    m_wndCommandBar->show();
    m_wndToolBar->show();
    m_wndListBand->show();
    UpdateActions();
}

bool CMainFrame::IsDocumentListUp() const
{
    return m_pStack->currentWidget() == m_pDocList;
}

bool CMainFrame::RunDrawNamesDialog(CNameList* pList, int nMode)
{
    const bool bRound = nMode == CDrawNamesDlg::kDrawMode && pList == m_pDoc->GetNewestList();
    // After a change, the round may be for those whose recipient changed alone.
    QList<const CPerson*> persons;
    if (bRound && (!m_pFlow->ChooseWhomToTell(persons) || !KeepDrawingBeforeTelling()))
        return true;
    if (persons.size() == m_pDoc->NewestGivers().size())
        persons.clear();
    CDrawNamesDlg dialog(pList, nMode, this, persons);
    connect(&dialog, &CDrawNamesDlg::Revealed, this,
            [this](const CPerson* pPerson) { m_pDoc->RecordTold({pPerson}, CTold::inRound); });
    dialog.exec();
    if (bRound)
        KeepWhoWasTold();
    return dialog.CountNotLooked() == 0;
}

void CMainFrame::RunSend(CSendRun* pRun)
{
    // Beside the main window, which stays usable; the send commands wait for the run.
    auto* pDialog = new CSendProgressDlg(pRun, this);
    connect(pRun, &CSendRun::Finished, this, &CMainFrame::UpdateActions);
    connect(pRun, &CSendRun::Finished, this, &CMainFrame::KeepWhoWasTold);
    connect(pDialog, &CSendProgressDlg::PrintCardsFor, this, &CMainFrame::PrintCards);
    pDialog->show();
    pRun->Start();
    UpdateActions();
}

bool CMainFrame::SetUpMail()
{
    CSettingsDlg settings(m_pApp, this, m_pDoc);
    return settings.exec() == QDialog::Accepted && m_pApp->m_settings.IsMailSetUp();
}

void CMainFrame::OnDetails()
{
    CNameList* pList = m_pDoc->GetCurrentList();
    if (!pList)
        return;
    CDetailsDlg details(pList->m_strName, pList->m_details, m_pDoc->IsHistory(pList), this);
    if (details.exec() == QDialog::Accepted)
        CMessageBox::Tell(m_pDoc->SetDetails(pList, details.Details()));
}

void CMainFrame::PrintCards(const QStringList& names)
{
    // The same check as before sending: a stale drawing is never printed.
    if (!CMessageBox::Tell(m_pDoc->CheckNewestDrawing()))
        return;
    const CNameList* pNewest = m_pDoc->GetNewestList();
    const QList<CCard> cards = CCardSheet::CardsOf(*pNewest, names);
    if (cards.isEmpty()) {
        CMessageBox::Show(IDS_CARDS_NOBODY, EBoxKind::OkExclamation);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    // Also the name of a file the cards are printed to: no folder separators in it.
    printer.setDocName(CStringTable::Format(IDS_CARDS_DOC_NAME,
                                            {QString(pNewest->m_strName).replace(u'/', u'-')}));
    if (!KeepDrawingBeforeTelling() ||
        !m_choosePrinter(printer,
                         CStringTable::Format(IDS_CARDS_PRINT_TITLE, {pNewest->m_strName})))
        return;
    CCardSheet sheet(cards, *pNewest, m_pDoc->MailLanguage());
    sheet.SetSealed(m_pDoc->IsSealedDrawing(pNewest));
    // Printed to a file, the cards are written as the command line writes them: whole, checked,
    // and readable by the owner only, since every card holds a drawn name.
    const QString strFile =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    const QString strError = strFile.isEmpty() ? sheet.Paint(printer) : sheet.WritePdf(strFile);
    if (!strError.isEmpty()) {
        CMessageBox::Show(IDS_CARDS_PRINT_ERROR, EBoxKind::OkExclamation, {strError});
        return;
    }
    QStringList givers;
    for (const CCard& card : cards)
        givers.append(card.m_strGiver);
    m_pDoc->RecordTold(givers, CTold::onCard);
    KeepWhoWasTold();
}

bool CMainFrame::StopSendingToClose()
{
    if (!m_pDoc->IsSending())
        return true;
    if (CMessageBox::Show(IDS_ASK_STOP_SENDING, EBoxKind::YesNoQuestion) != EAnswer::Yes)
        return false;
    m_pDoc->StopSending();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (!StopSendingToClose()) {
        pEvent->ignore();
        return;
    }
    // A name still being edited is part of the document the save question is about.
    m_pView->EndEditing();
    if (!SaveModified()) {
        pEvent->ignore(); // cancelled: everything goes on, the address book keeps loading
        return;
    }
    // The contacts loader stops at its next contact; nothing waits for it here.
    m_pApp->m_bClosing = true;
    SaveWindowState();
    pEvent->accept();
}
