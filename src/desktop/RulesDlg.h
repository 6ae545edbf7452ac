#pragma once

#include "model/DrawRules.h"

#include <QDialog>

class QCheckBox;
class QLabel;
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

    // Whether anybody in the list gives only or receives only: then one circle is out.
    void SetListHasRoles(bool bRoles);

    CDrawRules Rules() const;
    bool Sealed() const;
    bool QuotesHistory() const;

private:
    void OfferCircle();

    QSpinBox* m_pHistory;
    QSpinBox* m_pGifts;
    QLabel* m_pCircleHelp;
    bool m_bListHasRoles = false;
    QCheckBox* m_pNoMutual;
    QCheckBox* m_pOneCircle;
    QCheckBox* m_pSeal;
    QCheckBox* m_pQuoteHistory;
};
