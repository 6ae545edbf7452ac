#include "desktop/ImportDlg.h"

#include "app/ParticipantImport.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNameColumn = 0;
constexpr int kAddressColumn = 1;
constexpr int kGroupColumn = 2;

QTableWidgetItem* Cell(const QString& strText)
{
    auto* pCell = new QTableWidgetItem(strText);
    pCell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return pCell;
}

} // namespace

CImportDlg::CImportDlg(const CParticipantImport& import, const QString& strError,
                       const QString& strListName, QWidget* pParent)
    : QDialog(pParent)
{
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(CStringTable::Format(IDS_IMPORT_TITLE, {strListName}));

    const QList<CParticipantImport::CRow> rows =
        strError.isEmpty() ? import.RowsToAdd() : QList<CParticipantImport::CRow>();
    m_pSummary = new QLabel;
    m_pSummary->setObjectName(QStringLiteral("importSummary"));
    m_pSummary->setWordWrap(true);
    if (!strError.isEmpty())
        m_pSummary->setText(CStringTable::Format(IDS_IMPORT_FAILED, {strError}));
    else if (rows.isEmpty())
        m_pSummary->setText(CStringTable::Format(IDS_IMPORT_NOBODY_NEW, {strListName}));
    else if (rows.size() == 1)
        m_pSummary->setText(CStringTable::Format(IDS_IMPORT_TO_ADD_ONE, {strListName}));
    else
        m_pSummary->setText(CStringTable::Format(IDS_IMPORT_TO_ADD, {rows.size(), strListName}));

    // A first line left out for looking like headings is said before the table it is not in.
    m_pWarning = new QLabel(import.Warning());
    m_pWarning->setObjectName(QStringLiteral("importWarning"));
    m_pWarning->setWordWrap(true);
    m_pWarning->setVisible(strError.isEmpty() && !import.Warning().isEmpty());

    m_pRows = new QTableWidget(int(rows.size()), 3);
    m_pRows->setObjectName(QStringLiteral("importRows"));
    m_pRows->setHorizontalHeaderLabels({CStringTable::Load(IDS_IMPORT_COL_NAME),
                                        CStringTable::Load(IDS_IMPORT_COL_ADDRESS),
                                        CStringTable::Load(IDS_IMPORT_COL_GROUP)});
    m_pRows->verticalHeader()->hide();
    m_pRows->horizontalHeader()->setStretchLastSection(true);
    m_pRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int n = 0; n < rows.size(); ++n) {
        m_pRows->setItem(n, kNameColumn, Cell(rows.at(n).m_strName));
        m_pRows->setItem(n, kAddressColumn, Cell(rows.at(n).m_strAddress));
        m_pRows->setItem(n, kGroupColumn, Cell(rows.at(n).m_strGroup));
    }
    m_pRows->resizeColumnsToContents();
    m_pRows->setVisible(!rows.isEmpty());

    const QStringList duplicates = strError.isEmpty() ? import.Duplicates() : QStringList();
    m_pDuplicates = new QLabel(
        CStringTable::Format(IDS_IMPORT_LEFT_OUT, {duplicates.join(QStringLiteral(", "))}));
    m_pDuplicates->setObjectName(QStringLiteral("importDuplicates"));
    m_pDuplicates->setWordWrap(true);
    m_pDuplicates->setVisible(!duplicates.isEmpty());

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pButtons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    pButtons->button(QDialogButtonBox::Ok)->setEnabled(!rows.isEmpty());
    pButtons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pSummary);
    pLayout->addWidget(m_pWarning);
    pLayout->addWidget(m_pRows);
    pLayout->addWidget(m_pDuplicates);
    pLayout->addWidget(pButtons);
    resize(520, rows.isEmpty() ? 160 : 380);
}
