#pragma once

#include <QWidget>

class QComboBox;

// The drop-down list of the document's drawings, newest first.
class CListBar : public QWidget
{
    Q_OBJECT

public:
    explicit CListBar(QWidget* pParent = nullptr);

    QComboBox* Combo() const { return m_pCombo; }
    // Shows these names with the one at nCurrent chosen; says nothing of it.
    void SetLists(const QStringList& names, int nCurrent);

signals:
    // The user picked the drawing at that position.
    void ListPicked(int nIndex);

private:
    QComboBox* m_pCombo;
};
