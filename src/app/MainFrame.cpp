#include "MainFrame.h"

#include "AboutDlg.h"
#include "DetailsDlg.h"
#include "DocFlow.h"
#include "DocListWidget.h"
#include "ImportDlg.h"
#include "KivvoApp.h"
#include "KivvoDoc.h"
#include "ListBar.h"
#include "ParticipantImport.h"
#include "RulesDlg.h"
#include "SettingsDlg.h"
#include "draw/DrawNamesDlg.h"
#include "model/NameList.h"
#include "notify/CardSheet.h"
#include "notify/SendProgressDlg.h"
#include "notify/SendRun.h"
#include "platform/CmdUI.h"
#include "platform/Framework.h"
#include "platform/MessageBox.h"
#include "res/Icons.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "ui/KivvoView.h"
#include "ui/ScreenFit.h"

#include <QAction>
#include <QCloseEvent>
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

QString FileFilter()
{
    return CStringTable::Load(IDS_FILE_FILTER);
}

QString DefaultChooser(QWidget* pParent, bool bSave, const QString& strSuggested)
{
    return bSave ? QFileDialog::getSaveFileName(pParent, {}, strSuggested, FileFilter())
                 : QFileDialog::getOpenFileName(pParent, {}, strSuggested, FileFilter());
}

bool DefaultPrinterChooser(QWidget* pParent, QPrinter& printer, const QString& strTitle)
{
    QPrintDialog dialog(&printer, pParent);
    dialog.setWindowTitle(strTitle);
    return dialog.exec() == QDialog::Accepted;
}

// The short form of a prompt string ("prompt\nshort form").
QString ShortForm(int nStringId)
{
    return CStringTable::Load(nStringId).section(u'\n', 1);
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
    m_pDoc->SetUserInterface(this);
    m_pFlow = std::make_unique<CDocFlow>(m_pDoc, this);
    connect(m_pView, &CKivvoView::SendEmailRequested, this,
            [this](const CPerson* pPerson) { m_pFlow->SendEmailTo(pPerson); });

    connect(m_pView, &CKivvoView::CommandChosen, this, &CMainFrame::RouteCommand);
    connect(m_pView, &CKivvoView::MenuAboutToShow, this, &CMainFrame::UpdateMenu);
    connect(m_pView, &CKivvoView::StateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(m_pDoc, &CDocument::ViewsUpdated, this, &CMainFrame::UpdateCommandUI);
    connect(m_pDoc, &CDocument::ViewsUpdated, this, &CMainFrame::UpdateHistoryNote);
    // A past list's name may change: the note names it.
    connect(m_pDoc, &CDocument::ModifiedChanged, this, &CMainFrame::UpdateHistoryNote);
    connect(m_pDoc->UndoStack(), &QUndoStack::indexChanged, this, [this] {
        UpdateHistoryNote();
        UpdateUndoTexts();
        UpdateCommandUI();
    });
    connect(m_pDoc, &CDocument::ModifiedChanged, this, &CMainFrame::UpdateTitle);
    connect(m_pDoc, &CDocument::PathNameChanged, this, &CMainFrame::UpdateTitle);
    connect(m_wndListBar, &CListBar::ListPicked, this, [this] {
        // Posted, as the list bar's own message must finish first.
        QTimer::singleShot(0, this, [this] { RouteCommand(ID_LIST_SELECTED); });
    });
    connect(m_pDocList, &CDocListWidget::OpenRequested, this, &CMainFrame::OpenDocument);
    connect(m_pDocList, &CDocListWidget::NewRequested, this, &CMainFrame::OnFileNew);

    UpdateTitle();
    UpdateCommandUI();
    // The contacts loader starts once the window exists and the message loop runs.
    QTimer::singleShot(0, this, [this] { RouteCommand(ID_LOAD_CONTACTS); });
}

CMainFrame::~CMainFrame()
{
    // The document outlives the frame: nothing it says may reach a frame half gone.
    disconnect(m_pDoc, nullptr, this, nullptr);
    m_pDoc->SetUserInterface(nullptr);
}

QAction* CMainFrame::AddAction(int nID, int nTextId, const QKeySequence& shortcut)
{
    auto* pAction = new QAction(CStringTable::Load(nTextId), this);
    pAction->setData(nID);
    pAction->setObjectName(QStringLiteral("command%1").arg(nID));
    if (!shortcut.isEmpty()) {
        pAction->setShortcut(shortcut);
        pAction->setShortcutContext(Qt::WindowShortcut);
        addAction(pAction);
    }
    connect(pAction, &QAction::triggered, this, [this, nID] { RouteCommand(nID); });
    m_actions.insert(nID, pAction);
    return pAction;
}

QMenu* CMainFrame::BuildMenu(const QString& strTitle, const QList<int>& commands)
{
    auto* pMenu = new QMenu(strTitle, this);
    for (const int nID : commands) {
        if (nID == 0)
            pMenu->addSeparator();
        else
            pMenu->addAction(m_actions.value(nID));
    }
    connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { UpdateMenu(pMenu); });
    return pMenu;
}

void CMainFrame::BuildBars()
{
    AddAction(ID_CONFIGURE, IDS_MENU_CONFIGURE);
    AddAction(ID_ADD_PERSON, IDS_MENU_ADD_PERSON);
    AddAction(ID_ADD_GROUP, IDS_MENU_ADD_GROUP);
    AddAction(ID_ADD_PERSON_TO_GROUP, IDS_MENU_ADD_PERSON_TO_GROUP);
    AddAction(ID_DELETE_ITEM, IDS_MENU_DELETE_ITEM);
    AddAction(ID_RENAME_ITEM, IDS_MENU_RENAME_ITEM);
    AddAction(ID_SEND_EMAIL_TO_PERSON, IDS_MENU_SEND_EMAIL_TO_PERSON);
    AddAction(ID_PERSON_PROPERTIES, IDS_MENU_PERSON_PROPERTIES);
    AddAction(ID_DRAW_NAMES, IDS_MENU_DRAW_NAMES);
    AddAction(ID_SEND_EMAILS, IDS_MENU_SEND_EMAILS);
    AddAction(ID_VIEW_NOTIFICATIONS, IDS_MENU_VIEW_NOTIFICATIONS);
    AddAction(ID_PRINT_CARDS, IDS_MENU_PRINT_CARDS);
    AddAction(ID_COPY_FOR_NEXT, IDS_MENU_COPY_FOR_NEXT);
    AddAction(ID_RULES, IDS_MENU_RULES);
    AddAction(ID_DETAILS, IDS_MENU_DETAILS);
    AddAction(ID_EDIT_UNDO, IDS_MENU_UNDO, QKeySequence::Undo);
    AddAction(ID_EDIT_REDO, IDS_MENU_REDO, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    AddAction(ID_IMPORT_PARTICIPANTS, IDS_MENU_IMPORT);
    // Enabled like a command; its own entries move the selected person.
    m_actions.insert(ID_MOVE_TO_GROUP, m_pView->MoveMenu()->menuAction());
    AddAction(ID_FILE_NEW, IDS_MENU_NEW, QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(ID_FILE_OPEN, IDS_MENU_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O));
    AddAction(ID_FILE_SAVE, IDS_MENU_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(ID_FILE_SAVE_AS, IDS_MENU_SAVE_AS);
    AddAction(ID_APP_EXIT, IDS_MENU_EXIT, QKeySequence(Qt::CTRL | Qt::Key_Q));
    AddAction(ID_APP_ABOUT, IDS_MENU_ABOUT);
    // The tree takes these keys itself (not while a name is edited); the menu only shows them.
    for (const auto& [nID, key] : {std::pair{ID_ADD_PERSON, Qt::Key_Insert},
                                   {ID_DELETE_ITEM, Qt::Key_Delete},
                                   {ID_RENAME_ITEM, Qt::Key_F2},
                                   {ID_PERSON_PROPERTIES, Qt::Key_Enter}}) {
        QAction* pAction = m_actions.value(nID);
        pAction->setText(pAction->text() + u'\t' +
                         QKeySequence(key).toString(QKeySequence::NativeText));
    }
    m_actions.value(ID_DRAW_NAMES)->setIcon(CIcons::DrawNamesIcon());
    m_actions.value(ID_DRAW_NAMES)->setToolTip(ShortForm(IDS_TIP_DRAW_NAMES));
    m_actions.value(ID_SEND_EMAILS)->setIcon(CIcons::SendEmailsIcon());
    m_actions.value(ID_SEND_EMAILS)->setToolTip(ShortForm(IDS_PROMPT_SEND_EMAILS));
    m_actions.value(ID_COPY_FOR_NEXT)
        ->setStatusTip(CStringTable::Load(IDS_PROMPT_COPY_FOR_NEXT).section(u'\n', 0, 0));
    m_actions.value(ID_FILE_NEW)->setToolTip(CStringTable::Load(IDS_TIP_NEW));
    m_actions.value(ID_DETAILS)
        ->setStatusTip(CStringTable::Load(IDS_PROMPT_DETAILS).section(u'\n', 0, 0));

    const QList<QPair<QString, QList<int>>> menus = {
        {CStringTable::Load(IDS_SETTINGS_MENU), {ID_CONFIGURE}},
        {CStringTable::Load(IDS_EXCHANGE_MENU),
         {ID_EDIT_UNDO,
          ID_EDIT_REDO,
          0,
          ID_ADD_PERSON,
          ID_ADD_GROUP,
          ID_ADD_PERSON_TO_GROUP,
          ID_DELETE_ITEM,
          ID_RENAME_ITEM,
          ID_MOVE_TO_GROUP,
          ID_SEND_EMAIL_TO_PERSON,
          ID_PERSON_PROPERTIES,
          0,
          ID_DRAW_NAMES,
          ID_SEND_EMAILS,
          ID_VIEW_NOTIFICATIONS,
          ID_PRINT_CARDS,
          0,
          ID_RULES,
          ID_DETAILS,
          ID_COPY_FOR_NEXT}},
        {CStringTable::Load(IDS_TOOLS_MENU),
         {ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_IMPORT_PARTICIPANTS, 0, ID_APP_ABOUT, 0,
          ID_APP_EXIT}},
    };
    m_wndCommandBar = new QToolBar(this);
    m_wndCommandBar->setObjectName(QStringLiteral("commandBar"));
    for (const auto& [strTitle, commands] : menus) {
        auto* pButton = new QToolButton;
        pButton->setText(strTitle);
        pButton->setObjectName(QString(strTitle).remove(u'&').toLower() + QStringLiteral("Menu"));
        pButton->setMenu(BuildMenu(strTitle, commands));
        pButton->setPopupMode(QToolButton::InstantPopup);
        // A title without a mnemonic still opens with Alt and its first letter.
        if (!strTitle.contains(u'&'))
            pButton->setShortcut(QKeySequence(QStringLiteral("Alt+") + strTitle.left(1)));
        m_wndCommandBar->addWidget(pButton);
    }
    m_wndCommandBar->addAction(m_actions.value(ID_FILE_NEW));

    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(24, 24));
    m_wndToolBar->addAction(m_actions.value(ID_DRAW_NAMES));
    m_wndToolBar->addAction(m_actions.value(ID_SEND_EMAILS));

    m_wndListBar = new CListBar;
    m_wndListBand = new QToolBar(this);
    m_wndListBand->setObjectName(QStringLiteral("listBand"));
    m_wndListBand->addWidget(m_wndListBar);

    for (QToolBar* pBar : {m_wndCommandBar, m_wndToolBar, m_wndListBand}) {
        pBar->setMovable(false);
        addToolBar(Qt::BottomToolBarArea, pBar);
    }
}

QSize CMainFrame::FirstSize() const
{
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
    QSettings().setValue(kGeometryKey, saveGeometry());
}

bool CMainFrame::RouteUpdate(CCmdUI& cmdUI)
{
    const std::array<CCmdTarget*, 4> targets = {m_pView, m_pFlow.get(), this, m_pApp};
    for (CCmdTarget* pTarget : targets) {
        if (pTarget && pTarget->OnUpdateCommand(cmdUI))
            return true;
    }
    return false;
}

bool CMainFrame::RouteCommand(int nID)
{
    const std::array<CCmdTarget*, 4> targets = {m_pView, m_pFlow.get(), this, m_pApp};
    bool bHandled = false;
    for (CCmdTarget* pTarget : targets) {
        if (pTarget && pTarget->OnCommand(nID)) {
            bHandled = true;
            break;
        }
    }
    UpdateCommandUI();
    return bHandled;
}

void CMainFrame::UpdateMenu(QMenu* pMenu)
{
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator())
            continue;
        CCmdUI cmdUI(pAction->data().toInt());
        RouteUpdate(cmdUI);
        pAction->setEnabled(cmdUI.m_bEnabled);
    }
}

void CMainFrame::UpdateCommandUI()
{
    for (QAction* pAction : std::as_const(m_actions)) {
        CCmdUI cmdUI(pAction->data().toInt());
        RouteUpdate(cmdUI);
        pAction->setEnabled(cmdUI.m_bEnabled);
    }
}

void CMainFrame::UpdateHistoryNote()
{
    const CNameList* pList = m_pDoc->GetCurrentList();
    const bool bHistory = m_pDoc->IsHistory(pList);
    m_pHistoryNote->setText(bHistory ? CStringTable::Format(IDS_HISTORY_NOTE, {pList->m_strName})
                                     : QString());
    m_pHistoryNote->setVisible(bHistory);
}

void CMainFrame::UpdateUndoTexts()
{
    const QUndoStack* pStack = m_pDoc->UndoStack();
    const QString strUndo = pStack->undoText();
    const QString strRedo = pStack->redoText();
    m_actions.value(ID_EDIT_UNDO)
        ->setText(strUndo.isEmpty() ? CStringTable::Load(IDS_MENU_UNDO)
                                    : CStringTable::Format(IDS_MENU_UNDO_WHAT, {strUndo}));
    m_actions.value(ID_EDIT_REDO)
        ->setText(strRedo.isEmpty() ? CStringTable::Load(IDS_MENU_REDO)
                                    : CStringTable::Format(IDS_MENU_REDO_WHAT, {strRedo}));
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

bool CMainFrame::OnUpdateCommand(CCmdUI& cmdUI)
{
    switch (cmdUI.m_nID) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
        // The drawing being mailed stays open until its run has ended.
        cmdUI.Enable(!m_pDoc->IsBusy());
        return true;
    case ID_PRINT_CARDS:
        cmdUI.Enable(m_pDoc->CanSendEmails() && !IsDocumentListUp());
        return true;
    case ID_APP_EXIT:
    case ID_APP_ABOUT:
    case ID_CONFIGURE:
        cmdUI.Enable(true);
        return true;
    case ID_RULES:
    case ID_DETAILS:
        // A drawing under way keeps the rules it began with.
        cmdUI.Enable(!IsDocumentListUp() && !m_pDoc->IsDrawing());
        return true;
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
        cmdUI.Enable(!IsDocumentListUp());
        return true;
    case ID_IMPORT_PARTICIPANTS:
        cmdUI.Enable(!IsDocumentListUp() && !m_pDoc->IsBusy());
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnCommand(int nID)
{
    switch (nID) {
    case ID_FILE_NEW:
        if (CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
            OnFileNew();
        return true;
    case ID_FILE_OPEN:
        if (CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
            OnFileOpen();
        return true;
    case ID_FILE_SAVE:
        DoSave(m_pDoc->GetPathName().isEmpty());
        return true;
    case ID_FILE_SAVE_AS:
        DoSave(true);
        return true;
    case ID_PRINT_CARDS:
        PrintCards();
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    case ID_APP_ABOUT: {
        CAboutDlg about(this);
        about.exec();
        return true;
    }
    case ID_CONFIGURE: {
        CSettingsDlg settings(m_pApp, this, m_pDoc);
        settings.exec();
        return true;
    }
    case ID_RULES: {
        CRulesDlg rules(m_pDoc->GetRules(), this);
        if (rules.exec() == QDialog::Accepted)
            CMessageBox::Tell(m_pDoc->SetRules(rules.Rules()));
        return true;
    }
    case ID_DETAILS:
        OnDetails();
        return true;
    case ID_IMPORT_PARTICIPANTS:
        if (CMessageBox::Tell(m_pDoc->CheckNotSending(m_pDoc->GetNewestList())))
            OnImportParticipants();
        return true;
    default:
        return false;
    }
}

bool CMainFrame::SaveModified()
{
    if (!m_pDoc->IsModified())
        return true;
    QString strName = QFileInfo(m_pDoc->GetPathName()).fileName();
    if (strName.isEmpty())
        strName = CStringTable::Load(IDS_UNTITLED);
    switch (CMessageBox::Show(IDS_ASK_SAVE_CHANGES, EBoxKind::YesNoCancelQuestion, {strName})) {
    case IDYES:
        return DoSave(m_pDoc->GetPathName().isEmpty());
    case IDNO:
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
                                     question.Message()) == IDYES;
    });
    return result.MessageId() == IDS_ASK_OVERWRITE_CHANGED ? false : CMessageBox::Tell(result);
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
    CloseDocumentList();
    return true;
}

void CMainFrame::ShowDocumentList()
{
    m_pDocList->Refresh(m_pApp->m_strFolder);
    m_pStack->setCurrentWidget(m_pDocList);
    m_wndCommandBar->hide();
    m_wndToolBar->hide();
    m_wndListBand->hide();
    UpdateCommandUI();
}

void CMainFrame::CloseDocumentList()
{
    m_pStack->setCurrentWidget(m_pListPage);
    m_wndCommandBar->show();
    m_wndToolBar->show();
    m_wndListBand->show();
    UpdateCommandUI();
}

bool CMainFrame::IsDocumentListUp() const
{
    return m_pStack->currentWidget() == m_pDocList;
}

CListSelector* CMainFrame::GetListSelector()
{
    return m_wndListBar;
}

void CMainFrame::RunDrawNamesDialog(CNameList* pList, int nMode)
{
    CDrawNamesDlg dialog(pList, nMode, this);
    dialog.exec();
}

void CMainFrame::RunSend(CSendRun* pRun)
{
    // Beside the main window, which stays usable; the send commands wait for the run.
    auto* pDialog = new CSendProgressDlg(pRun, this);
    connect(pRun, &CSendRun::Finished, this, &CMainFrame::UpdateCommandUI);
    connect(pDialog, &CSendProgressDlg::PrintCardsFor, this, &CMainFrame::PrintCards);
    pDialog->show();
    pRun->Start();
    UpdateCommandUI();
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
    if (!m_choosePrinter(printer,
                         CStringTable::Format(IDS_CARDS_PRINT_TITLE, {pNewest->m_strName})))
        return;
    const QString strError = CCardSheet(cards, *pNewest, m_pDoc->MailLanguage()).Paint(printer);
    if (!strError.isEmpty())
        CMessageBox::Show(IDS_CARDS_PRINT_ERROR, EBoxKind::OkExclamation, {strError});
}

bool CMainFrame::StopSendingToClose()
{
    if (!m_pDoc->IsSending())
        return true;
    if (CMessageBox::Show(IDS_ASK_STOP_SENDING, EBoxKind::YesNoQuestion) != IDYES)
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
