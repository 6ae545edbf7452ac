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
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Persons still carrying the name Add Person gave them.
const QString kDefaultNamePrefix = QStringLiteral("Person");

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
    pLayout->addWidget(m_pNeverDraws);
    pLayout->addWidget(m_pBothWays);
    pLayout->addWidget(m_pNeverDrawsError);
    pLayout->addWidget(pButtons);
    resize(380, 400);

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
    const QStringList excluded = m_pList->m_exclusions.RecipientsOf(m_pPerson->m_strName);
    m_pNeverDraws->setText(excluded.join(QStringLiteral(", ")));
    m_pBothWays->setChecked(m_pList->ExcludesBothWays(m_pPerson->m_strName));
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
    // A completion list taking the focus is no leaving of the field.
    if (pEvent->type() == QEvent::FocusOut &&
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
    m_pBothWays = new QCheckBox(CStringTable::Load(IDS_PERSON_BOTH_WAYS));
    m_pBothWays->setObjectName(QStringLiteral("bothWays"));
    m_pNeverDrawsError = new QLabel;
    m_pNeverDrawsError->setObjectName(QStringLiteral("neverDrawsError"));
    m_pNeverDrawsError->setStyleSheet(QStringLiteral("color: #c62828"));
    m_pNeverDrawsError->setWordWrap(true);
    m_pNeverDrawsError->hide();
    connect(m_pNeverDraws, &QLineEdit::textEdited, this, &CPersonDlg::OnNeverDrawsEdited);
    connect(m_pNeverDrawsCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            &CPersonDlg::OnNeverDrawsPicked);
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

void CPersonDlg::accept()
{
    QStringList excluded;
    QString strError;
    if (!m_pList->ParseNames(m_pNeverDraws->text(), m_pPerson->m_strName, excluded, strError)) {
        m_pNeverDrawsError->setText(strError);
        m_pNeverDrawsError->show();
        m_pNeverDraws->setFocus();
        return;
    }
    const CPersonFields fields{m_pName->text(), m_pAddress->currentText(),
                               m_pSuggestions->toPlainText(), ERole(m_pRole->currentIndex())};
    if (!CMessageBox::Tell(
            m_pDoc->SetPerson(m_pPerson, fields, excluded, m_pBothWays->isChecked())))
        return;
    QDialog::accept();
}
