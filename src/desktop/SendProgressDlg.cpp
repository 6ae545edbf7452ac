#include "desktop/SendProgressDlg.h"

#include "desktop/MessageBox.h"
#include "notify/SendRun.h"
#include "platform/DocResult.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMinimumWidth = 640;
constexpr int kMinimumHeight = 360;

QTreeWidget* MakeTable()
{
    auto* pTable = new QTreeWidget;
    pTable->setObjectName(QStringLiteral("outcomes"));
    pTable->setRootIsDecorated(false);
    pTable->setAlternatingRowColors(true);
    // One line a participant however long the server's reply: cut short, whole in the tip.
    pTable->setUniformRowHeights(true);
    pTable->setTextElideMode(Qt::ElideRight);
    pTable->setHeaderLabels(
        {CStringTable::Load(IDS_SEND_COLUMN_PERSON), CStringTable::Load(IDS_SEND_COLUMN_ADDRESS),
         CStringTable::Load(IDS_SEND_COLUMN_OUTCOME), CStringTable::Load(IDS_SEND_COLUMN_REASON)});
    QHeaderView* pHeader = pTable->header();
    pHeader->setStretchLastSection(true);
    pHeader->setSectionResizeMode(QHeaderView::Interactive);
    return pTable;
}

} // namespace

CSendProgressDlg::CSendProgressDlg(CSendRun* pRun, QWidget* pParent)
    : QDialog(pParent), m_pRun(pRun), m_pTable(MakeTable()), m_pStatus(new QLabel),
      m_pCancel(new QPushButton(CStringTable::Load(IDS_SEND_CANCEL))),
      m_pRetry(new QPushButton(CStringTable::Load(IDS_SEND_RETRY))),
      m_pPrintSkipped(new QPushButton(CStringTable::Load(IDS_SEND_PRINT_SKIPPED))),
      m_pClose(new QPushButton(CStringTable::Load(IDS_SEND_CLOSE)))
{
    setObjectName(QStringLiteral("sendProgress"));
    setWindowTitle(CStringTable::Load(IDS_SEND_TITLE));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kMinimumWidth, kMinimumHeight);
    m_pRun->setParent(this);
    m_pStatus->setWordWrap(true);
    auto* pButtons = new QDialogButtonBox;
    pButtons->addButton(m_pRetry, QDialogButtonBox::ActionRole);
    m_pPrintSkipped->setObjectName(QStringLiteral("printSkipped"));
    m_pPrintSkipped->setAutoDefault(false);
    m_pPrintSkipped->hide();
    pButtons->addButton(m_pCancel, QDialogButtonBox::RejectRole);
    pButtons->addButton(m_pClose, QDialogButtonBox::AcceptRole);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTable);
    pLayout->addWidget(m_pStatus);
    pLayout->addWidget(m_pPrintSkipped, 0, Qt::AlignLeft);
    pLayout->addWidget(pButtons);
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < m_pRun->Jobs().size(); ++i)
        rows.append(new QTreeWidgetItem(QStringList{m_pRun->Jobs().at(i).m_strName}));
    m_pTable->addTopLevelItems(rows);
    for (int i = 0; i < m_pRun->Jobs().size(); ++i)
        ShowOutcome(i);
    // The columns as wide as what they hold, the outcome as its longest word may be; the
    // reason takes the rest.
    for (const int nColumn : {kPersonColumn, kAddressColumn, kOutcomeColumn})
        m_pTable->resizeColumnToContents(nColumn);
    const int nCellMargin =
        2 * (m_pTable->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_pTable) + 1);
    int nOutcomeWidth = m_pTable->columnWidth(kOutcomeColumn);
    for (const QString& strWord : CSendRun::OutcomeWords())
        nOutcomeWidth = std::max(nOutcomeWidth,
                                 m_pTable->fontMetrics().horizontalAdvance(strWord) + nCellMargin);
    m_pTable->setColumnWidth(kOutcomeColumn, nOutcomeWidth);

    connect(m_pRun, &CSendRun::OutcomeReady, this, &CSendProgressDlg::OnOutcome);
    connect(m_pRun, &CSendRun::Finished, this, &CSendProgressDlg::OnFinished);
    connect(m_pCancel, &QPushButton::clicked, this, &CSendProgressDlg::OnCancel);
    connect(m_pRetry, &QPushButton::clicked, this, &CSendProgressDlg::OnRetry);
    connect(m_pPrintSkipped, &QPushButton::clicked, this, [this] {
        QStringList names;
        for (int i = 0; i < m_pRun->Jobs().size(); ++i) {
            if (m_pRun->Result(i).m_outcome == ESendOutcome::Skipped)
                names.append(m_pRun->Jobs().at(i).m_strName);
        }
        // Cards of a drawing other than the one mailed would mix two drawings.
        if (CMessageBox::Tell(m_pRun->CheckDrawing()))
            emit PrintCardsFor(names);
    });
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::accept);
    ShowRunning();
}

void CSendProgressDlg::ShowRunning()
{
    int nDone = 0;
    for (int i = 0; i < m_pRun->Jobs().size(); ++i)
        nDone += m_pRun->Result(i).m_outcome != ESendOutcome::Pending ? 1 : 0;
    m_pStatus->setText(
        m_pRun->IsCancelled()
            ? CStringTable::Load(IDS_SEND_CANCELLING)
            : CStringTable::Format(IDS_SEND_RUNNING, {qMin(nDone + 1, int(m_pRun->Jobs().size())),
                                                      m_pRun->Jobs().size()}));
    // Once cancelled, the same button stops at once, without the confirmation of the
    // message in flight, which the server may take minutes to give.
    m_pCancel->setText(
        CStringTable::Load(m_pRun->IsCancelled() ? IDS_SEND_STOP_NOW : IDS_SEND_CANCEL));
    m_pRetry->setEnabled(false);
    m_pClose->setEnabled(false);
}

void CSendProgressDlg::ShowOutcome(int nIndex)
{
    QTreeWidgetItem* pRow = m_pTable->topLevelItem(nIndex);
    if (!pRow)
        return;
    const QString strReason = m_pRun->OutcomeReason(nIndex);
    // A retry may send to an address corrected since.
    pRow->setText(kAddressColumn, m_pRun->ShownAddress(nIndex));
    pRow->setText(kOutcomeColumn, m_pRun->OutcomeWord(nIndex));
    pRow->setText(kReasonColumn, strReason);
    pRow->setToolTip(kReasonColumn, strReason);
    pRow->setToolTip(kPersonColumn, m_pRun->Jobs().at(nIndex).m_strName);
    pRow->setToolTip(kAddressColumn, pRow->text(kAddressColumn));
}

void CSendProgressDlg::OnOutcome(int nIndex)
{
    ShowOutcome(nIndex);
    if (QTreeWidgetItem* pRow = m_pTable->topLevelItem(nIndex))
        m_pTable->scrollToItem(pRow);
    if (m_pRun->IsRunning())
        ShowRunning();
}

void CSendProgressDlg::OnFinished()
{
    // A run stopped at once ends before its last outcomes have arrived here: every line is
    // shown as it ended.
    for (int i = 0; i < m_pTable->topLevelItemCount(); ++i)
        ShowOutcome(i);
    QString strStatus = m_pRun->Summary();
    if (m_pRun->StopMessageId())
        strStatus = m_pRun->StopMessage() + QStringLiteral("\r\n\r\n") + strStatus;
    m_pStatus->setText(strStatus);
    m_pCancel->setEnabled(false);
    m_pRetry->setEnabled(m_pRun->CanRetry());
    m_pClose->setEnabled(true);
    m_pClose->setDefault(true);
    // Those without an address still need their name: on paper.
    m_pPrintSkipped->setVisible(m_pRun->CountOf(ESendOutcome::Skipped) > 0);
}

void CSendProgressDlg::OnCancel()
{
    if (m_pRun->IsCancelled())
        m_pRun->Abort(); // ends the run at once: the window has been told already
    else
        m_pRun->Cancel();
    if (m_pRun->IsRunning())
        ShowRunning();
}

void CSendProgressDlg::OnRetry()
{
    // A message the server may have kept goes again only on the user's word for that person.
    QList<int> resend;
    for (const int nIndex : m_pRun->MayHaveArrived()) {
        const CMailJob& job = m_pRun->Jobs().at(nIndex);
        if (CMessageBox::Show(IDS_ASK_SEND_AGAIN, EBoxKind::YesNoQuestion,
                              {job.m_strName, job.m_strAddress,
                               m_pRun->Result(nIndex).m_strReason}) == EAnswer::Yes)
            resend.append(nIndex);
    }
    // Nobody left to send to, or the drawing changed since.
    CDocResult why;
    if (!m_pRun->StartRetry(resend, why)) {
        CMessageBox::Tell(why);
        OnFinished();
        return;
    }
    ShowRunning();
}

void CSendProgressDlg::reject()
{
    // Escape or the window's close button while sending: stop after the message in flight;
    // the dialog stays until the run has ended, so that nothing half-sent goes unreported.
    if (m_pRun->IsRunning()) {
        OnCancel();
        return;
    }
    QDialog::reject();
}
