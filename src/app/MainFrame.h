#pragma once

#include "platform/CmdTarget.h"
#include "platform/UserInterface.h"

#include <QHash>
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
// the view, the document, the frame and the application in turn, and every command's
// enabled state follows its update handler.
class CMainFrame : public QMainWindow, public CCmdTarget, public CUserInterface
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
    CListBar* ListBar() const { return m_wndListBar; }
    QAction* Action(int nID) const { return m_actions.value(nID); }
    CDocListWidget* DocumentList() const { return m_pDocList; }
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void SetPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    // Picks a file of participants to import; empty when the user gave up.
    void SetImportChooser(std::function<QString()> chooser) { m_chooseImport = std::move(chooser); }
    // The line above the tree that tells a past exchange apart.
    QLabel* HistoryNote() const { return m_pHistoryNote; }

    // Prints the paper cards of the newest drawing: everybody's, or those of the persons named.
    // Exchange → Details: the shown list's date, budget, place and note.
    void OnDetails();
    void PrintCards(const QStringList& names = {});

    // Offers the command to the view, the document, the frame and the application.
    bool RouteCommand(int nID);
    void UpdateCommandUI();

    // The size, place and maximised state of the last run; a first run gets a window in which
    // every command of the bars is in view.
    void RestoreWindowState();
    QSize FirstSize() const;

    bool OpenDocument(const QString& strPath);
    void ShowDocumentList();
    void CloseDocumentList();
    bool IsDocumentListUp() const;

    bool OnCommand(int nID) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;
    CListSelector* GetListSelector() override;
    void RunDrawNamesDialog(CNameList* pList, int nMode);
    // Shows the run's progress beside the window and starts it; the window owns it then.
    void RunSend(CSendRun* pRun);
    // Opens Configure; true when mail is set up once it closes.
    bool SetUpMail();

protected:
    void closeEvent(QCloseEvent* pEvent) override;

private:
    QAction* AddAction(int nID, int nTextId, const QKeySequence& shortcut = {});
    QMenu* BuildMenu(const QString& strTitle, const QList<int>& commands);
    void BuildBars();
    void SaveWindowState() const;
    void UpdateTitle();
    void UpdateMenu(QMenu* pMenu);
    bool RouteUpdate(CCmdUI& cmdUI);
    // The save question; false when the user cancelled or the save failed.
    bool SaveModified();
    bool DoSave(bool bAskName);
    // Asked while e-mails are being sent; false when the user wants them to go on.
    bool StopSendingToClose();

    void UpdateHistoryNote();
    void UpdateUndoTexts();
    void OnImportParticipants();
    void OnFileNew();
    void OnFileOpen();

    CKivvoDoc* m_pDoc;
    CKivvoApp* m_pApp;
    std::unique_ptr<CDocFlow> m_pFlow;
    CKivvoView* m_pView;
    CDocListWidget* m_pDocList;
    QWidget* m_pListPage;
    QLabel* m_pHistoryNote;
    QStackedWidget* m_pStack;
    QToolBar* m_wndCommandBar;
    QToolBar* m_wndToolBar;
    QToolBar* m_wndListBand;
    CListBar* m_wndListBar;
    QHash<int, QAction*> m_actions;
    FileChooser m_chooseFile;
    PrinterChooser m_choosePrinter;
    std::function<QString()> m_chooseImport;
};
