#pragma once

#include <QDialog>

class CSendRun;
class QLabel;
class QPushButton;
class QTreeWidget;

// The progress of a send run, beside the main window: a table of one row per participant
// (name, address, outcome, reason), filled in as his outcome arrives, the summary at the end,
// Cancel while it runs and "Send again to those that failed" after it. The dialog owns the
// run.
class CSendProgressDlg : public QDialog
{
    Q_OBJECT

public:
    CSendProgressDlg(CSendRun* pRun, QWidget* pParent = nullptr);

    CSendRun* Run() const { return m_pRun; }
    enum EColumn
    {
        kPersonColumn,
        kAddressColumn,
        kOutcomeColumn,
        kReasonColumn,
        kColumnCount
    };
    QTreeWidget* Table() const { return m_pTable; }
    QLabel* Status() const { return m_pStatus; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* RetryButton() const { return m_pRetry; }
    QPushButton* PrintSkippedButton() const { return m_pPrintSkipped; }
    QPushButton* CloseButton() const { return m_pClose; }

    void reject() override;

signals:
    // Paper cards are wanted for these participants, who have no address.
    void PrintCardsFor(const QStringList& names);

private:
    void ShowOutcome(int nIndex);
    void OnOutcome(int nIndex);
    void OnFinished();
    void OnCancel();
    void OnRetry();
    void ShowRunning();

    CSendRun* m_pRun;
    QTreeWidget* m_pTable;
    QLabel* m_pStatus;
    QPushButton* m_pCancel;
    QPushButton* m_pRetry;
    QPushButton* m_pPrintSkipped;
    QPushButton* m_pClose;
};
