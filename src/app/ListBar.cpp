#include "ListBar.h"

#include "res/Resource.h"

#include <QComboBox>
#include <QHBoxLayout>

CListBar::CListBar(QWidget* pParent) : QWidget(pParent), m_pCombo(new QComboBox)
{
    setObjectName(QStringLiteral("listBar"));
    m_pCombo->setObjectName(QStringLiteral("listCombo"));
    m_pCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pCombo->setMinimumContentsLength(16);
    auto* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(m_pCombo);
    connect(m_pCombo, &QComboBox::activated, this, &CListBar::ListPicked);
}

void CListBar::ResetContent()
{
    const QSignalBlocker block(m_pCombo);
    m_pCombo->clear();
}

int CListBar::AddString(const QString& str)
{
    const QSignalBlocker block(m_pCombo);
    m_pCombo->addItem(str);
    return m_pCombo->count() - 1;
}

int CListBar::GetCount() const
{
    return m_pCombo->count();
}

QString CListBar::GetText(int nIndex) const
{
    return m_pCombo->itemText(nIndex);
}

void CListBar::SetCurSel(int nIndex)
{
    const QSignalBlocker block(m_pCombo);
    m_pCombo->setCurrentIndex(nIndex);
}

int CListBar::GetCurSel() const
{
    return m_pCombo->currentIndex();
}
