#pragma once

#include "model/DrawRules.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

// Edits the document's rules of the drawing: how many earlier exchanges' recipients are
// avoided, no mutual pairs, one circle, and the seal. The caller stores Rules() and
// Sealed() on OK.
class CRulesDlg : public QDialog
{
    Q_OBJECT

public:
    // strSealRecord: when the seal of the newest drawing was broken, or empty.
    CRulesDlg(const CDrawRules& rules, bool bQuoteHistory, bool bSealed,
              const QString& strSealRecord, QWidget* pParent = nullptr);

    CDrawRules Rules() const;
    bool Sealed() const;
    bool QuotesHistory() const;

private:
    QSpinBox* m_pHistory;
    QCheckBox* m_pNoMutual;
    QCheckBox* m_pOneCircle;
    QCheckBox* m_pSeal;
    QCheckBox* m_pQuoteHistory;
};
