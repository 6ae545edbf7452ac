#include "desktop/ListBar.h"

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

void CListBar::SetLists(const QStringList& names, int nCurrent)
{
    const QSignalBlocker block(m_pCombo);
    m_pCombo->clear();
    m_pCombo->addItems(names);
    m_pCombo->setCurrentIndex(nCurrent);
}
