#include "desktop/SettingsDlg.h"

#include "app/KivvoApp.h"
#include "app/KivvoDoc.h"
#include "desktop/MessageBox.h"
#include "notify/MailAddress.h"
#include "notify/SendRun.h"
#include "platform/Framework.h"
#include "text/Resource.h"
#include "text/StringTable.h"
#include "text/TextLanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMinimumWidth = 460;
constexpr int kFooterLines = 3;

} // namespace

CSettingsDlg::CSettingsDlg(CKivvoApp* pApp, QWidget* pParent, CKivvoDoc* pDoc)
    : QDialog(pParent), m_pApp(pApp), m_pDoc(pDoc)
{
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(CStringTable::Load(IDS_SETTINGS_TITLE));
    setMinimumWidth(kMinimumWidth);
    Build();
}

QLineEdit* CSettingsDlg::AddField(QFormLayout* pForm, int nLabelId, const QString& strName,
                                  const QString& strText, int nHintId)
{
    auto* pEdit = new QLineEdit(strText);
    pEdit->setObjectName(strName);
    // An example, never a value: a field left empty stays empty.
    if (nHintId)
        pEdit->setPlaceholderText(CStringTable::Load(nHintId));
    pForm->addRow(CStringTable::Load(nLabelId), pEdit);
    return pEdit;
}

void CSettingsDlg::AddProblemLabel(QFormLayout* pForm, ESettingsField field)
{
    auto* pLabel = new QLabel;
    pLabel->setObjectName(QStringLiteral("problem%1").arg(int(field)));
    pLabel->setWordWrap(true);
    pLabel->setStyleSheet(QStringLiteral("color: #b00020;"));
    pLabel->hide();
    pForm->addRow(QString(), pLabel);
    m_problems.insert(field, pLabel);
}

void CSettingsDlg::Build()
{
    m_pApp->UsePassword(); // the desktop asks the keyring when the password is first needed
    const CSettings& settings = m_pApp->m_settings;
    auto* pForm = new QFormLayout;
    m_pServer = AddField(pForm, IDS_SETTINGS_SERVER, QStringLiteral("server"), settings.m_strServer,
                         IDS_SETTINGS_SERVER_HINT);
    AddProblemLabel(pForm, ESettingsField::Server);
    m_pPort = AddField(pForm, IDS_SETTINGS_PORT, QStringLiteral("port"),
                       QString::number(settings.m_nPort));
    AddProblemLabel(pForm, ESettingsField::Port);
    m_pFrom = AddField(pForm, IDS_SETTINGS_FROM, QStringLiteral("from"), settings.m_strFrom,
                       IDS_SETTINGS_FROM_HINT);
    AddProblemLabel(pForm, ESettingsField::From);
    m_pUser = AddField(pForm, IDS_SETTINGS_USER, QStringLiteral("user"), settings.m_strUser,
                       IDS_SETTINGS_USER_HINT);
    m_pPassword =
        AddField(pForm, IDS_SETTINGS_PASSWORD, QStringLiteral("password"), settings.m_strPassword);
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pShowPassword = new QCheckBox(CStringTable::Load(IDS_SETTINGS_SHOW_PASSWORD));
    m_pShowPassword->setObjectName(QStringLiteral("showPassword"));
    pForm->addRow(QString(), m_pShowPassword);
    m_pPasswordPlace = new QLabel(m_pApp->PasswordPlace());
    m_pPasswordPlace->setObjectName(QStringLiteral("passwordPlace"));
    m_pPasswordPlace->setWordWrap(true);
    pForm->addRow(QString(), m_pPasswordPlace);
    m_pRequireTls = new QCheckBox(CStringTable::Load(IDS_SETTINGS_REQUIRE_TLS));
    m_pRequireTls->setObjectName(QStringLiteral("requireTls"));
    m_pRequireTls->setChecked(settings.m_bRequireTls);
    pForm->addRow(QString(), m_pRequireTls);
    m_pFooter = new QPlainTextEdit(settings.m_strFooter);
    m_pFooter->setObjectName(QStringLiteral("footer"));
    m_pFooter->setPlaceholderText(CStringTable::Load(IDS_SETTINGS_FOOTER_HINT));
    m_pFooter->setFixedHeight(m_pFooter->fontMetrics().lineSpacing() * (kFooterLines + 1));
    pForm->addRow(CStringTable::Load(IDS_SETTINGS_FOOTER), m_pFooter);
    if (m_pDoc)
        AddMailLanguage(pForm);

    m_pTest = new QPushButton(CStringTable::Load(IDS_SETTINGS_TEST));
    m_pTest->setObjectName(QStringLiteral("sendTestMail"));
    m_pTestResult = new QLabel;
    m_pTestResult->setObjectName(QStringLiteral("testResult"));
    m_pTestResult->setWordWrap(true);
    m_pTestResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* pLayout = new QVBoxLayout(this);
    if (!settings.IsMailSetUp()) {
        auto* pNotSetUp = new QLabel(CStringTable::Load(IDS_SETTINGS_NOT_SET_UP));
        pNotSetUp->setObjectName(QStringLiteral("notSetUp"));
        pNotSetUp->setWordWrap(true);
        pLayout->addWidget(pNotSetUp);
    }
    pLayout->addLayout(pForm);
    pLayout->addWidget(m_pTest, 0, Qt::AlignLeft);
    pLayout->addWidget(m_pTestResult);
    pLayout->addWidget(pButtons);

    connect(m_pShowPassword, &QCheckBox::toggled, this, &CSettingsDlg::OnShowPassword);
    connect(m_pTest, &QPushButton::clicked, this, &CSettingsDlg::OnTest);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CSettingsDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CSettingsDlg::reject);
}

void CSettingsDlg::AddMailLanguage(QFormLayout* pForm)
{
    m_pMailLanguage = new QComboBox;
    m_pMailLanguage->setObjectName(QStringLiteral("mailLanguage"));
    m_pMailLanguage->addItem(
        CStringTable::Format(IDS_SETTINGS_LANGUAGE_DESKTOP, {CTextLanguage::Ui().NativeName()}),
        QString());
    for (const QString& strCode : CTextLanguage::Codes()) {
        CTextLanguage language;
        if (CTextLanguage::ForCode(strCode, language))
            m_pMailLanguage->addItem(language.NativeName(), strCode);
    }
    // A language a later version offers stays as it is unless another is chosen.
    const QString strCode = m_pDoc->GetMailLanguageCode();
    if (m_pMailLanguage->findData(strCode) < 0)
        m_pMailLanguage->addItem(strCode, strCode);
    m_pMailLanguage->setCurrentIndex(m_pMailLanguage->findData(strCode));
    m_pMailLanguage->setToolTip(CStringTable::Load(IDS_SETTINGS_LANGUAGE_HELP));
    auto* pLabel = new QLabel(CStringTable::Load(IDS_SETTINGS_MAIL_LANGUAGE));
    pLabel->setBuddy(m_pMailLanguage);
    pForm->addRow(pLabel, m_pMailLanguage);
    auto* pHelp = new QLabel(CStringTable::Load(IDS_SETTINGS_LANGUAGE_HELP));
    pHelp->setWordWrap(true);
    pForm->addRow(QString(), pHelp);
}

CSettings CSettingsDlg::Values() const
{
    CSettings values = m_pApp->m_settings;
    values.m_strServer = m_pServer->text().trimmed();
    bool bOk = false;
    values.m_nPort = m_pPort->text().trimmed().toInt(&bOk);
    if (!bOk)
        values.m_nPort = 0;
    values.m_strFrom = m_pFrom->text().trimmed();
    values.m_strUser = m_pUser->text();
    values.m_strPassword = m_pPassword->text();
    values.m_strFooter = m_pFooter->toPlainText();
    values.m_bRequireTls = m_pRequireTls->isChecked();
    return values;
}

bool CSettingsDlg::ShowProblems(const CSettings& values)
{
    for (QLabel* pLabel : std::as_const(m_problems))
        pLabel->hide();
    const QList<CSettingsProblem> problems = values.Problems();
    for (const CSettingsProblem& problem : problems) {
        QLabel* pLabel = m_problems.value(problem.m_field);
        pLabel->setText(problem.m_strMessage);
        pLabel->show();
    }
    // Room for the messages, which the dialog was not laid out for.
    if (!problems.isEmpty())
        adjustSize();
    return problems.isEmpty();
}

void CSettingsDlg::OnShowPassword(bool bShow)
{
    m_pPassword->setEchoMode(bShow ? QLineEdit::Normal : QLineEdit::Password);
}

bool CSettingsDlg::IsTesting() const
{
    return m_pTestRun && m_pTestRun->IsRunning();
}

void CSettingsDlg::OnTest()
{
    const CSettings values = Values();
    if (!ShowProblems(values) || IsTesting())
        return;
    const QString strTo = CMailAddress::Bare(values.m_strFrom);
    delete m_pTestRun;
    m_pTestRun = new CSendRun(values, {CMailJob::Test(strTo)}, this);
    connect(m_pTestRun, &CSendRun::Finished, this, &CSettingsDlg::OnTestFinished);
    m_pTest->setEnabled(false);
    m_pTestResult->setText(CStringTable::Format(IDS_SETTINGS_TESTING, {strTo}));
    m_pTestRun->Start();
}

void CSettingsDlg::OnTestFinished()
{
    m_pTest->setEnabled(true);
    const CSendRun::CResult result = m_pTestRun->Result(0);
    const QString strTo = m_pTestRun->Jobs().at(0).m_strAddress;
    m_pTestResult->setText(
        result.m_outcome == ESendOutcome::Sent
            ? CStringTable::Format(IDS_SETTINGS_TEST_SENT, {strTo})
            : CStringTable::Format(IDS_SETTINGS_TEST_FAILED, {result.m_strReason}));
}

bool CSettingsDlg::MailValuesChanged(const CSettings& values) const
{
    const CSettings& stored = m_pApp->m_settings;
    return values.m_strServer != stored.m_strServer || values.m_nPort != stored.m_nPort ||
           values.m_strFrom != stored.m_strFrom || values.m_strUser != stored.m_strUser ||
           values.m_strPassword != stored.m_strPassword || values.m_strFooter != stored.m_strFooter;
}

void CSettingsDlg::accept()
{
    const CSettings values = Values();
    // Mail left as it was, not set up yet, does not keep the document's language from
    // being chosen; mail that is typed in must be right.
    if (MailValuesChanged(values)) {
        if (!ShowProblems(values))
            return;
        QString strError;
        if (!m_pApp->StoreSettings(values, strError))
            CMessageBox::Show(IDS_SETTINGS_SAVE_ERROR, EBoxKind::OkExclamation,
                              {QDir::toNativeSeparators(m_pApp->SettingsPath()), strError});
    }
    if (m_pMailLanguage)
        m_pDoc->SetMailLanguageCode(m_pMailLanguage->currentData().toString());
    QDialog::accept();
}
