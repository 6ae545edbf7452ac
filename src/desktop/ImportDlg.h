#pragma once

#include <QDialog>

class CParticipantImport;
class QLabel;
class QTableWidget;

// What an import of participants will do, before it does it: the persons to be added with
// their addresses and groups, the names the list has already, a first line left out, or why
// nothing can be read.
// OK only when somebody is to be added.
class CImportDlg : public QDialog
{
    Q_OBJECT

public:
    // strError is the reading's failure, empty when the file was read and checked.
    CImportDlg(const CParticipantImport& import, const QString& strError,
               const QString& strListName, QWidget* pParent = nullptr);

private:
    QLabel* m_pSummary;
    QLabel* m_pWarning;
    QTableWidget* m_pRows;
    QLabel* m_pDuplicates;
};
