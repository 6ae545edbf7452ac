#include "PersonDlg.h"

#include "ContactComboBox.h"
#include "app/KivvoApp.h"
#include "model/NameList.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QCompleter>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Persons still carrying the name Add Person gave them.
const QString kDefaultNamePrefix = QStringLiteral("Person");

} // namespace

CPersonDlg::CPersonDlg(CPerson* pPerson, CNameList* pList, QWidget* pParent)
    : QDialog(pParent), m_pPerson(pPerson), m_pList(pList)
{
    setWindowTitle(CStringTable::Load(IDS_PERSON_TITLE));
    setObjectName(QStringLiteral("personDialog"));

    m_pName = new QLineEdit;
    m_pName->setObjectName(QStringLiteral("name"));
    m_pGiftTo = new QLineEdit;
    m_pGiftTo->setObjectName(QStringLiteral("giftTo"));
    m_pGiftTo->hide(); // the drawn name is never shown here
    m_pAddress = new CContactComboBox;
    m_pAddress->setObjectName(QStringLiteral("address"));
    m_pAddress->setEditable(true);
    m_pAddress->setInsertPolicy(QComboBox::NoInsert);
    // Matching entries are offered in a list; what the user typed is never rewritten.
    m_pAddress->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_pResolvedAddress = new QLabel;
    m_pResolvedAddress->setObjectName(QStringLiteral("resolvedAddress"));
    m_pResolvedAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pSuggestions = new QPlainTextEdit;
    m_pSuggestions->setObjectName(QStringLiteral("suggestions"));
    m_pSuggestions->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pSuggestions->setTabChangesFocus(true); // Enter still starts a new line
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pButtons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    pButtons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));

    auto* pNameRow = new QFormLayout;
    pNameRow->addRow(CStringTable::Load(IDS_PERSON_NAME_LABEL), m_pName);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pNameRow);
    pLayout->addWidget(m_pGiftTo);
    pLayout->addWidget(new QLabel(CStringTable::Load(IDS_PERSON_ADDRESS_LABEL)));
    pLayout->addWidget(m_pAddress);
    pLayout->addWidget(m_pResolvedAddress);
    pLayout->addWidget(new QLabel(CStringTable::Load(IDS_PERSON_SUGGESTIONS_LABEL)));
    pLayout->addWidget(m_pSuggestions);
    pLayout->addWidget(pButtons);
    resize(380, 320);

    connect(pButtons, &QDialogButtonBox::accepted, this, &CPersonDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CPersonDlg::reject);
    connect(m_pAddress, &QComboBox::activated, this, &CPersonDlg::PostUpdateAddress);
    connect(m_pAddress->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            &CPersonDlg::PostUpdateAddress);
    connect(m_pAddress, &CContactComboBox::AboutToShowPopup, this, &CPersonDlg::FillContactCombo);
    m_pAddress->installEventFilter(this);
    m_pAddress->lineEdit()->installEventFilter(this);

    OnInitDialog();
}

void CPersonDlg::OnInitDialog()
{
    m_pAddress->setEditText(m_pPerson->m_strAddress);
    m_pSuggestions->setPlainText(m_pPerson->m_strSuggestions);
    m_pGiftTo->setText(m_pPerson->m_strGiftTo);
    m_pName->setText(m_pPerson->m_strName);
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
    if (strText.contains(u'@') || !pApp)
        return;
    QString strAddress;
    QString strFirstName;
    QString strLastName;
    if (!pApp->LookupContact(strText, strAddress, strFirstName, strLastName))
        return;
    m_pResolvedAddress->setText(strAddress);
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

void CPersonDlg::accept()
{
    const QString strOld = m_pPerson->m_strName;
    m_bNameChanged = m_pList->RenamePerson(m_pPerson, m_pName->text()) != strOld;
    m_pPerson->m_strAddress = m_pAddress->currentText();
    m_pPerson->m_strSuggestions = m_pSuggestions->toPlainText();
    QDialog::accept();
}
