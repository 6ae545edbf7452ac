#include "desktop/DetailsDlg.h"

#include "platform/Archive.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* TextField(const QString& strText, const QString& strObjectName)
{
    auto* pField = new QLineEdit(strText);
    pField->setObjectName(strObjectName);
    pField->setMaxLength(int(CArchive::kMaxTextLength));
    return pField;
}

} // namespace

CDetailsDlg::CDetailsDlg(const QString& strListName, const CExchangeDetails& details,
                         bool bReadOnly, QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(CStringTable::Format(IDS_DETAILS_TITLE, {strListName}));
    setObjectName(QStringLiteral("detailsDialog"));

    auto* pIntro = new QLabel(CStringTable::Load(bReadOnly ? IDS_DETAILS_PAST : IDS_DETAILS_INTRO));
    pIntro->setWordWrap(true);
    m_pHasDate = new QCheckBox(CStringTable::Load(IDS_DETAILS_HAS_DATE));
    m_pHasDate->setObjectName(QStringLiteral("hasDate"));
    m_pHasDate->setChecked(details.m_date.isValid());
    // A new date starts at the coming Christmas Eve, the most usual day of an exchange.
    const QDate today = QDate::currentDate();
    const QDate christmas(today.year() + (today > QDate(today.year(), 12, 24) ? 1 : 0), 12, 24);
    m_pDate = new QDateEdit(details.m_date.isValid() ? details.m_date : christmas);
    m_pDate->setObjectName(QStringLiteral("date"));
    m_pDate->setCalendarPopup(true);
    m_pDate->setDisplayFormat(CTextLanguage::Ui().Text(IDS_DETAIL_DATE_FORMAT));
    m_pDate->setEnabled(details.m_date.isValid());
    connect(m_pHasDate, &QCheckBox::toggled, m_pDate, &QDateEdit::setEnabled);
    m_pBudget = TextField(details.m_strBudget, QStringLiteral("budget"));
    m_pBudget->setPlaceholderText(CStringTable::Load(IDS_DETAILS_BUDGET_HINT));
    m_pPlace = TextField(details.m_strPlace, QStringLiteral("place"));
    m_pNote = new QPlainTextEdit(details.m_strNote);
    m_pNote->setObjectName(QStringLiteral("note"));
    m_pNote->setTabChangesFocus(true);
    m_pNote->setFixedHeight(m_pNote->fontMetrics().lineSpacing() * 4 + 12);

    auto* pForm = new QFormLayout;
    pForm->addRow(m_pHasDate, m_pDate);
    const std::pair<int, QWidget*> rows[] = {{IDS_DETAILS_BUDGET, m_pBudget},
                                             {IDS_DETAILS_PLACE, m_pPlace},
                                             {IDS_DETAILS_NOTE, m_pNote}};
    for (const auto& [nLabelId, pField] : rows) {
        auto* pLabel = new QLabel(CStringTable::Load(nLabelId));
        pLabel->setBuddy(pField);
        pForm->addRow(pLabel, pField);
    }
    pForm->setContentsMargins(0, 0, 0, 0);
    auto* pFields = new QWidget;
    pFields->setLayout(pForm);
    pFields->setEnabled(!bReadOnly);

    auto* pButtons = new QDialogButtonBox(
        bReadOnly ? QDialogButtonBox::Close : QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    if (QPushButton* pOk = pButtons->button(QDialogButtonBox::Ok))
        pOk->setObjectName(QStringLiteral("ok"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pIntro);
    pLayout->addWidget(pFields);
    pLayout->addWidget(pButtons);
    setMinimumWidth(440);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CDetailsDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CDetailsDlg::reject);
}

CExchangeDetails CDetailsDlg::Details() const
{
    CExchangeDetails details;
    if (m_pHasDate->isChecked())
        details.m_date = m_pDate->date();
    details.m_strBudget = m_pBudget->text().trimmed();
    details.m_strPlace = m_pPlace->text().trimmed();
    details.m_strNote = m_pNote->toPlainText().trimmed();
    return details;
}
