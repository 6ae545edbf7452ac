#pragma once

#include "model/ExchangeDetails.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

// Edits the date, budget, place and note of one exchange, which its e-mails and cards give
// the participants. A past exchange's details are shown without being editable. The caller
// stores Details() on OK.
class CDetailsDlg : public QDialog
{
    Q_OBJECT

public:
    CDetailsDlg(const QString& strListName, const CExchangeDetails& details, bool bReadOnly,
                QWidget* pParent = nullptr);

    CExchangeDetails Details() const;

private:
    QCheckBox* m_pHasDate;
    QDateEdit* m_pDate;
    QLineEdit* m_pBudget;
    QLineEdit* m_pPlace;
    QPlainTextEdit* m_pNote;
};
