#pragma once

#include "model/DrawRules.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

// Edits the document's rules of the drawing: how many earlier exchanges' recipients are
// avoided, no mutual pairs, one circle. The caller stores Rules() on OK.
class CRulesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CRulesDlg(const CDrawRules& rules, QWidget* pParent = nullptr);

    CDrawRules Rules() const;

private:
    QSpinBox* m_pHistory;
    QCheckBox* m_pNoMutual;
    QCheckBox* m_pOneCircle;
};
