#include "desktop/PersonDlg.h"

#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/ContactComboBox.h"
#include "desktop/MessageBox.h"
#include "model/NameList.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Persons still carrying the name Add Person gave them.
const QString kDefaultNamePrefix = QStringLiteral("Person");
constexpr int kNameColumn = 0;
constexpr int kBothWaysColumn = 1;

} // namespace

CPersonDlg::CPersonDlg(CPerson* pPerson, CKivvoDoc* pDoc, QWidget* pParent)
    : QDialog(pParent), m_pPerson(pPerson), m_pDoc(pDoc), m_pList(pDoc->GetNewestList())
{
    setWindowTitle(CStringTable::Load(IDS_PERSON_TITLE));
    setObjectName(QStringLiteral("personDialog"));

    m_pName = new QLineEdit;
    m_pName->setObjectName(QStringLiteral("name"));
    m_pAddress = new CContactComboBox;
    m_pAddress->setObjectName(QStringLiteral("address"));
    m_pAddress->setEditable(true);
    m_pAddress->setInsertPolicy(QComboBox::NoInsert);
    // Matching entries are offered in a list; what the user typed is never rewritten.
    m_pAddress->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_pResolvedAddress = new QLabel;
    m_pResolvedAddress->setObjectName(QStringLiteral("resolvedAddress"));
    m_pResolvedAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pAddressProblem = new QLabel(CStringTable::Load(IDS_ADDRESS_NOT_PLAUSIBLE));
    m_pAddressProblem->setObjectName(QStringLiteral("addressProblem"));
    m_pAddressProblem->setStyleSheet(QStringLiteral("color: #c62828"));
    m_pAddressProblem->setWordWrap(true);
    m_pAddressProblem->hide();
    m_pSuggestions = new QPlainTextEdit;
    m_pSuggestions->setObjectName(QStringLiteral("suggestions"));
    m_pSuggestions->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pSuggestions->setTabChangesFocus(true); // Enter still starts a new line
    BuildNeverDraws();
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pButtons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    pButtons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));

    m_pRole = new QComboBox;
    m_pRole->setObjectName(QStringLiteral("role"));
    // In the order of ERole.
    for (const int nId : {IDS_ROLE_BOTH, IDS_ROLE_GIVES, IDS_ROLE_RECEIVES})
        m_pRole->addItem(CStringTable::Load(nId));

    auto* pNameRow = new QFormLayout;
    pNameRow->addRow(CStringTable::Load(IDS_PERSON_NAME_LABEL), m_pName);
    pNameRow->addRow(CStringTable::Load(IDS_ROLE_LABEL), m_pRole);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pNameRow);
    pLayout->addWidget(new QLabel(CStringTable::Load(IDS_PERSON_ADDRESS_LABEL)));
    pLayout->addWidget(m_pAddress);
    pLayout->addWidget(m_pResolvedAddress);
    pLayout->addWidget(m_pAddressProblem);
    pLayout->addWidget(new QLabel(CStringTable::Load(IDS_PERSON_SUGGESTIONS_LABEL)));
    pLayout->addWidget(m_pSuggestions);
    pLayout->addWidget(new QLabel(CStringTable::Load(IDS_PERSON_NEVER_DRAWS_LABEL)));
    auto* pTyped = new QHBoxLayout;
    pTyped->addWidget(m_pNeverDraws);
    pTyped->addWidget(m_pAddNeverDraws);
    pLayout->addLayout(pTyped);
    pLayout->addWidget(m_pNeverDrawsError);
    auto* pNames = new QHBoxLayout;
    pNames->addWidget(m_pNeverDrawsTable);
    pNames->addWidget(m_pRemoveNeverDraws, 0, Qt::AlignTop);
    pLayout->addLayout(pNames);
    pLayout->addWidget(pButtons);
    resize(400, 480);

    connect(pButtons, &QDialogButtonBox::accepted, this, &CPersonDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CPersonDlg::reject);
    connect(m_pAddress, &QComboBox::activated, this, &CPersonDlg::PostUpdateAddress);
    connect(m_pAddress->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &CPersonDlg::PostUpdateAddress);
    connect(m_pAddress, &CContactComboBox::AboutToShowPopup, this, &CPersonDlg::FillContactCombo);
    // Typed, picked or pasted: the line underneath never shows what the text was before.
    connect(m_pAddress, &QComboBox::editTextChanged, this, &CPersonDlg::OnUpdateAddress);
    if (CKivvoApp* pApp = CKivvoApp::Get())
        connect(pApp, &CKivvoApp::ContactsChanged, this, [this] {
            FillContactCombo();
            OnUpdateAddress();
        });
    m_pAddress->installEventFilter(this);
    m_pAddress->lineEdit()->installEventFilter(this);

    OnInitDialog();
}

void CPersonDlg::OnInitDialog()
{
    m_pAddress->setEditText(m_pPerson->m_strAddress);
    m_pSuggestions->setPlainText(m_pPerson->m_strSuggestions);
    m_pName->setText(m_pPerson->m_strName);
    m_pRole->setCurrentIndex(int(m_pPerson->m_role));
    for (const CNeverDraws& neverDraws : m_pList->NeverDrawsOf(m_pPerson->m_strName))
        AddNeverDrawsRow(neverDraws);
    FillContactCombo();
    PostUpdateAddress();
    m_pName->setFocus(); // the name is what a new person needs first
    m_pName->selectAll();
}

void CPersonDlg::FillContactCombo()
{
    QStringList names;
    if (CKivvoApp* pApp = CKivvoApp::Get())
        pApp->FillContactCombo(names);
    // The cache keeps empty slots for contacts still to come; they make no choice.
    names.removeAll(QString());
    names.sort(Qt::CaseInsensitive);
    const QString strText = m_pAddress->currentText();
    const QSignalBlocker block(m_pAddress);
    m_pAddress->clear();
    m_pAddress->addItems(names);
    m_pAddress->setEditText(strText);
}

void CPersonDlg::PostUpdateAddress()
{
    // After the box has taken a picked entry into its edit field.
    QTimer::singleShot(0, this, &CPersonDlg::OnUpdateAddress);
}

void CPersonDlg::OnUpdateAddress()
{
    const QString strText = m_pAddress->currentText();
    m_pResolvedAddress->clear();
    CKivvoApp* pApp = CKivvoApp::Get();
    m_pAddressProblem->setVisible(pApp &&
                                  pApp->CheckAddress(strText) == CKivvoApp::EAddress::Neither);
    if (strText.contains(u'@') || !pApp)
        return;
    QString strAddress;
    QString strFirstName;
    QString strLastName;
    int nAddresses = 0;
    if (!pApp->LookupContact(strText, strAddress, strFirstName, strLastName, &nAddresses))
        return;
    // The secret mail goes to one address only: which one is said where there is a choice.
    m_pResolvedAddress->setText(
        nAddresses > 1 ? CStringTable::Format(IDS_CONTACT_PREFERRED, {strAddress, nAddresses})
                       : strAddress);
    if (m_pPerson->m_strName.startsWith(kDefaultNamePrefix))
        m_pName->setText(m_pList->MakeUniqueName(strFirstName, strLastName));
}

bool CPersonDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // Enter after a typed name puts it in the table rather than closing the dialog; Delete
    // in the table takes the selected names out.
    if (pEvent->type() == QEvent::KeyPress) {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        const bool bEnter = nKey == Qt::Key_Return || nKey == Qt::Key_Enter;
        if (pWatched == m_pNeverDraws && bEnter && !m_pNeverDraws->text().trimmed().isEmpty()) {
            TakeTypedNames();
            return true;
        }
        if (pWatched == m_pNeverDrawsTable && nKey == Qt::Key_Delete) {
            RemoveSelectedNames();
            return true;
        }
    }
    // A completion list taking the focus is no leaving of the field.
    const bool bAddress = pWatched == m_pAddress || pWatched == m_pAddress->lineEdit();
    if (bAddress && pEvent->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(pEvent)->reason() != Qt::PopupFocusReason)
        OnUpdateAddress();
    return QDialog::eventFilter(pWatched, pEvent);
}

void CPersonDlg::BuildNeverDraws()
{
    m_pNeverDraws = new QLineEdit;
    m_pNeverDraws->setObjectName(QStringLiteral("neverDraws"));
    QStringList names;
    m_pList->ForEachPerson([&](CPerson* pPerson) {
        if (pPerson != m_pPerson)
            names.append(pPerson->m_strName);
    });
    names.sort(Qt::CaseInsensitive);
    m_pNeverDrawsCompleter = new QCompleter(new QStringListModel(names, this), this);
    m_pNeverDrawsCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    m_pNeverDrawsCompleter->setFilterMode(Qt::MatchStartsWith);
    m_pNeverDrawsCompleter->setWidget(m_pNeverDraws);
    m_pAddNeverDraws = new QPushButton(CStringTable::Load(IDS_PERSON_ADD_NEVER_DRAWS));
    m_pAddNeverDraws->setObjectName(QStringLiteral("addNeverDraws"));
    m_pAddNeverDraws->setAutoDefault(false);
    m_pNeverDrawsTable = new QTableWidget(0, 2);
    m_pNeverDrawsTable->setObjectName(QStringLiteral("neverDrawsTable"));
    m_pNeverDrawsTable->setHorizontalHeaderLabels(
        {CStringTable::Load(IDS_PERSON_COL_NAME), CStringTable::Load(IDS_PERSON_COL_BOTH_WAYS)});
    m_pNeverDrawsTable->horizontalHeaderItem(kBothWaysColumn)
        ->setToolTip(CStringTable::Load(IDS_PERSON_BOTH_WAYS).remove(u'&'));
    m_pNeverDrawsTable->verticalHeader()->hide();
    m_pNeverDrawsTable->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    m_pNeverDrawsTable->horizontalHeader()->setSectionResizeMode(kBothWaysColumn,
                                                                 QHeaderView::ResizeToContents);
    m_pNeverDrawsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pNeverDrawsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pNeverDrawsTable->setMinimumHeight(
        m_pNeverDrawsTable->verticalHeader()->defaultSectionSize() * 4);
    m_pNeverDrawsTable->installEventFilter(this);
    m_pRemoveNeverDraws = new QPushButton(CStringTable::Load(IDS_PERSON_REMOVE_NEVER_DRAWS));
    m_pRemoveNeverDraws->setObjectName(QStringLiteral("removeNeverDraws"));
    m_pRemoveNeverDraws->setAutoDefault(false);
    m_pRemoveNeverDraws->setEnabled(false);
    m_pNeverDrawsError = new QLabel;
    m_pNeverDrawsError->setObjectName(QStringLiteral("neverDrawsError"));
    m_pNeverDrawsError->setStyleSheet(QStringLiteral("color: #c62828"));
    m_pNeverDrawsError->setWordWrap(true);
    m_pNeverDrawsError->hide();
    m_pNeverDraws->installEventFilter(this);
    connect(m_pNeverDraws, &QLineEdit::textEdited, this, &CPersonDlg::OnNeverDrawsEdited);
    connect(m_pNeverDrawsCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            &CPersonDlg::OnNeverDrawsPicked);
    connect(m_pAddNeverDraws, &QPushButton::clicked, this, &CPersonDlg::TakeTypedNames);
    connect(m_pRemoveNeverDraws, &QPushButton::clicked, this, &CPersonDlg::RemoveSelectedNames);
    connect(m_pNeverDrawsTable, &QTableWidget::itemSelectionChanged, this, [this] {
        m_pRemoveNeverDraws->setEnabled(!m_pNeverDrawsTable->selectedItems().isEmpty());
    });
}

void CPersonDlg::OnNeverDrawsEdited(const QString& strText)
{
    m_pNeverDrawsError->hide();
    const QString strPrefix = strText.mid(strText.lastIndexOf(u',') + 1).trimmed();
    if (strPrefix.isEmpty()) {
        m_pNeverDrawsCompleter->popup()->hide();
        return;
    }
    m_pNeverDrawsCompleter->setCompletionPrefix(strPrefix);
    m_pNeverDrawsCompleter->complete();
}

void CPersonDlg::OnNeverDrawsPicked(const QString& strName)
{
    // The picked name takes the place of the part typed after the last comma.
    const QString strText = m_pNeverDraws->text();
    const qsizetype nComma = strText.lastIndexOf(u',');
    const QString strHead = nComma < 0 ? QString() : strText.left(nComma + 1) + u' ';
    m_pNeverDraws->setText(strHead + strName);
}

bool CPersonDlg::TakeTypedNames()
{
    QStringList names;
    QString strError;
    if (!m_pList->ParseNames(m_pNeverDraws->text(), m_pPerson->m_strName, names, strError)) {
        m_pNeverDrawsError->setText(strError);
        m_pNeverDrawsError->show();
        m_pNeverDraws->setFocus();
        return false;
    }
    const QList<CNeverDraws> shown = NeverDraws();
    for (const QString& strName : std::as_const(names)) {
        if (std::any_of(shown.cbegin(), shown.cend(),
                        [&strName](const CNeverDraws& n) { return n.m_strName == strName; }))
            continue;
        // Both ways from the start when that person never draws him already.
        AddNeverDrawsRow({strName, m_pList->m_exclusions.Contains(strName, m_pPerson->m_strName)});
    }
    m_pNeverDraws->clear();
    return true;
}

void CPersonDlg::AddNeverDrawsRow(const CNeverDraws& neverDraws)
{
    const int nRow = m_pNeverDrawsTable->rowCount();
    m_pNeverDrawsTable->insertRow(nRow);
    auto* pName = new QTableWidgetItem(neverDraws.m_strName);
    pName->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    m_pNeverDrawsTable->setItem(nRow, kNameColumn, pName);
    auto* pBothWays = new QTableWidgetItem;
    pBothWays->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    pBothWays->setCheckState(neverDraws.m_bBothWays ? Qt::Checked : Qt::Unchecked);
    pBothWays->setToolTip(CStringTable::Load(IDS_PERSON_BOTH_WAYS).remove(u'&'));
    m_pNeverDrawsTable->setItem(nRow, kBothWaysColumn, pBothWays);
}

void CPersonDlg::RemoveSelectedNames()
{
    // From the bottom up, so that the rows still to go keep their numbers.
    QList<int> rows;
    for (const QModelIndex& index : m_pNeverDrawsTable->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (const int nRow : std::as_const(rows))
        m_pNeverDrawsTable->removeRow(nRow);
}

QList<CNeverDraws> CPersonDlg::NeverDraws() const
{
    QList<CNeverDraws> neverDraws;
    for (int nRow = 0; nRow < m_pNeverDrawsTable->rowCount(); ++nRow)
        neverDraws.append(
            {m_pNeverDrawsTable->item(nRow, kNameColumn)->text(),
             m_pNeverDrawsTable->item(nRow, kBothWaysColumn)->checkState() == Qt::Checked});
    return neverDraws;
}

void CPersonDlg::accept()
{
    // Names typed but not yet put in the table count as put in.
    if (!TakeTypedNames())
        return;
    const CPersonFields fields{m_pName->text(), m_pAddress->currentText(),
                               m_pSuggestions->toPlainText(), ERole(m_pRole->currentIndex())};
    if (!CMessageBox::Tell(m_pDoc->SetPerson(m_pPerson, fields, NeverDraws())))
        return;
    QDialog::accept();
}
