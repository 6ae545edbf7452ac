#pragma once

#include "app/Settings.h"

#include <QDialog>
#include <QHash>

class CKivvoApp;
class CKivvoDoc;
class QComboBox;
class CSendRun;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Settings > Configure: the mail server, the account and the footer, and the language of the
// open document's e-mails and cards. OK checks the values,
// with a message beside each field that is wrong, then saves them and puts them into use.
// "Send test mail" sends the values as typed to the sender's own address, in the background.
class CSettingsDlg : public QDialog
{
    Q_OBJECT

public:
    // pDoc: the open document, whose e-mail language is offered; may be null.
    explicit CSettingsDlg(CKivvoApp* pApp, QWidget* pParent = nullptr, CKivvoDoc* pDoc = nullptr);

    // The values as typed; the port is 0 when it is not a number.
    CSettings Values() const;
    QLabel* ProblemLabel(ESettingsField field) const { return m_problems.value(field); }
    QLabel* TestResult() const { return m_pTestResult; }
    QPushButton* TestButton() const { return m_pTest; }
    bool IsTesting() const;

    void accept() override;

private:
    void Build();
    QLineEdit* AddField(class QFormLayout* pForm, int nLabelId, const QString& strName,
                        const QString& strText, int nHintId = 0);
    void AddProblemLabel(class QFormLayout* pForm, ESettingsField field);
    void AddMailLanguage(class QFormLayout* pForm);
    // Shows the problems beside their fields; true when there are none.
    bool ShowProblems(const CSettings& values);
    bool MailValuesChanged(const CSettings& values) const;
    void OnShowPassword(bool bShow);
    void OnTest();
    void OnTestFinished();

    CKivvoApp* m_pApp;
    CKivvoDoc* m_pDoc;
    QComboBox* m_pMailLanguage = nullptr;
    QLineEdit* m_pServer = nullptr;
    QLineEdit* m_pPort = nullptr;
    QLineEdit* m_pFrom = nullptr;
    QLineEdit* m_pUser = nullptr;
    QLineEdit* m_pPassword = nullptr;
    QCheckBox* m_pShowPassword = nullptr;
    QCheckBox* m_pRequireTls = nullptr;
    QPlainTextEdit* m_pFooter = nullptr;
    QLabel* m_pPasswordPlace = nullptr;
    QPushButton* m_pTest = nullptr;
    QLabel* m_pTestResult = nullptr;
    QHash<ESettingsField, QLabel*> m_problems;
    CSendRun* m_pTestRun = nullptr;
};
