#include "desktop/RulesDlg.h"

#include "text/Resource.h"
#include "text/StringTable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A short line under a control that says what it does.
QLabel* Explanation(int nId)
{
    auto* pLabel = new QLabel(CStringTable::Load(nId));
    pLabel->setWordWrap(true);
    pLabel->setContentsMargins(24, 0, 0, 8);
    QFont font = pLabel->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    pLabel->setFont(font);
    return pLabel;
}

} // namespace

CRulesDlg::CRulesDlg(const CDrawRules& rules, bool bQuoteHistory, bool bSealed,
                     const QString& strSealRecord, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(CStringTable::Load(IDS_RULES_TITLE));
    setObjectName(QStringLiteral("rulesDialog"));

    m_pHistory = new QSpinBox;
    m_pHistory->setObjectName(QStringLiteral("history"));
    m_pHistory->setRange(0, CDrawRules::kAllExchanges);
    // The top of the range covers every list a document can hold; 0 is no history rule.
    m_pHistory->setSpecialValueText(CStringTable::Load(IDS_RULES_HISTORY_NONE));
    const auto suffix = [this](int nValue) {
        m_pHistory->setSuffix(CStringTable::Load(nValue == 1 ? IDS_RULES_HISTORY_SUFFIX_ONE
                                                             : IDS_RULES_HISTORY_SUFFIX));
    };
    connect(m_pHistory, &QSpinBox::valueChanged, this, suffix);
    m_pHistory->setValue(rules.m_nHistory);
    suffix(rules.m_nHistory);
    auto* pHistoryLabel = new QLabel(CStringTable::Load(IDS_RULES_HISTORY));
    pHistoryLabel->setBuddy(m_pHistory);
    m_pNoMutual = new QCheckBox(CStringTable::Load(IDS_RULES_NO_MUTUAL));
    m_pNoMutual->setObjectName(QStringLiteral("noMutual"));
    m_pNoMutual->setChecked(rules.m_bNoMutual);
    m_pOneCircle = new QCheckBox(CStringTable::Load(IDS_RULES_ONE_CIRCLE));
    m_pOneCircle->setObjectName(QStringLiteral("oneCircle"));
    m_pOneCircle->setChecked(rules.m_bOneCircle);
    m_pGifts = new QSpinBox;
    m_pGifts->setObjectName(QStringLiteral("gifts"));
    m_pGifts->setRange(1, CDrawRules::kMaxGifts);
    m_pGifts->setValue(rules.m_nGifts);
    auto* pGiftsLabel = new QLabel(CStringTable::Load(IDS_GIFTS_LABEL));
    pGiftsLabel->setBuddy(m_pGifts);
    connect(m_pGifts, &QSpinBox::valueChanged, this, &CRulesDlg::OfferCircle);
    m_pQuoteHistory = new QCheckBox(CStringTable::Load(IDS_RULES_QUOTE_HISTORY));
    m_pQuoteHistory->setObjectName(QStringLiteral("quoteHistory"));
    m_pQuoteHistory->setChecked(bQuoteHistory);
    m_pSeal = new QCheckBox(CStringTable::Load(IDS_RULES_SEAL));
    m_pSeal->setObjectName(QStringLiteral("seal"));
    m_pSeal->setChecked(bSealed);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pButtons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));

    auto* pHistoryRow = new QHBoxLayout;
    pHistoryRow->addWidget(pHistoryLabel);
    pHistoryRow->addWidget(m_pHistory);
    pHistoryRow->addStretch();
    auto* pGiftsRow = new QHBoxLayout;
    pGiftsRow->addWidget(pGiftsLabel);
    pGiftsRow->addWidget(m_pGifts);
    pGiftsRow->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pHistoryRow);
    pLayout->addWidget(Explanation(IDS_RULES_HISTORY_HELP));
    pLayout->addLayout(pGiftsRow);
    pLayout->addWidget(m_pNoMutual);
    pLayout->addWidget(Explanation(IDS_RULES_NO_MUTUAL_HELP));
    pLayout->addWidget(m_pOneCircle);
    m_pCircleHelp = Explanation(IDS_RULES_ONE_CIRCLE_HELP);
    pLayout->addWidget(m_pCircleHelp);
    pLayout->addWidget(Explanation(IDS_RULES_EXCLUSIONS_HELP));
    pLayout->addWidget(m_pQuoteHistory);
    pLayout->addWidget(Explanation(IDS_RULES_QUOTE_HISTORY_HELP));
    pLayout->addWidget(m_pSeal);
    QLabel* pSealHelp = Explanation(IDS_RULES_SEAL_HELP);
    if (!strSealRecord.isEmpty())
        pSealHelp->setText(pSealHelp->text() + u' ' + strSealRecord + u'.');
    pLayout->addWidget(pSealHelp);
    pLayout->addWidget(pButtons);
    setMinimumWidth(420);

    connect(pButtons, &QDialogButtonBox::accepted, this, &CRulesDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CRulesDlg::reject);
    OfferCircle();
}

void CRulesDlg::SetListHasRoles(bool bRoles)
{
    m_bListHasRoles = bRoles;
    OfferCircle();
}

void CRulesDlg::OfferCircle()
{
    // One circle is a single cycle through everybody: one gift each, every person in it.
    const bool bAvailable = m_pGifts->value() == 1 && !m_bListHasRoles;
    if (!bAvailable)
        m_pOneCircle->setChecked(false);
    m_pOneCircle->setEnabled(bAvailable);
    m_pCircleHelp->setText(
        CStringTable::Load(bAvailable ? IDS_RULES_ONE_CIRCLE_HELP : IDS_CIRCLE_UNAVAILABLE));
}

CDrawRules CRulesDlg::Rules() const
{
    CDrawRules rules;
    rules.m_nHistory = m_pHistory->value();
    rules.m_bNoMutual = m_pNoMutual->isChecked();
    rules.m_bOneCircle = m_pOneCircle->isChecked();
    rules.m_nGifts = m_pGifts->value();
    return rules;
}

bool CRulesDlg::QuotesHistory() const
{
    return m_pQuoteHistory->isChecked();
}

bool CRulesDlg::Sealed() const
{
    return m_pSeal->isChecked();
}
