#pragma once

#include "app/ParticipantExport.h"
#include "desktop/MainActions.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class CDocFlow;
class CDocListWidget;
class CKivvoApp;
class CKivvoDoc;
class CKivvoView;
class CListBar;
class CNameList;
class CSendRun;
class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QStackedWidget;
class QToolBar;

// The main window: the list tree in the middle and, docked at the bottom, the command bar
// (menus and New), the toolbar (Draw Names, Send Emails) and the list bar. Commands go to
// the slots of the view, the document's flow, the frame and the application; UpdateActions()
// is the one place that sets what is enabled, called whenever what it reads changes.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // Picks a file to open (bSave false) or to save to; empty when the user gave up.
    using FileChooser = std::function<QString(bool bSave, const QString& strSuggested)>;
    // Sets up the printer for the cards (the print dialog); false when the user gave up.
    using PrinterChooser = std::function<bool(QPrinter& printer, const QString& strTitle)>;

    CMainFrame(CKivvoDoc* pDoc, CKivvoApp* pApp, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    CKivvoView* View() const { return m_pView; }
    CListBar* ListBar();
    QAction* Action(EAction action) const { return (*m_pActions)[action]; }
    CDocListWidget* DocumentList() const { return m_pDocList; }
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void SetPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    // Picks a file of participants to import; empty when the user gave up.
    void SetImportChooser(std::function<QString()> chooser) { m_chooseImport = std::move(chooser); }
    // Picks the file to export the participants to, and its form; empty when the user gave up.
    using ExportChooser =
        std::function<QString(const QString& strSuggested, CParticipantExport::EForm& form)>;
    void SetExportChooser(ExportChooser chooser) { m_chooseExport = std::move(chooser); }
    // The line above the tree that tells a past exchange apart.
    QLabel* HistoryNote() const { return m_pHistoryNote; }

    // Prints the paper cards of the newest drawing: everybody's, or those of the persons named.
    // Exchange → Details: the shown list's date, budget, place and note.
    void OnDetails();
    void PrintCards(const QStringList& names = {});

    // Enables each command as the document, the selection and the window are now.
    void UpdateActions();
    // The files opened or saved last, newest first.
    static QStringList RecentFiles();

    // The size, place and maximised state of the last run; a first run gets a window in which
    // every command of the bars is in view.
    void RestoreWindowState();
    QSize FirstSize();

    bool OpenDocument(const QString& strPath);
    void ShowDocumentList();
    void CloseDocumentList();
    bool IsDocumentListUp() const;

    // False when a round was ended before everybody had seen his name.
    bool RunDrawNamesDialog(CNameList* pList, int nMode);
    // Shows the run's progress beside the window and starts it; the window owns it then.
    void RunSend(CSendRun* pRun);
    // Opens Configure; true when mail is set up once it closes.
    bool SetUpMail();

    // Before names go out to the participants: the file must hold the drawing shown, and the
    // drawing must be in the file, so that what people are told is never only in memory.
    // False, having said why, when not (or the user cancelled the save).
    bool KeepDrawingBeforeTelling();
    // After names went out: who was told is kept in the file at once.
    void KeepWhoWasTold();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    QMenu* BuildMenu(const QString& strTitle, const QList<EAction>& actions);
    void ConnectActions();
    void BuildBars();
    void EnsureBars();
    // The bars share one line while they fit; in a narrower window the list, then the
    // toolbar with it, go on a line of their own, so that no command hides in an overflow.
    void ArrangeBars();
    void SetBarBreak(QToolBar* pBefore, bool bBreak);
    void FillRecentMenu();
    static void RememberRecent(const QString& strPath);
    void SaveWindowState() const;
    void UpdateTitle();
    // The save question; false when the user cancelled or the save failed.
    bool SaveModified();
    bool DoSave(bool bAskName);
    // Asked while e-mails are being sent; false when the user wants them to go on.
    bool StopSendingToClose();

    void UpdateHistoryNote();
    void OnImportParticipants();
    void OnExportParticipants();
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecent(const QString& strPath);
    void OnRules();

    CKivvoDoc* m_pDoc;
    CKivvoApp* m_pApp;
    std::unique_ptr<CDocFlow> m_pFlow;
    CKivvoView* m_pView;
    CDocListWidget* m_pDocList;
    QWidget* m_pListPage;
    QLabel* m_pHistoryNote;
    QStackedWidget* m_pStack;
    QList<QMenu*> m_menus;
    QToolBar* m_wndCommandBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QToolBar* m_wndListBand = nullptr;
    CListBar* m_wndListBar = nullptr;
    std::unique_ptr<CMainActions> m_pActions;
    QMenu* m_pRecentMenu = nullptr;
    FileChooser m_chooseFile;
    PrinterChooser m_choosePrinter;
    std::function<QString()> m_chooseImport;
    ExportChooser m_chooseExport;
};
