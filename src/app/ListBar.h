#pragma once

#include "platform/ListSelector.h"

#include <QWidget>

class QComboBox;

// The drop-down list of the document's drawings. Picking one asks for command 107.
class CListBar : public QWidget, public CListSelector
{
    Q_OBJECT

public:
    explicit CListBar(QWidget* pParent = nullptr);

    QComboBox* Combo() const { return m_pCombo; }

    void ResetContent() override;
    int AddString(const QString& str) override;
    int GetCount() const override;
    QString GetText(int nIndex) const override;
    void SetCurSel(int nIndex) override;
    int GetCurSel() const override;

signals:
    void ListPicked();

private:
    QComboBox* m_pCombo;
};
